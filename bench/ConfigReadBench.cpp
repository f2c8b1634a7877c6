// How long a full read of the configuration pages takes against the virtual
// printer, as a ratio to the pauses the protocol itself asks for after each
// query. A ratio near 1 means the read spends its time waiting as it must,
// not in the program.
#include "CommandProtocol.h"
#include "ConfigModel.h"
#include "ParameterReader.h"
#include "RecordingMessages.h"
#include "SdkPrinterApi.h"
#include "ServedPrinter.h"
#include "ThreadSleeper.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace
{

// Waits for real, and adds up what it was asked to wait.
class CountingSleeper : public Sleeper
{
public:
    void sleep(int milliseconds) override
    {
        m_total += milliseconds;
        m_real.sleep(milliseconds);
    }
    long long total() const { return m_total; }

private:
    ThreadSleeper m_real;
    long long m_total = 0;
};

// The command line's full read: the eight steps, then the Z page.
void fullReads(benchmark::State &state, const QString &port)
{
    SdkPrinterApi api;
    CountingSleeper sleeper;
    RecordingMessages messages;
    PrinterLink link(api, sleeper, messages);
    CommandProtocol protocol(link);
    link.SelectPort(port);
    link.CreatePrinter();
    std::chrono::steady_clock::duration spent{};
    for (auto _ : state) {
        ConfigModel model;
        ReadState progress;
        ParameterReader reader(link, protocol, false);
        const auto apply = [&model](const FieldUpdate &update) {
            model.apply(update);
        };
        const auto start = std::chrono::steady_clock::now();
        const bool read =
            reader.ReadAll(progress, apply).succeeded() && reader.ReadZPage(apply).succeeded();
        spent += std::chrono::steady_clock::now() - start;
        if (!read) {
            state.SkipWithError("the printer did not answer every query");
            return;
        }
    }
    const double pauses = double(sleeper.total()) / 1000.0;
    state.counters["pause_s"] = benchmark::Counter(pauses, benchmark::Counter::kAvgIterations);
    state.counters["ratio_to_pauses"] = std::chrono::duration<double>(spent).count() / pauses;
}

void FullReadSim(benchmark::State &state)
{
    fullReads(state, "SIM");
}

void FullReadTcp(benchmark::State &state)
{
    const ServedPrinter served;
    if (!served.opened()) {
        state.SkipWithError("cannot serve the virtual printer");
        return;
    }
    fullReads(state, served.descriptor());
}

} // namespace

BENCHMARK(FullReadSim)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);
BENCHMARK(FullReadTcp)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(2);
BENCHMARK_MAIN();
