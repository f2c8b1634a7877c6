// The prtsim program itself, started as a child process.
#include "ByteConnection.h"
#include "ChildProcess.h"
#include "HostFrames.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace
{

using F = HostFrames;

const std::string Prtsim = PRTSIM_PATH;

std::string tcpAddress(ChildProcess &child)
{
    const std::optional<std::string> line = child.readLine();
    if (!line || line->rfind("tcp ", 0) != 0)
        return {};
    return line->substr(4);
}

class PrtsimTest : public testing::Test
{
protected:
    void TearDown() override { std::filesystem::remove(statePath); }

    std::filesystem::path statePath = std::filesystem::temp_directory_path() /
                                      ("prtsim_process_" + std::to_string(::getpid()) + ".json");
};

TEST_F(PrtsimTest, ServesUntilTerminatedAndKeepsItsStateForTheNextStart)
{
    {
        auto child =
            ChildProcess::start(Prtsim, {"--listen", "127.0.0.1:0", "--state", statePath.string()});
        ASSERT_TRUE(child);
        const auto host = ByteConnection::tcp(tcpAddress(*child));
        ASSERT_TRUE(host);
        ASSERT_TRUE(host->send(F::getval("version") + F::setval("bt_name", "Shop 7") +
                               F::getval("bt_name")));
        EXPECT_EQ(host->read(15), "V10.02.01Shop 7");
        child->signal(SIGTERM);
        EXPECT_EQ(child->waitForExit(), 0);
    }
    auto child =
        ChildProcess::start(Prtsim, {"--listen", "127.0.0.1:0", "--state", statePath.string()});
    ASSERT_TRUE(child);
    const auto host = ByteConnection::tcp(tcpAddress(*child));
    ASSERT_TRUE(host);
    ASSERT_TRUE(host->send(F::getval("bt_name")));
    EXPECT_EQ(host->read(6), "Shop 7");
    child->signal(SIGINT);
    EXPECT_EQ(child->waitForExit(), 0);
}

TEST_F(PrtsimTest, StopsCleanlyRightAfterAnnouncingItself)
{
    auto child = ChildProcess::start(Prtsim, {"--listen", "127.0.0.1:0"});
    ASSERT_TRUE(child);
    ASSERT_FALSE(tcpAddress(*child).empty());
    child->signal(SIGTERM);
    EXPECT_EQ(child->waitForExit(), 0);
}

TEST_F(PrtsimTest, ModelAndFaultOptionsReachThePrinter)
{
    auto child = ChildProcess::start(Prtsim, {"--listen", "127.0.0.1:0", "--model", "PM44PRO",
                                              "--refuse-download", "--condition", "paper-out"});
    ASSERT_TRUE(child);
    const auto host = ByteConnection::tcp(tcpAddress(*child));
    ASSERT_TRUE(host);
    ASSERT_TRUE(host->send(F::getval("version") + F::doCommand({"download", "bitmaps", "a.bmp"}) +
                           F::getval("printer_status")));
    EXPECT_EQ(F::hex(host->read(16)), F::hex("V10.01.07ER\xE2\x02" + std::string(3, '\0')));
}

TEST_F(PrtsimTest, LogShowsEveryFrameReadably)
{
    auto child = ChildProcess::start(Prtsim, {"--listen", "127.0.0.1:0", "--log"}, true);
    ASSERT_TRUE(child);
    const auto host = ByteConnection::tcp(tcpAddress(*child));
    ASSERT_TRUE(host);
    ASSERT_TRUE(host->send(F::getval("dpi") + F::getval("colour")));
    ASSERT_EQ(host->read(3), "203");
    EXPECT_EQ(child->readLine(), "getval \"dpi\" -> 203");
    EXPECT_EQ(child->readLine(), "getval \"colour\" unknown name, no answer");
}

TEST_F(PrtsimTest, PtyAloneOpensNoTcpPort)
{
    auto child = ChildProcess::start(Prtsim, {"--pty"});
    ASSERT_TRUE(child);
    const std::optional<std::string> line = child->readLine();
    ASSERT_TRUE(line);
    EXPECT_EQ(line->rfind("pty /dev/", 0), 0u) << *line;
    const auto device = ByteConnection::device(line->substr(4));
    ASSERT_TRUE(device);
    ASSERT_TRUE(device->send(F::getval("dpi")));
    EXPECT_EQ(device->read(3), "203");
    child->signal(SIGTERM);
    EXPECT_EQ(child->waitForExit(), 0);
    EXPECT_EQ(child->readAll(), "");
}

TEST_F(PrtsimTest, HelpExplainsEveryOption)
{
    auto child = ChildProcess::start(Prtsim, {"--help"});
    ASSERT_TRUE(child);
    const std::string help = child->readAll();
    for (const char *option :
         {"--listen", "--pty", "--model", "--state", "--log", "--no-reply", "--delay",
          "--drop-after", "--bad-ack", "--bad-ack-packet", "--refuse-download", "--refuse-firmware",
          "--storage-full", "--condition", "--capacity"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
    EXPECT_EQ(child->waitForExit(), 0);
}

TEST_F(PrtsimTest, WrongStartsEndWithAnError)
{
    std::ofstream(statePath) << "{";
    const std::vector<std::vector<std::string>> rows{
        {"--no-such-option"},
        {"--bad-ack", "sometimes"},
        {"--listen", "nowhere"},
        {"--listen", "127.0.0.1:0", "--state", statePath.string()},
    };
    for (const auto &arguments : rows) {
        auto child = ChildProcess::start(Prtsim, arguments, true);
        ASSERT_TRUE(child);
        const std::optional<int> code = child->waitForExit();
        ASSERT_TRUE(code) << arguments.front();
        EXPECT_NE(*code, 0) << arguments.front();
    }
}

} // namespace
