// How long one parameter query takes beyond the pause the protocol asks
// for, on the built-in virtual printer and over TCP loopback.
#include "CommandProtocol.h"
#include "PrinterName.h"
#include "RecordingMessages.h"
#include "RecordingSleeper.h"
#include "SdkPrinterApi.h"
#include "ServedPrinter.h"

#include <benchmark/benchmark.h>

namespace
{

void queryLoop(benchmark::State &state, const QString &port)
{
    SdkPrinterApi api;
    RecordingSleeper sleeper;
    RecordingMessages messages;
    PrinterLink link(api, sleeper, messages);
    CommandProtocol protocol(link);
    link.SelectPort(port);
    link.CreatePrinter();
    if (!link.HoldPort()) {
        state.SkipWithError("cannot open the port");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(protocol.GetVal(PrinterName::dpi));
    link.ReleasePort();
}

void GetValSim(benchmark::State &state)
{
    queryLoop(state, "SIM");
}

void GetValTcp(benchmark::State &state)
{
    const ServedPrinter served;
    if (!served.opened()) {
        state.SkipWithError("cannot serve the virtual printer");
        return;
    }
    queryLoop(state, served.descriptor());
}

} // namespace

BENCHMARK(GetValSim);
BENCHMARK(GetValTcp)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
