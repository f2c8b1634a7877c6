// The server in this process, on a free loopback port and a pseudo-terminal.
#include "SimServer.h"
#include "ByteConnection.h"
#include "HostFrames.h"
#include "VirtualPrinter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace
{

using namespace std::chrono_literals;
using prtsim::ServerOptions;
using prtsim::SimServer;
using virtualprinter::VirtualPrinter;
using F = HostFrames;

ServerOptions loopback()
{
    ServerOptions options;
    options.listen = "127.0.0.1:0";
    return options;
}

class SimServerTest : public testing::Test
{
protected:
    void start(const ServerOptions &options)
    {
        server = std::make_unique<SimServer>(printer, options, [this](auto duration) {
            const std::lock_guard lock(mutex);
            waits.push_back(duration);
        });
        std::string error;
        ASSERT_TRUE(server->open(error)) << error;
        thread = std::thread([this] { exitCode = server->run(); });
    }

    void TearDown() override
    {
        if (thread.joinable()) {
            server->stop();
            thread.join();
        }
    }

    std::string endpoint(std::string_view kind) const
    {
        for (const std::string &line : server->endpoints()) {
            if (line.rfind(kind, 0) == 0)
                return line.substr(kind.size() + 1);
        }
        return {};
    }

    ByteConnection connect() const
    {
        auto connection = ByteConnection::tcp(endpoint("tcp"));
        EXPECT_TRUE(connection);
        return std::move(*connection);
    }

    VirtualPrinter printer;
    std::unique_ptr<SimServer> server;
    std::thread thread;
    int exitCode = -1;
    std::mutex mutex;
    std::vector<std::chrono::milliseconds> waits;
};

TEST_F(SimServerTest, AnnouncesTheRealPort)
{
    start(loopback());
    const std::string address = endpoint("tcp");
    ASSERT_EQ(address.rfind("127.0.0.1:", 0), 0u) << address;
    EXPECT_NE(address, "127.0.0.1:0");
    EXPECT_EQ(server->endpoints().size(), 1u);
}

TEST_F(SimServerTest, AnswersOverTcp)
{
    start(loopback());
    const ByteConnection host = connect();
    ASSERT_TRUE(host.send(F::getval("version") + F::getval("printer_status")));
    EXPECT_EQ(F::hex(host.read(14)), F::hex("V10.02.01\xEA\x02" + std::string(3, '\0')));
}

TEST_F(SimServerTest, SecondClientWaitsUntilTheFirstCloses)
{
    start(loopback());
    ByteConnection first = connect();
    ASSERT_TRUE(first.send(F::getval("dpi")));
    ASSERT_EQ(first.read(3), "203");
    const ByteConnection second = connect();
    ASSERT_TRUE(second.send(F::getval("speed")));
    ASSERT_TRUE(first.send(F::getval("dpi")));
    ASSERT_EQ(first.read(3), "203");
    // The server works one connection at a time: the second is not served yet.
    EXPECT_FALSE(second.hasData());
    first.close();
    EXPECT_EQ(second.read(1), "4");
}

TEST_F(SimServerTest, ClientLeavingMidFrameLeavesNothingBehind)
{
    start(loopback());
    ByteConnection first = connect();
    ASSERT_TRUE(first.send(F::getkey(1, 436).substr(0, 16)));
    first.close();
    const ByteConnection second = connect();
    ASSERT_TRUE(second.send(F::getval("dpi")));
    EXPECT_EQ(second.read(3), "203");
}

TEST_F(SimServerTest, DropAfterClosesTheConnectionAndForgetsTheHalfFrame)
{
    ServerOptions options = loopback();
    options.dropAfter = 10;
    start(options);
    const ByteConnection first = connect();
    ASSERT_TRUE(first.send(F::getval("dpi")));
    EXPECT_TRUE(first.closedByPeer());
    const ByteConnection second = connect();
    ASSERT_TRUE(second.send(F::getval("dpi").substr(0, 10)));
    EXPECT_TRUE(second.closedByPeer());
    // The printer saw ten bytes twice, answered neither and kept no half frame.
    server->stop();
    thread.join();
    EXPECT_EQ(printer.receive(F::getval("dpi")), "203");
}

TEST_F(SimServerTest, DelayWaitsBeforeEachReplyOnly)
{
    ServerOptions options = loopback();
    options.delay = 250ms;
    start(options);
    const ByteConnection host = connect();
    ASSERT_TRUE(host.send(F::setval("speed", "2") + F::getval("speed")));
    ASSERT_EQ(host.read(1), "2");
    ASSERT_TRUE(host.send(F::getval("dpi")));
    ASSERT_EQ(host.read(3), "203");
    const std::lock_guard lock(mutex);
    EXPECT_EQ(waits, (std::vector<std::chrono::milliseconds>{250ms, 250ms}));
}

TEST_F(SimServerTest, PseudoTerminalPassesEveryByteValue)
{
    ServerOptions options;
    options.pty = true;
    start(options);
    const std::string path = endpoint("pty");
    ASSERT_FALSE(path.empty());
    EXPECT_TRUE(endpoint("tcp").empty());
    const auto host = ByteConnection::device(path);
    ASSERT_TRUE(host);
    std::string everyByte;
    for (int value = 0; value < 256; ++value)
        everyByte.push_back(static_cast<char>(value));
    // A dump hands back exactly what it received, so any byte the terminal
    // changed or swallowed (line ends, flow control, interrupt) shows.
    ASSERT_TRUE(
        host->send(F::doCommand({"dump", "start"}) + everyByte + F::doCommand({"dump", "end"})));
    ASSERT_EQ(F::hex(host->read(5)), F::hex(std::string("\x00\x01\x00\x00\x00", 5)));
    ASSERT_TRUE(host->send(F::doCommand({"dump", "data"})));
    EXPECT_EQ(F::hex(host->read(256)), F::hex(everyByte));
}

TEST_F(SimServerTest, InputMovingToTheOtherPortEndsTheHalfFrameOfTheFirst)
{
    ServerOptions options = loopback();
    options.pty = true;
    start(options);
    const auto serial = ByteConnection::device(endpoint("pty"));
    ASSERT_TRUE(serial);
    // The answer shows the printer has taken the half key frame behind it.
    ASSERT_TRUE(serial->send(F::getval("dpi") + F::getkey(1, 436).substr(0, 16)));
    ASSERT_EQ(serial->read(3), "203");
    const ByteConnection network = connect();
    ASSERT_TRUE(network.send(F::getval("dpi")));
    EXPECT_EQ(network.read(3), "203");
}

TEST_F(SimServerTest, SavesTheStateOnceTheHostPauses)
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("prtsim_server_state_" + std::to_string(::getpid()) + ".json");
    ServerOptions options = loopback();
    options.stateFile = path;
    start(options);
    const ByteConnection host = connect();
    ASSERT_TRUE(host.send(F::setval("speed", "3") + F::getval("speed")));
    ASSERT_EQ(host.read(1), "3");
    VirtualPrinter reloaded;
    std::string error;
    ASSERT_TRUE(reloaded.loadState(path, error)) << error;
    EXPECT_EQ(reloaded.parameter("speed"), "3");
    std::filesystem::remove(path);
}

TEST_F(SimServerTest, StopEndsTheServerCleanly)
{
    start(loopback());
    const ByteConnection host = connect();
    ASSERT_TRUE(host.send(F::getval("dpi")));
    ASSERT_EQ(host.read(3), "203");
    server->stop();
    thread.join();
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(host.closedByPeer());
}

TEST(SimServerOpen, ReportsAnAddressThatCannotBeUsed)
{
    VirtualPrinter printer;
    for (const char *address : {"127.0.0.1", "127.0.0.1:http", "127.0.0.1:", ":9100"}) {
        ServerOptions options;
        options.listen = address;
        SimServer server(printer, options);
        std::string error;
        EXPECT_FALSE(server.open(error)) << address;
        EXPECT_FALSE(error.empty()) << address;
    }
}

TEST(SimServerOpen, ReportsAPortAlreadyTaken)
{
    VirtualPrinter printer;
    SimServer first(printer, loopback());
    std::string error;
    ASSERT_TRUE(first.open(error)) << error;
    ServerOptions options;
    options.listen = first.endpoints().front().substr(4);
    SimServer second(printer, options);
    EXPECT_FALSE(second.open(error));
    EXPECT_NE(error.find("cannot listen"), std::string::npos) << error;
}

} // namespace
