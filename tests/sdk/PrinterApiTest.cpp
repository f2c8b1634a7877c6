#include "LibraryCodes.h"
#include "LoopbackPeer.h"
#include "prtsdk.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <thread>

namespace
{

std::u16string wide(const std::string &text)
{
    return std::u16string(text.begin(), text.end());
}

const prt_char16 *arg(const std::u16string &text)
{
    return reinterpret_cast<const prt_char16 *>(text.c_str());
}

const std::string kGetDpi = std::string("\x1b\x1c& V1 getval \"dpi\"\r\n");

class PrinterApiTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(PrinterCreator(&handle, arg(u"PM90")), PRT_OK); }
    void TearDown() override { PortClose(handle); }

    int32_t open(const std::string &descriptor)
    {
        const std::u16string text = wide(descriptor);
        return PortOpen(handle, arg(text));
    }

    int32_t write(const std::string &bytes)
    {
        return WriteData(handle, reinterpret_cast<const uint8_t *>(bytes.data()),
                         static_cast<int32_t>(bytes.size()));
    }

    std::string reply(int32_t capacity, int32_t *status = nullptr)
    {
        std::string buffer(static_cast<size_t>(capacity), '\0');
        int32_t count = -1;
        const int32_t result = ReadDataEOF(handle, reinterpret_cast<uint8_t *>(buffer.data()), 0,
                                           capacity, 0, 0, &count);
        if (status)
            *status = result;
        EXPECT_GE(count, 0);
        buffer.resize(static_cast<size_t>(count < 0 ? 0 : count));
        return buffer;
    }

    void *handle = nullptr;
};

using Clock = std::chrono::steady_clock;

int64_t elapsedMs(Clock::time_point since)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count();
}

TEST(PrinterApiArguments, RejectsWhatIsNotAHandleOrArgument)
{
    void *handle = nullptr;
    EXPECT_EQ(PrinterCreator(nullptr, arg(u"PM90")), PRT_ERR_ARG);
    EXPECT_EQ(PrinterCreator(&handle, nullptr), PRT_ERR_ARG);
    EXPECT_EQ(PrinterCreator(&handle, arg(u"")), PRT_ERR_MODEL);
    EXPECT_EQ(PortOpen(nullptr, arg(u"SIM")), PRT_ERR_HANDLE);
    int local = 0;
    EXPECT_EQ(PortOpen(&local, arg(u"SIM")), PRT_ERR_HANDLE);
    EXPECT_EQ(WriteData(&local, nullptr, 0), PRT_ERR_HANDLE);
    EXPECT_EQ(PortClose(nullptr), PRT_ERR_HANDLE);
    EXPECT_EQ(PrinterDestroy(nullptr), PRT_ERR_ARG);
}

struct DescriptorCase {
    const char *descriptor;
    int32_t status;
};

class Descriptors : public PrinterApiTest, public ::testing::WithParamInterface<DescriptorCase>
{
};

TEST_P(Descriptors, AreJudgedBeforeAnyPortIsTouched)
{
    EXPECT_EQ(open(GetParam().descriptor), GetParam().status) << GetParam().descriptor;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Descriptors,
    ::testing::Values(DescriptorCase{"", PRT_ERR_DESCRIPTOR},
                      DescriptorCase{"PRN", PRT_ERR_DESCRIPTOR},
                      DescriptorCase{"NET", PRT_ERR_DESCRIPTOR},
                      DescriptorCase{"NET,10.0.20", PRT_ERR_DESCRIPTOR_FIELD},
                      DescriptorCase{"NET,10.0.20.256", PRT_ERR_DESCRIPTOR_FIELD},
                      DescriptorCase{"NET,10.0.x.1", PRT_ERR_DESCRIPTOR_FIELD},
                      DescriptorCase{"NET,10.0.20.1:0", PRT_ERR_DESCRIPTOR_FIELD},
                      DescriptorCase{"NET,10.0.20.1:70000", PRT_ERR_DESCRIPTOR_FIELD},
                      DescriptorCase{"COM1,9600,x,8,1,n", PRT_ERR_DESCRIPTOR_FIELD},
                      DescriptorCase{"COM1,9601,n,8,1,n", PRT_ERR_DESCRIPTOR_FIELD},
                      DescriptorCase{"COM1,9600,n,9,1,n", PRT_ERR_DESCRIPTOR_FIELD},
                      DescriptorCase{"COM1,9600,n,8,3,n", PRT_ERR_DESCRIPTOR_FIELD},
                      DescriptorCase{"COM1,9600,n,8,1,x", PRT_ERR_DESCRIPTOR_FIELD},
                      DescriptorCase{"COM1,9600", PRT_ERR_DESCRIPTOR_FIELD},
                      DescriptorCase{"COMX,9600,n,8,1,n", PRT_ERR_DESCRIPTOR_FIELD},
                      DescriptorCase{"LPT0", PRT_ERR_DESCRIPTOR_FIELD},
                      DescriptorCase{"LPT5", PRT_ERR_DESCRIPTOR_FIELD}));

TEST_F(PrinterApiTest, PortCallsNeedAnOpenPort)
{
    uint8_t buffer[4];
    int32_t count = 0;
    EXPECT_EQ(write("x"), PRT_ERR_NOT_OPEN);
    EXPECT_EQ(ReadData(handle, buffer, 4, &count), PRT_ERR_NOT_OPEN);
    EXPECT_EQ(ReadDataEOF(handle, buffer, 0, 4, 0, 0, &count), PRT_ERR_NOT_OPEN);
    EXPECT_EQ(PortClose(handle), PRT_ERR_NOT_OPEN);
}

TEST_F(PrinterApiTest, SecondOpenReportsTheOpenPort)
{
    ASSERT_EQ(open("SIM"), PRT_OK);
    EXPECT_EQ(open("SIM"), PRT_ALREADY_OPEN);
}

TEST_F(PrinterApiTest, ReplyReadRejectsNonZeroFixedArguments)
{
    ASSERT_EQ(open("SIM"), PRT_OK);
    uint8_t buffer[4];
    int32_t count = 0;
    EXPECT_EQ(ReadDataEOF(handle, buffer, 1, 4, 0, 0, &count), PRT_ERR_ARG);
    EXPECT_EQ(ReadDataEOF(handle, buffer, 0, 4, 1, 0, &count), PRT_ERR_ARG);
}

TEST_F(PrinterApiTest, HandleStaysUsableAfterDestroy)
{
    ASSERT_EQ(open("SIM"), PRT_OK);
    void *copy = handle;
    EXPECT_EQ(PrinterDestroy(&handle), PRT_OK);
    EXPECT_EQ(handle, copy);
    ASSERT_EQ(open("SIM"), PRT_OK);
    ASSERT_EQ(write("\x1b\x1c& V1 getval \"version\"\r\n"), PRT_OK);
    EXPECT_EQ(reply(128), "V10.02.01");
}

TEST_F(PrinterApiTest, SimulatorKeepsSettingsBetweenConnections)
{
    ASSERT_EQ(open("SIM"), PRT_OK);
    ASSERT_EQ(write("\x1b\x1c& V1 setval \"darkness\" \"17\"\r\n"), PRT_OK);
    ASSERT_EQ(PortClose(handle), PRT_OK);
    ASSERT_EQ(open("sim"), PRT_OK);
    ASSERT_EQ(write("\x1b\x1c& V1 getval \"darkness\"\r\n"), PRT_OK);
    EXPECT_EQ(reply(128), "17");
}

TEST_F(PrinterApiTest, NetworkFrameLeavesInOneWriteAndTheReplyComesBack)
{
    LoopbackPeer peer;
    ASSERT_EQ(open(peer.descriptor()), PRT_OK);
    ASSERT_TRUE(peer.accept());
    ASSERT_EQ(write(kGetDpi), PRT_OK);
    EXPECT_EQ(peer.receiveOnce(), kGetDpi);
    peer.send("203");
    EXPECT_EQ(reply(128), "203");
}

TEST_F(PrinterApiTest, ReplyGathersBurstsAndStopsAtCapacity)
{
    LoopbackPeer peer;
    ASSERT_EQ(open(peer.descriptor()), PRT_OK);
    ASSERT_TRUE(peer.accept());
    std::thread printer([&] {
        peer.send("a.bmp,");
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        peer.send("b.bmp");
    });
    EXPECT_EQ(reply(128), "a.bmp,b.bmp");
    printer.join();
    peer.send("0123456789");
    EXPECT_EQ(reply(4), "0123");
    EXPECT_EQ(reply(128), "456789");
}

TEST_F(PrinterApiTest, SilentPrinterGivesAnEmptyReplyWithinItsBounds)
{
    LoopbackPeer peer;
    ASSERT_EQ(open(peer.descriptor()), PRT_OK);
    ASSERT_TRUE(peer.accept());
    int32_t status = -1;
    auto start = Clock::now();
    EXPECT_EQ(reply(128, &status), "");
    EXPECT_EQ(status, PRT_OK);
    EXPECT_GE(elapsedMs(start), PRT_REPLY_TIMEOUT_MS - 50);
    EXPECT_LT(elapsedMs(start), PRT_REPLY_TIMEOUT_MS + 1000);

    uint8_t buffer[8];
    int32_t count = -1;
    start = Clock::now();
    EXPECT_EQ(ReadData(handle, buffer, 8, &count), PRT_OK);
    EXPECT_EQ(count, 0);
    EXPECT_LT(elapsedMs(start), PRT_READ_TIMEOUT_MS + 1000);
}

TEST_F(PrinterApiTest, ClosedConnectionIsReportedAsLost)
{
    LoopbackPeer peer;
    ASSERT_EQ(open(peer.descriptor()), PRT_OK);
    ASSERT_TRUE(peer.accept());
    peer.closeConnection();
    uint8_t buffer[8];
    int32_t count = -1;
    EXPECT_EQ(ReadData(handle, buffer, 8, &count), PRT_ERR_CONNECTION_LOST);
    EXPECT_EQ(count, 0);
}

TEST_F(PrinterApiTest, RefusedConnectionHasItsOwnCode)
{
    const auto start = Clock::now();
    EXPECT_EQ(open("NET,127.0.0.1:" + std::to_string(LoopbackPeer::unusedPort())),
              PRT_ERR_NET_REFUSED);
    EXPECT_LT(elapsedMs(start), PRT_CONNECT_TIMEOUT_MS);
}

TEST(PrinterApiMessages, EveryCodeHasItsOwnMeaning)
{
    std::set<std::string> seen;
    for (const int32_t code : kLibraryCodes) {
        const std::string message = prt_error_message(code);
        EXPECT_NE(message, prt_error_message(-9999)) << code;
        EXPECT_TRUE(seen.insert(message).second) << code << " repeats " << message;
    }
}

} // namespace
