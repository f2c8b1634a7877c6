#include "SimCommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using namespace std::chrono_literals;
using prtsim::SimCommandLine;
using prtsim::SimSettings;
using virtualprinter::AckFault;
using virtualprinter::Condition;

std::optional<SimSettings> parse(std::vector<const char *> arguments)
{
    arguments.insert(arguments.begin(), "prtsim");
    int exitCode = -1;
    return SimCommandLine::parse(static_cast<int>(arguments.size()), arguments.data(), exitCode);
}

TEST(SimCommandLine, DefaultsServeTcpOnThePrinterPort)
{
    const auto settings = parse({});
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->server.listen, "127.0.0.1:9100");
    EXPECT_FALSE(settings->server.pty);
    EXPECT_EQ(settings->model, "PM44PRO FULL");
    EXPECT_EQ(settings->server.delay, 0ms);
    EXPECT_FALSE(settings->server.dropAfter);
    EXPECT_FALSE(settings->server.stateFile);
    EXPECT_FALSE(settings->faults.noReply);
    EXPECT_EQ(settings->faults.ackFault, AckFault::None);
}

TEST(SimCommandLine, PtyAloneServesNoTcp)
{
    const auto settings = parse({"--pty"});
    ASSERT_TRUE(settings);
    EXPECT_TRUE(settings->server.pty);
    EXPECT_FALSE(settings->server.listen);
}

TEST(SimCommandLine, PtyWithListenServesBoth)
{
    const auto settings = parse({"--pty", "--listen", "0.0.0.0:9200"});
    ASSERT_TRUE(settings);
    EXPECT_TRUE(settings->server.pty);
    EXPECT_EQ(settings->server.listen, "0.0.0.0:9200");
}

TEST(SimCommandLine, EveryOptionLandsInItsSetting)
{
    const auto settings = parse({"--model",
                                 "PM44PRO",
                                 "--state",
                                 "s.json",
                                 "--log",
                                 "--no-reply",
                                 "--delay",
                                 "30",
                                 "--drop-after",
                                 "100",
                                 "--bad-ack",
                                 "checksum",
                                 "--bad-ack-packet",
                                 "3",
                                 "--refuse-download",
                                 "--refuse-firmware",
                                 "--storage-full",
                                 "--condition",
                                 "head-open",
                                 "--condition",
                                 "cutter-error",
                                 "--capacity",
                                 "4096"});
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->model, "PM44PRO");
    EXPECT_EQ(settings->server.stateFile, std::filesystem::path("s.json"));
    EXPECT_TRUE(settings->log);
    EXPECT_TRUE(settings->faults.noReply);
    EXPECT_EQ(settings->server.delay, 30ms);
    EXPECT_EQ(settings->server.dropAfter, 100u);
    EXPECT_EQ(settings->faults.ackFault, AckFault::Checksum);
    EXPECT_EQ(settings->faults.ackFaultPacket, 3u);
    EXPECT_TRUE(settings->faults.refuseDownload);
    EXPECT_TRUE(settings->faults.refuseFirmware);
    EXPECT_TRUE(settings->faults.storageFull);
    EXPECT_EQ(settings->conditions,
              (std::vector<Condition>{Condition::HeadOpen, Condition::CutterError}));
    EXPECT_EQ(settings->capacity, 4096u);
}

TEST(SimCommandLine, BadValuesAreRefused)
{
    const std::vector<std::vector<const char *>> rows{
        {"--delay", "-5"},          {"--delay", "soon"}, {"--bad-ack", "sometimes"},
        {"--condition", "on-fire"}, {"--capacity", "0"}, {"--drop-after", "-1"}};
    for (const auto &row : rows)
        EXPECT_FALSE(parse(row)) << row.front() << " " << row.back();
}

} // namespace
