#include "PrinterLink.h"
#include "FakePrinterApi.h"
#include "RecordingMessages.h"
#include "RecordingSleeper.h"

#include <gtest/gtest.h>

namespace
{

class PrinterLinkTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(link.CreatePrinter(), 0); }

    FakePrinterApi api;
    RecordingSleeper sleeper;
    RecordingMessages messages;
    PrinterLink link{api, sleeper, messages};
};

TEST(PrinterLinkCreate, CreatesWithModelTextAndReportsFailure)
{
    FakePrinterApi api;
    RecordingSleeper sleeper;
    RecordingMessages messages;
    PrinterLink link(api, sleeper, messages);
    api.createStatus = -2;
    EXPECT_EQ(link.CreatePrinter(), -2);
    EXPECT_EQ(api.model, "PM90");
    EXPECT_EQ(messages.errors, QStringList{"[_Err_CreatePrinter]:-2"});
    EXPECT_EQ(link.LastResult(), -2);
}

TEST(PrinterLinkGate, NullHandleFailsEveryOpenWithoutCallingTheLibrary)
{
    FakePrinterApi api;
    RecordingSleeper sleeper;
    RecordingMessages messages;
    PrinterLink link(api, sleeper, messages);

    EXPECT_FALSE(link.OpenLink());
    EXPECT_FALSE(link.OpenLinkPlain());
    EXPECT_FALSE(link.HoldPort());
    EXPECT_FALSE(api.functions().contains("PortOpen"));
    EXPECT_EQ(link.LastResult(), -6);
    EXPECT_EQ(messages.errors, QStringList(3, "[_Err_OpenPort]:-6"));
}

struct OpenCase {
    const char *name;
    int32_t status;
    bool openLink;
    bool openLinkPlain;
    bool holdPort;
    // What each failed open shows, in call order; empty on success.
    const char *shownOpen;
    const char *shownPlain;
    const char *shownHold;
};

class OpenStatus : public PrinterLinkTest, public ::testing::WithParamInterface<OpenCase>
{
};

TEST_P(OpenStatus, EachOpenJudgesAndShowsTheStatus)
{
    const OpenCase &c = GetParam();
    api.openStatuses = {c.status, c.status, c.status};

    EXPECT_EQ(link.OpenLink(), c.openLink);
    EXPECT_EQ(link.OpenLinkPlain(), c.openLinkPlain);
    EXPECT_EQ(link.HoldPort(), c.holdPort);
    EXPECT_EQ(link.PortHeld(), c.holdPort);
    EXPECT_EQ(link.LastResult(), c.status);

    QStringList expected;
    for (const char *shown : {c.shownOpen, c.shownPlain, c.shownHold})
        if (*shown)
            expected << shown;
    EXPECT_EQ(messages.errors, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, OpenStatus,
    ::testing::Values(OpenCase{"Success", 0, true, true, true, "", "", ""},
                      OpenCase{"AlreadyOpenIsNoHold", 5, true, true, false, "", "",
                               "[_Err_OpenPort]:5"},
                      OpenCase{"Refused", -101, false, false, false, "[_Err_OpenPort]:-101",
                               "[_Err_OpenPort]:-101", "[_Err_OpenPort]:-101"},
                      OpenCase{"PortBusyHasItsOwnTextExceptPlain", -372, false, false, false,
                               "[_Error_372]", "[_Err_OpenPort]:-372", "[_Error_372]"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PrinterLinkTest, HoldPortOpensOnceAndReleaseClosesOnlyAHeldPort)
{
    link.ReleasePort();
    ASSERT_TRUE(link.HoldPort());
    ASSERT_TRUE(link.HoldPort());
    link.ReleasePort();
    link.ReleasePort();
    EXPECT_EQ(api.functions(), QStringList({"PrinterCreator", "PortOpen", "PortClose"}));
    EXPECT_FALSE(link.PortHeld());
}

TEST_F(PrinterLinkTest, OpensTheCurrentPortAndClosesWithDestroyButKeepsLastResult)
{
    EXPECT_EQ(link.CurrentPort(), "USB");
    link.SelectPort("NET,10.0.20.222");
    api.openStatuses = {0};
    ASSERT_TRUE(link.OpenLink());
    api.writeStatuses = {-8};
    link.LinkWrite("x");
    link.CloseLink();
    EXPECT_EQ(api.calls[1].descriptor, "NET,10.0.20.222");
    EXPECT_EQ(api.functions().mid(3), QStringList({"PortClose", "PrinterDestroy"}));
    EXPECT_EQ(link.LastResult(), -8);
}

TEST_F(PrinterLinkTest, SelectingAPortClosesTheHeldPortSoTheNextOpenReachesTheNewOne)
{
    ASSERT_TRUE(link.HoldPort());
    link.SelectPort("LPT1");
    EXPECT_FALSE(link.PortHeld());
    ASSERT_TRUE(link.HoldPort());
    EXPECT_EQ(api.functions(),
              QStringList({"PrinterCreator", "PortOpen", "PortClose", "PortOpen"}));
    EXPECT_EQ(api.calls[3].descriptor, "LPT1");
}

TEST_F(PrinterLinkTest, CloseEndsAHoldSoTheNextHoldOpensAgain)
{
    ASSERT_TRUE(link.HoldPort());
    link.CloseLink();
    EXPECT_FALSE(link.PortHeld());
    ASSERT_TRUE(link.HoldPort());
    EXPECT_EQ(api.functions(), QStringList({"PrinterCreator", "PortOpen", "PortClose",
                                            "PrinterDestroy", "PortOpen"}));
}

TEST_F(PrinterLinkTest, ReopenClosesThenOpensAndShowsNothing)
{
    api.openStatuses = {-9};
    link.ReopenLink();
    EXPECT_EQ(api.functions().mid(1), QStringList({"PortClose", "PortOpen"}));
    EXPECT_EQ(link.LastResult(), -9);
    EXPECT_TRUE(messages.errors.isEmpty());
}

struct RetryCase {
    const char *name;
    int size;
    int tries;
    std::vector<QByteArray> reads;
    QByteArray stored;
    std::vector<int> waits;
};

class ReadWithRetry : public PrinterLinkTest, public ::testing::WithParamInterface<RetryCase>
{
};

TEST_P(ReadWithRetry, AppendsReadsAndPausesAfterEachShortOne)
{
    const RetryCase &c = GetParam();
    for (const QByteArray &bytes : c.reads)
        api.reads.push_back({0, bytes});
    api.reads.push_back({0, "stale"}); // must stay unread when the loop ends early
    QByteArray stored;
    EXPECT_EQ(link.ReadWithRetry(stored, c.size, c.tries, 150), 0);
    EXPECT_EQ(stored, c.stored);
    EXPECT_EQ(sleeper.waits, c.waits);
    ASSERT_EQ(api.reads.size(), 1u);
    EXPECT_EQ(api.reads.front().bytes, "stale");
    for (const auto &call : api.calls) {
        if (call.function == "ReadData") {
            EXPECT_EQ(call.capacity, c.size);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reads, ReadWithRetry,
    ::testing::Values(
        RetryCase{"ExactFirstReadStops", 2, 2, {"OK"}, "OK", {}},
        RetryCase{"ShortReadsPauseAfterEachTryTheLastIncluded", 4, 2, {"a", "b"}, "ab", {150, 150}},
        RetryCase{"NothingArrives", 2, 3, {"", "", ""}, "", {150, 150, 150}},
        RetryCase{"ShortThenExactStops", 3, 5, {"a", "bcd"}, "abc", {150}},
        RetryCase{
            "OverLongTotalKeepsWhatFits", 4, 3, {"ab", "cd", "efg"}, "abcd", {150, 150, 150}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PrinterLinkTest, ReadWithRetryGoesOnAfterAFailedRead)
{
    api.reads = {{-9, ""}, {0, "OK"}};
    QByteArray stored;
    EXPECT_EQ(link.ReadWithRetry(stored, 2, 2, 100), 0);
    EXPECT_EQ(stored, "OK");
    EXPECT_EQ(sleeper.waits, std::vector<int>{100});
}

TEST_F(PrinterLinkTest, DrainReadsSingleBytesUntilNothingComes)
{
    api.reads = {{0, "abc"}, {0, ""}, {0, "late"}};
    link.DrainInput();
    EXPECT_EQ(api.functions().count("ReadData"), 4);
    ASSERT_EQ(api.reads.size(), 1u);
    EXPECT_EQ(api.reads.front().bytes, "late");
}

TEST_F(PrinterLinkTest, DrainStopsAtAFailedRead)
{
    api.reads = {{0, "a"}, {-9, "b"}, {0, "c"}};
    link.DrainInput();
    EXPECT_EQ(api.functions().count("ReadData"), 2);
}

TEST_F(PrinterLinkTest, ReadsNeverReportMoreThanTheirCapacity)
{
    api.reads = {{0, "0123456789"}};
    QByteArray bytes;
    EXPECT_EQ(link.ReadReply(bytes, 4), 0);
    EXPECT_EQ(bytes, "0123");
    EXPECT_EQ(link.LinkRead(bytes, 3), 0);
    EXPECT_EQ(bytes, "456");
}

struct PauseCase {
    const char *port;
    const char *tag;
    int wait;
};

class PortPause : public PrinterLinkTest, public ::testing::WithParamInterface<PauseCase>
{
};

TEST_P(PortPause, WaitsByPortTypeThenTag)
{
    link.SelectPort(GetParam().port);
    link.PortPause(GetParam().tag);
    EXPECT_EQ(sleeper.waits, std::vector<int>{GetParam().wait});
}

INSTANTIATE_TEST_SUITE_P(Ports, PortPause,
                         ::testing::Values(PauseCase{"NET,10.0.20.222", "", 250},
                                           PauseCase{"NET,10.0.20.222", "DL", 250},
                                           PauseCase{"LPT1", "", 500}, PauseCase{"LPT2", "DL", 500},
                                           PauseCase{"COM1,9600,n,8,1,n", "", 100},
                                           PauseCase{"COM1,9600,n,8,1,n", "DL", 20},
                                           PauseCase{"USB", "", 100}, PauseCase{"USB", "DL", 20},
                                           PauseCase{"SIM", "", 100}));

struct KeyCase {
    int32_t code;
    const char *key; // nullptr: no key
};

class ErrorKeyOf : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(ErrorKeyOf, MapsExactlyTheListedCodes)
{
    const QString key = PrinterLink::ErrorKeyOf(GetParam().code);
    if (GetParam().key)
        EXPECT_EQ(key, GetParam().key);
    else
        EXPECT_TRUE(key.isNull()) << key.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ErrorKeyOf,
    ::testing::Values(KeyCase{-1, "_Error_1"}, KeyCase{-4, "_Error_4"}, KeyCase{-5, nullptr},
                      KeyCase{-6, "_Error_6"}, KeyCase{-11, "_Error_11"}, KeyCase{-12, nullptr},
                      KeyCase{-20, "_Error_21"}, KeyCase{-21, "_Error_21"}, KeyCase{-23, nullptr},
                      KeyCase{-25, "_Error_25"}, KeyCase{-30, "_Error_30"},
                      KeyCase{-102, "_Error_102"}, KeyCase{-103, nullptr}, KeyCase{-303, nullptr},
                      KeyCase{-304, "_Error_304"}, KeyCase{-307, nullptr},
                      KeyCase{-308, "_Error_308"}, KeyCase{-313, "_Error_313"},
                      KeyCase{-314, nullptr}, KeyCase{-372, "_Error_372"}, KeyCase{-374, nullptr},
                      KeyCase{-1100, "_Error_1100"}, KeyCase{-1112, "_Error_1112"},
                      KeyCase{-1113, nullptr}, KeyCase{0, nullptr}, KeyCase{5, nullptr}));

} // namespace
