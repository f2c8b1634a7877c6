#include "ParameterFile.h"
#include "CommandProtocol.h"
#include "ConfigFields.h"
#include "ConfigMessages.h"
#include "ConfigModel.h"
#include "ConfigService.h"
#include "FakePrinterApi.h"
#include "FileSizeLimit.h"
#include "PrinterLink.h"
#include "ProcessFlags.h"
#include "RecordingMessages.h"
#include "RecordingSleeper.h"
#include "SampleModel.h"
#include "ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

// The entries of a parameter file, in the order the file keeps them.
const QStringList kFileOrder = {
    "_Ribbon",       "_ZPrintMode",    "_MaxiMumLen",  "_PaperSensor", "_LabelTypeLock",
    "_TearOff",      "_Edit1",         "_ComboBox2",   "_ComboBox3",   "_ZMediaPowerUp",
    "_ZHeadClose",   "_ComboBox8",     "_ComboBox4",   "_ComboBox5",   "_DControlCodes",
    "_DColumnOffse", "_DRowOffset",    "_ComboBox1",   "_ComboBox6",   "_Edit4",
    "_Edit5",        "_PresentSensor", "_Edit3",       "_DataBits",    "_BaudRate",
    "_StopBits",     "_Parity",        "_Flow",        "_BTName",      "_BTPWD",
    "_DHCP",         "_IP1",           "_IP2",         "_IP3",         "_IP4",
    "_SN1",          "_SN2",           "_SN3",         "_SN4",         "_Gate1",
    "_Gate2",        "_Gate3",         "_Gate4",       "_WName",       "_WPWDType",
    "_WPWD",         "_WMOD",          "_WDHCP",       "_WIP1",        "_WIP2",
    "_WIP3",         "_WIP4",          "_WSN1",        "_WSN2",        "_WSN3",
    "_WSN4",         "_WGate1",        "_WGate2",      "_WGate3",      "_WGate4",
    "_LabelWidth",   "_AlignCenter",   "_cbxDensityZ", "_cbxSpeedZ"};

QStringList linesOf(const QByteArray &contents)
{
    QStringList lines = QString::fromUtf8(contents).split("\r\n");
    EXPECT_EQ(lines.takeLast(), "") << "the last line ends too";
    return lines;
}

// Every saved field of two models holds the same.
void expectSameSavedValues(const ConfigModel &a, const ConfigModel &b)
{
    for (const ConfigField &field : ConfigFields::all()) {
        if (field.fileKey.isEmpty())
            continue;
        EXPECT_EQ(a.text(field.key), b.text(field.key)) << field.key.toStdString();
        EXPECT_EQ(a.index(field.key), b.index(field.key)) << field.key.toStdString();
    }
}

class ParameterFiles : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return folder.filePath(name); }

    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A file as a person or another program might write it: every entry of
    // the sample, each line made by `line` from the key and the value.
    QString handWritten(const std::function<QString(const QString &, const QString &)> &line)
    {
        QString text = "[paraconfig]\r\n";
        const QStringList saved = linesOf(ParameterFile::Contents(sample));
        for (const QString &entry : saved.mid(1))
            text += line(entry.section('=', 0, 0), entry.section('=', 1)) + "\r\n";
        return text;
    }

    void SetUp() override { SampleModel::Fill(sample); }

    QTemporaryDir folder;
    ConfigModel sample;
    ConfigModel loaded;
};

TEST_F(ParameterFiles, HoldOneSectionWithTheEntriesInTheirOrder)
{
    const QStringList lines = linesOf(ParameterFile::Contents(sample));
    ASSERT_EQ(lines.size(), kFileOrder.size() + 1);
    EXPECT_EQ(lines.first(), "[ParaConfig]");
    for (qsizetype i = 0; i < kFileOrder.size(); ++i)
        EXPECT_EQ(lines.at(i + 1).section('=', 0, 0), kFileOrder.at(i));
    EXPECT_TRUE(lines.contains("_Ribbon=1"));
    EXPECT_TRUE(lines.contains("_MaxiMumLen=85"));
    EXPECT_TRUE(lines.contains("_DColumnOffse=-90"));
    EXPECT_TRUE(lines.contains("_WName=Shop WLAN"));
    EXPECT_TRUE(lines.contains("_BTName=\"   \"")) << "blanks are kept by quoting";
    EXPECT_TRUE(lines.contains("_SN3="));
}

TEST_F(ParameterFiles, LoadBackWhatWasSaved)
{
    sample.setText("txtWPWD", "\"quoted\"");
    sample.setText("txtBTName", "Drucker Büro");
    ASSERT_EQ(ParameterFile::Save(sample, path("a.prt")), std::nullopt);
    ASSERT_EQ(ParameterFile::Load(path("a.prt"), loaded), std::nullopt);
    expectSameSavedValues(sample, loaded);
    EXPECT_EQ(loaded.text("txtBTName"), "Drucker Büro");
    EXPECT_EQ(loaded.text("txtWName"), "Shop WLAN");
    EXPECT_EQ(loaded.index("ComboBox7"), -1) << "the top-of-form backup is not saved";
}

TEST_F(ParameterFiles, ListsWithoutSelectionSaveMinusOneAndLoadAsCleared)
{
    const ConfigModel empty;
    ASSERT_EQ(ParameterFile::Save(empty, path("empty.prt")), std::nullopt);
    const QStringList lines = linesOf(readFile("empty.prt"));
    EXPECT_TRUE(lines.contains("_Ribbon=-1"));
    EXPECT_TRUE(lines.contains("_cbxSpeedZ=-1"));
    ASSERT_EQ(ParameterFile::Load(path("empty.prt"), sample), std::nullopt);
    EXPECT_EQ(sample.index("cmbRibbon"), -1);
    EXPECT_EQ(sample.index("cbxSpeedZ"), -1);
    EXPECT_EQ(sample.text("txtWName"), "");
}

TEST_F(ParameterFiles, KeysAreFoundWithoutRegardToCase)
{
    const QString text = handWritten([](const QString &key, const QString &value) {
        return key == "_MaxiMumLen" ? "_MAXIMUMLEN = 120" : key.toLower() + '=' + value;
    });
    writeFile("hand.prt", text.toUtf8());
    ASSERT_EQ(ParameterFile::Load(path("hand.prt"), loaded), std::nullopt);
    EXPECT_EQ(loaded.text("txtMaxiMumLen"), "120");
    EXPECT_EQ(loaded.index("cmbZHeadClose"), 1);
    EXPECT_EQ(loaded.text("txtWGate4"), "254");
}

TEST_F(ParameterFiles, AWindowsProgramsUtf16FileLoads)
{
    sample.setText("txtWName", QString::fromUtf8("打印机"));
    const QString text =
        handWritten([](const QString &key, const QString &value) { return key + '=' + value; });
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    writeFile("windows.prt", encoder(text));
    ASSERT_EQ(ParameterFile::Load(path("windows.prt"), loaded), std::nullopt);
    expectSameSavedValues(sample, loaded);
    EXPECT_EQ(loaded.text("txtWName"), QString::fromUtf8("打印机"));
}

TEST_F(ParameterFiles, LineBreaksAndControlCharactersCannotBreakTheFile)
{
    sample.setText("txtBTName", "Line1\r\n[Other]\nLine2\tX\x01");
    sample.setText("txtWPWD", "a\rb");
    ASSERT_EQ(ParameterFile::Save(sample, path("c.prt")), std::nullopt);
    const QStringList lines = linesOf(readFile("c.prt"));
    EXPECT_EQ(lines.size(), kFileOrder.size() + 1);
    EXPECT_TRUE(lines.contains("_BTName=Line1[Other]Line2X"));
    ASSERT_EQ(ParameterFile::Load(path("c.prt"), loaded), std::nullopt);
    EXPECT_EQ(loaded.text("txtBTName"), "Line1[Other]Line2X");
    EXPECT_EQ(loaded.text("txtWPWD"), "ab");
    EXPECT_EQ(loaded.index("cmbWDHCP"), 1);
    EXPECT_EQ(loaded.text("txtWGate4"), "254");
}

struct BrokenEntryCase {
    const char *name;
    const char *entry;   // replaces the _ZPrintMode line; empty drops it
    const char *message; // nullptr: the load goes through
    int printMode;
};

class BrokenEntries : public ParameterFiles, public ::testing::WithParamInterface<BrokenEntryCase>
{
};

TEST_P(BrokenEntries, StopTheLoadThereAndKeepWhatCameBefore)
{
    const QString text = handWritten([](const QString &key, const QString &value) {
        return key == "_ZPrintMode" ? QString(GetParam().entry) : key + '=' + value;
    });
    writeFile("broken.prt", text.toUtf8());
    loaded.setText("txtMaxiMumLen", "before");
    const auto problem = ParameterFile::Load(path("broken.prt"), loaded);
    EXPECT_EQ(loaded.index("cmbRibbon"), 1);
    EXPECT_EQ(loaded.index("cmbZPrintMode"), GetParam().printMode);
    if (GetParam().message) {
        EXPECT_EQ(problem, QString(GetParam().message));
        EXPECT_EQ(loaded.text("txtMaxiMumLen"), "before");
    } else {
        EXPECT_EQ(problem, std::nullopt);
        EXPECT_EQ(loaded.text("txtMaxiMumLen"), "85");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, BrokenEntries,
    ::testing::Values(BrokenEntryCase{"NotANumber", "_ZPrintMode=cutter",
                                      "'cutter' is not a valid integer value", -1},
                      BrokenEntryCase{"Missing", "", "'' is not a valid integer value", -1},
                      BrokenEntryCase{"Fraction", "_ZPrintMode=1.5",
                                      "'1.5' is not a valid integer value", -1},
                      BrokenEntryCase{"BeyondTheList", "_ZPrintMode=7", nullptr, -1},
                      BrokenEntryCase{"BlanksAround", "_ZPrintMode = 2 ", nullptr, 2}),
    [](const auto &info) { return std::string(info.param.name); });

struct NameCase {
    const char *chosen;
    const char *saved;
};

class ExtensionRule : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(ExtensionRule, EndsEveryNameInSmallPrt)
{
    EXPECT_EQ(ParameterFile::WithPrtExtension(GetParam().chosen), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ExtensionRule,
    ::testing::Values(NameCase{"/tmp/a", "/tmp/a.prt"}, NameCase{"/tmp/a.txt", "/tmp/a.prt"},
                      NameCase{"/tmp/a.PRT", "/tmp/a.prt"}, NameCase{"/tmp/a.prt", "/tmp/a.prt"},
                      NameCase{"/tmp/a.b.txt", "/tmp/a.b.prt"},
                      NameCase{"/tmp/set.d/a", "/tmp/set.d/a.prt"}, NameCase{"a.", "a.prt"}));

TEST_F(ParameterFiles, AFailedSaveLeavesTheOldFileAsItWas)
{
    writeFile("old.prt", "[ParaConfig]\r\n_Ribbon=0\r\n");
    std::optional<QString> problem;
    {
        const FileSizeLimit limit(64);
        problem = ParameterFile::Save(sample, path("old.prt"));
    }
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->startsWith(path("old.prt") + ": ")) << problem->toStdString();
    EXPECT_EQ(readFile("old.prt"), "[ParaConfig]\r\n_Ribbon=0\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"old.prt"});
}

TEST_F(ParameterFiles, SavingIntoAMissingFolderFails)
{
    EXPECT_TRUE(ParameterFile::Save(sample, path("missing/a.prt")).has_value());
    EXPECT_FALSE(QFile::exists(path("missing/a.prt")));
}

class SaveAndLoadButtons : public ParameterFiles
{
protected:
    void SetUp() override
    {
        ParameterFiles::SetUp();
        ASSERT_EQ(link.CreatePrinter(), 0);
    }

    FakePrinterApi api;
    RecordingSleeper sleeper;
    RecordingMessages linkMessages;
    PrinterLink link{api, sleeper, linkMessages};
    CommandProtocol protocol{link};
    ScriptedDialogs dialogs;
    ConfigMessages texts{dialogs, [](const QString &key) {
                             return '[' + key + ']';
                         }};
    ProcessFlags flags;
};

TEST_F(SaveAndLoadButtons, SaveUnderTheChosenNameWithThePrtExtension)
{
    ConfigService service(sample, link, protocol, texts, flags);
    dialogs.chosenNames = {path("settings.TXT"), QString()};
    service.btnSaveClick();
    service.btnSaveClick();
    EXPECT_EQ(dialogs.filters, (QStringList{"(*.prt)", "(*.prt)"}));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"settings.prt"});
    EXPECT_EQ(readFile("settings.prt"), ParameterFile::Contents(sample));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(api.functions(), QStringList{"PrinterCreator"}) << "no printer exchange";
}

TEST_F(SaveAndLoadButtons, LoadFillsThePagesAndEnablesBothSetButtons)
{
    ASSERT_EQ(ParameterFile::Save(sample, path("a.prt")), std::nullopt);
    ConfigService service(loaded, link, protocol, texts, flags);
    dialogs.chosenNames = {QString()};
    service.btnLoadClick();
    EXPECT_FALSE(loaded.isEnabled(ConfigModel::btnSet));
    dialogs.chosenNames = {path("a.prt")};
    service.btnLoadClick();
    expectSameSavedValues(sample, loaded);
    EXPECT_TRUE(loaded.isEnabled(ConfigModel::btnSet));
    EXPECT_TRUE(loaded.isEnabled(ConfigModel::btnSet_tabZ));
    EXPECT_FALSE(loaded.isEnabled("txtIP1")) << "loading runs no list handler";
    loaded.stbSSChange("tabD");
    EXPECT_TRUE(loaded.isEnabled(ConfigModel::btnSet)) << "remembered for page switching";
}

TEST_F(SaveAndLoadButtons, FailuresAreShownAsErrors)
{
    ConfigService service(loaded, link, protocol, texts, flags);
    dialogs.chosenNames = {path("none.prt"), path("missing/a.prt")};
    service.btnLoadClick();
    service.btnSaveClick();
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith(path("none.prt")));
    EXPECT_TRUE(dialogs.boxes[1].text.startsWith(path("missing/a.prt")));
    for (const auto &box : dialogs.boxes) {
        EXPECT_EQ(box.caption, "[_MSG_Title_Error]");
        EXPECT_EQ(box.icon, Dialogs::Icon::Error);
    }
    EXPECT_TRUE(loaded.isEnabled(ConfigModel::btnSet)) << "enabled whatever the file holds";
}

} // namespace
