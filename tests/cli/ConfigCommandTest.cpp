#include "ConfigFields.h"
#include "ConfigModel.h"
#include "ConsoleMessages.h"
#include "FakePrinterApi.h"
#include "HostFrames.h"
#include "ParameterFile.h"
#include "SdkPrinterApi.h"
#include "ServedPrinter.h"
#include "ToolRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace
{

using Outcome = ToolRun::Outcome;

const QString kLanguageFile = PRT_LANGUAGE_FILE;

class ConfigOnServedPrinter : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(served.opened()); }

    Outcome run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--port", served.descriptor().toStdString()});
        return ToolRun::Run(api, std::move(args));
    }

    std::string path(const char *name) const { return folder.filePath(name).toStdString(); }

    ServedPrinter served;
    SdkPrinterApi api;
    QTemporaryDir folder;
};

TEST_F(ConfigOnServedPrinter, ReadPrintsEverySettingWithThePrintersWord)
{
    const Outcome outcome = run({"config", "read"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    for (const char *line :
         {"model       PM44PRO FULL\n", "resolution  203 dpi\n", "\n[tabComSet]\n",
          "cmbRibbon          print_method         [0] thermal_transfer\n",
          "txtMaxiMumLen      paper_height         250 mm (2000 dots)\n",
          "cmbParity          com_parity           [0] none\n",
          "txtIP4             eth_ip #4            222\n",
          "txtLabelWidth      label_width          104 mm (832 dots)\n",
          "cbxSpeedZ          print_speed          [2] 4\n"})
        EXPECT_NE(outcome.out.find(line), std::string::npos) << line << outcome.out;
}

TEST_F(ConfigOnServedPrinter, ReadAsJsonListsEveryPrinterFieldOnce)
{
    const Outcome outcome = run({"--model", "PM44PRO", "config", "read", "--json"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const auto document = nlohmann::json::parse(outcome.out);
    EXPECT_EQ(document["model"], "PM44PRO");
    EXPECT_EQ(document["resolution"], "203");
    size_t withParameter = 0;
    for (const ConfigField &field : ConfigFields::all())
        withParameter += field.parameter.isEmpty() ? 0 : 1;
    ASSERT_EQ(document["fields"].size(), withParameter);
    const auto &ribbon = document["fields"][3];
    EXPECT_EQ(ribbon["key"], "cmbRibbon");
    EXPECT_EQ(ribbon["index"], 0);
    EXPECT_EQ(ribbon["word"], "thermal_transfer");
    EXPECT_EQ(ribbon["fileKey"], "_Ribbon");
    for (const auto &field : document["fields"]) {
        if (field["key"] == "txtMaxiMumLen") {
            EXPECT_EQ(field["text"], "250");
            EXPECT_EQ(field["dots"], "2000");
        }
    }
}

TEST_F(ConfigOnServedPrinter, ReadSavesTheWindowsParameterFile)
{
    const Outcome outcome = run({"config", "read", "-o", path("a")});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "");
    ConfigModel model;
    ASSERT_EQ(ParameterFile::Load(QString::fromStdString(path("a.prt")), model), std::nullopt);
    EXPECT_EQ(model.text("txtBTName"), "PRINTER-BT");
    EXPECT_EQ(model.text("txtMaxiMumLen"), "250");
    EXPECT_EQ(model.text("txtLabelWidth"), "104");
    EXPECT_EQ(model.index("cbxDensityZ"), 15);
}

TEST_F(ConfigOnServedPrinter, AFileThatCannotBeSavedFailsTheRead)
{
    const Outcome outcome = run({"config", "read", "-o", path("missing/a.prt")});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err.rfind("prtutil: " + path("missing/a.prt") + ": ", 0), 0u) << outcome.err;
}

// The bytes of a write, after the resolution query and its reply.
std::vector<QByteArray> setFrames(const FakePrinterApi &api)
{
    std::vector<QByteArray> frames = api.writes();
    frames.erase(frames.begin());
    return frames;
}

class ConfigWrite : public ::testing::Test
{
protected:
    void SetUp() override
    {
        model.setText("txtLabelWidth", "100");
        model.setIndex("cbxAlignCenter", 1);
        model.setIndex("cmbPaperSensor", 1);
        model.setText("txtBTName", "Shop 7");
        api.reads = {{0, "300"}, {0, "V10.02.01"}};
    }

    Outcome write(const QString &languageFile = QString())
    {
        const QString file = folder.filePath("w.prt");
        EXPECT_EQ(ParameterFile::Save(model, file), std::nullopt);
        return ToolRun::Run(api, {"--port", "SIM", "config", "write", file.toStdString()},
                            languageFile);
    }

    ConfigModel model;
    FakePrinterApi api;
    QTemporaryDir folder;
};

TEST_F(ConfigWrite, AsksForTheResolutionThenSendsTheZPageAndThePages)
{
    const Outcome outcome = write();
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const std::vector<QByteArray> writes = api.writes();
    ASSERT_GE(writes.size(), 5u);
    EXPECT_EQ(writes[0], QByteArray::fromStdString(HostFrames::getval("dpi")));
    EXPECT_EQ(writes[1], QByteArray::fromStdString(HostFrames::setval("label_width", "1180")));
    EXPECT_EQ(writes[2], QByteArray::fromStdString(HostFrames::setval("align_center", "on")));
    EXPECT_EQ(writes[3], QByteArray::fromStdString(HostFrames::setval("paper_height", "")))
        << "lists without a selection send nothing, empty fields an empty value";
    EXPECT_EQ(writes[4], QByteArray::fromStdString(HostFrames::getval("version")));
    const std::vector<QByteArray> sets = setFrames(api);
    EXPECT_NE(std::find(sets.begin(), sets.end(),
                        QByteArray::fromStdString(HostFrames::setval("bt_name", "Shop 7"))),
              sets.end());
    EXPECT_EQ(writes.back(), QByteArray::fromStdString(HostFrames::doCommand({"reset_printer"})));
    EXPECT_EQ(outcome.out, "msgSRP\nmsgSRP\nmsgSRP1\n");
}

TEST_F(ConfigWrite, TellsTheUserInTheLanguageFilesWords)
{
    model.setIndex("cmbPaperSensor", 0);
    const Outcome outcome = write(kLanguageFile);
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out,
              "The settings were written to the printer.\n"
              "Gap media is selected. Please calibrate the media sensor once the printer has "
              "restarted.\n"
              "The settings were written to the printer.\n"
              "The printer restarts now to apply them; please wait a moment.\n");
}

TEST_F(ConfigWrite, AFieldWithoutItsNumberStopsTheWriteBeforeTheFirstQuery)
{
    model.setText("txtDRowOffset", "-");
    const Outcome outcome = write(kLanguageFile);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "prtutil: Row offset: '-' is not a valid number. Nothing was sent to "
                           "the printer.\n");
    EXPECT_EQ(api.functions(), QStringList{"PrinterCreator"});
}

TEST_F(ConfigWrite, AnUnansweredResolutionSendsNothing)
{
    api.reads.clear();
    const Outcome outcome = write();
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "prtutil: the printer did not answer \"dpi\"\n");
    EXPECT_EQ(api.writes().size(), 1u);
}

TEST_F(ConfigWrite, AFailedCommandFailsTheRun)
{
    api.writeStatuses = {0, 0, -11};
    const Outcome outcome = write(kLanguageFile);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "prtutil: Sending data to the printer failed. Check the connection "
                           "and try again.\n");
}

TEST(ConfigCommand, AFileThatIsNoParameterFileIsTurnedAway)
{
    FakePrinterApi api;
    QTemporaryDir folder;
    QFile file(folder.filePath("bad.prt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[ParaConfig]\r\n_Ribbon=thermal\r\n");
    file.close();
    const Outcome missing =
        ToolRun::Run(api, {"config", "write", folder.filePath("none.prt").toStdString()});
    const Outcome bad = ToolRun::Run(api, {"config", "write", file.fileName().toStdString()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err.rfind("prtutil: " + folder.filePath("none.prt").toStdString(), 0), 0u);
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "prtutil: 'thermal' is not a valid integer value\n");
    EXPECT_EQ(api.functions(), (QStringList{"PrinterCreator", "PrinterCreator"}));
}

struct ReadFailureCase {
    const char *name;
    std::deque<int32_t> openStatuses;
    std::deque<FakePrinterApi::Read> reads;
    const char *message;
};

class ConfigReadFailures : public ::testing::TestWithParam<ReadFailureCase>
{
};

TEST_P(ConfigReadFailures, EndWithOneClearLine)
{
    FakePrinterApi api;
    api.openStatuses = GetParam().openStatuses;
    api.reads = GetParam().reads;
    const Outcome outcome = ToolRun::Run(api, {"config", "read", "--json"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, std::string("prtutil: ") + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Reads, ConfigReadFailures,
    ::testing::Values(ReadFailureCase{"NoAnswer",
                                      {},
                                      {{0, "V10.02.01"}},
                                      "the printer did not answer \"mileage_reset\""},
                      ReadFailureCase{"PortWillNotOpen",
                                      {-331},
                                      {},
                                      "cannot open port USB: no USB printer is connected (-331)"},
                      ReadFailureCase{"LengthIsNoNumber",
                                      {},
                                      {{0, "V10.02.01"},
                                       {0, "1"},
                                       {0, "2"},
                                       {0, "203"},
                                       {0, "tear"},
                                       {0, "peel"},
                                       {0, "12x"}},
                                      "the printer answered '12x' where a number belongs"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ConsoleTexts, ComeFromTheEnglishSectionOrAreTheirKeys)
{
    const ConsoleMessages texts(kLanguageFile);
    EXPECT_EQ(texts.text("msgSRP"), "The settings were written to the printer.");
    EXPECT_EQ(texts.text("noSuchKey"), "noSuchKey");
    EXPECT_EQ(texts.text("_Err_OpenPort"), "cannot open the port");
    EXPECT_EQ(ConsoleMessages().text("msgSRP"), "msgSRP");
}

} // namespace
