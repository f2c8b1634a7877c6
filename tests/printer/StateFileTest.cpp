#include "StateFile.h"
#include "HostFrames.h"
#include "HostSession.h"
#include "VirtualPrinter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{

using namespace std::chrono;
using virtualprinter::FileKind;
using virtualprinter::VirtualPrinter;
using F = HostFrames;

std::string allByteValues()
{
    std::string data;
    for (int value = 0; value < 256; ++value)
        data.push_back(static_cast<char>(value));
    return data;
}

class StateFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        directory = std::filesystem::temp_directory_path() /
                    ("printer_state_" + std::to_string(::getpid()) + "_" +
                     testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(directory);
        path = directory / "printer.json";
    }

    void TearDown() override { std::filesystem::remove_all(directory); }

    VirtualPrinter makePrinter()
    {
        return VirtualPrinter("PM44PRO FULL", [this] { return now; });
    }

    system_clock::time_point now = sys_days{year{2021} / 10 / 19} + hours{8};
    std::filesystem::path directory;
    std::filesystem::path path;
    std::string error;
};

TEST_F(StateFileTest, SettingsFilesVersionAndClockSurvive)
{
    VirtualPrinter first = makePrinter();
    HostSession host(first);
    first.receive(F::setval("speed", "2") + F::setval("bt_name", "Caf\xe9 Printer") +
                  F::setval("autoform_switch", "on") + F::setval("year", "2030"));
    ASSERT_EQ(host.download("bitmaps", "logo.bmp", allByteValues()), "");
    ASSERT_EQ(host.download("fonts", "R_SIMSUN.TTF", std::string(3000, 'f')), "");
    first.receive(F::doCommand({"update_firmware"}) + "PM44PF_V10.02.06.bin,0,^END");
    ASSERT_TRUE(first.saveState(path, error)) << error;

    now += hours(2);
    VirtualPrinter second = makePrinter();
    ASSERT_TRUE(second.loadState(path, error)) << error;
    HostSession reloaded(second);
    for (const char *name : {"speed", "bt_name", "autoform_switch", "version", "bitmaps", "fonts",
                             "use_capacity", "year", "hour"})
        EXPECT_EQ(F::hex(reloaded.get(name)), F::hex(host.get(name))) << name;
    EXPECT_EQ(second.autoformKey(), 1);
    ASSERT_EQ(second.storedFiles(FileKind::Bitmaps).size(), 1u);
    EXPECT_TRUE(second.storedFiles(FileKind::Bitmaps).front().data == allByteValues());
}

TEST_F(StateFileTest, LoadReplacesFilesTheReceivingPrinterHad)
{
    VirtualPrinter empty = makePrinter();
    ASSERT_TRUE(empty.saveState(path, error)) << error;
    VirtualPrinter printer = makePrinter();
    ASSERT_EQ(HostSession(printer).download("labels", "old.prn", "x"), "");
    ASSERT_TRUE(printer.loadState(path, error)) << error;
    EXPECT_TRUE(printer.storedFiles(FileKind::Labels).empty());
}

TEST_F(StateFileTest, ValuesThePrinterWouldRefuseAreNotLoaded)
{
    VirtualPrinter printer = makePrinter();
    ASSERT_TRUE(printer.saveState(path, error)) << error;
    std::string text;
    {
        std::ifstream in(path);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::string good = "\"darkness\": \"15\"";
    ASSERT_NE(text.find(good), std::string::npos);
    text.replace(text.find(good), good.size(), "\"darkness\": \"99\"");
    std::ofstream(path) << text;
    VirtualPrinter reloaded = makePrinter();
    ASSERT_TRUE(reloaded.loadState(path, error)) << error;
    EXPECT_EQ(reloaded.parameter("darkness"), "15");
}

TEST_F(StateFileTest, BrokenFilesAreReportedAndChangeNothing)
{
    const std::vector<std::pair<std::string, std::string>> rows{
        {"not JSON", "{"},
        {"another format",
         R"({"format": 2, "parameters": {}, "clockOffsetSeconds": 0, "files": {}})"},
        {"file contents not hexadecimal",
         R"({"format": 1, "parameters": {"speed": "2"}, "clockOffsetSeconds": 0,
             "files": {"bitmaps": [{"name": "a.bmp", "data": "zz"}]}})"},
        {"unknown kind",
         R"({"format": 1, "parameters": {"speed": "2"}, "clockOffsetSeconds": 0,
             "files": {"sounds": []}})"},
        {"text beyond single bytes",
         R"({"format": 1, "parameters": {"bt_name": "\u4e2d"}, "clockOffsetSeconds": 0, "files": {}})"},
    };
    for (const auto &[name, text] : rows) {
        std::ofstream(path) << text;
        VirtualPrinter printer = makePrinter();
        error.clear();
        EXPECT_FALSE(printer.loadState(path, error)) << name;
        EXPECT_FALSE(error.empty()) << name;
        EXPECT_EQ(printer.parameter("speed"), "4") << name;
    }
}

TEST_F(StateFileTest, MissingFileIsReported)
{
    VirtualPrinter printer = makePrinter();
    EXPECT_FALSE(printer.loadState(directory / "absent.json", error));
    EXPECT_NE(error.find("absent.json"), std::string::npos);
}

TEST_F(StateFileTest, SavingIntoAMissingFolderFails)
{
    VirtualPrinter printer = makePrinter();
    EXPECT_FALSE(printer.saveState(directory / "no" / "such" / "state.json", error));
    EXPECT_FALSE(error.empty());
}

TEST_F(StateFileTest, RevisionMovesOnlyWithChangesWorthSaving)
{
    VirtualPrinter printer = makePrinter();
    const auto start = printer.revision();
    printer.receive(F::getval("speed") + F::setval("darkness", "99") +
                    F::doCommand({"reset_printer"}));
    EXPECT_EQ(printer.revision(), start);
    printer.receive(F::setval("speed", "2"));
    EXPECT_GT(printer.revision(), start);
    const auto afterSet = printer.revision();
    ASSERT_EQ(HostSession(printer).download("labels", "l.prn", "x"), "");
    EXPECT_GT(printer.revision(), afterSet);
}

} // namespace
