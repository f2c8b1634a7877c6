// How long one parameter query takes beyond the pause the protocol asks
// for, on the built-in virtual printer and over TCP loopback.
#include "CommandProtocol.h"
#include "PrinterName.h"
#include "SdkPrinterApi.h"
#include "SimServer.h"
#include "VirtualPrinter.h"

#include <benchmark/benchmark.h>

#include <thread>

namespace
{

class NoPause : public Sleeper
{
public:
    void sleep(int) override {}
};

class SilentMessages : public LinkMessages
{
public:
    QString text(const QString &key) const override { return key; }
    void showError(const QString &) override {}
};

void queryLoop(benchmark::State &state, const QString &port)
{
    SdkPrinterApi api;
    NoPause sleeper;
    SilentMessages messages;
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
    virtualprinter::VirtualPrinter printer;
    prtsim::ServerOptions options;
    options.listen = "127.0.0.1:0";
    prtsim::SimServer server(printer, options);
    std::string error;
    if (!server.open(error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    std::thread serving([&] { server.run(); });
    queryLoop(state, "NET," + QString::fromStdString(server.endpoints().front()).mid(4));
    server.stop();
    serving.join();
}

} // namespace

BENCHMARK(GetValSim);
BENCHMARK(GetValTcp)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
