// One printer's settings cloned to another with the real programs: prtutil
// reads a changed prtsim into a parameter file and writes that file to a
// second prtsim fresh from the factory.
#include "ParameterCatalog.h"
#include "StateFile.h"
#include "VirtualPrinter.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace
{

constexpr int kBoundMs = 60000;

// A prtsim serving on a pseudo-terminal, keeping its settings in a file.
class SimProgram
{
public:
    explicit SimProgram(const QString &stateFile)
    {
        m_process.start(PRTSIM_PATH, {"--pty", "--state", stateFile});
        if (m_process.waitForReadyRead(kBoundMs))
            m_terminal = QString::fromUtf8(m_process.readLine()).trimmed().remove(0, 4);
    }
    ~SimProgram()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(kBoundMs);
        }
    }

    const QString &terminal() const { return m_terminal; }

    // Stops it the way a user does, so it saves its settings.
    bool stop()
    {
        m_process.terminate();
        return m_process.waitForFinished(kBoundMs) && m_process.exitCode() == 0;
    }

private:
    QProcess m_process;
    QString m_terminal;
};

struct ToolResult {
    int status;
    QString err;
};

ToolResult prtutil(const QString &terminal, const QStringList &arguments)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PRT_COM7", terminal);
    tool.setProcessEnvironment(environment);
    tool.start(PRTUTIL_PATH, QStringList{"--port", "COM7,115200,n,8,1,n"} + arguments);
    if (!tool.waitForFinished(kBoundMs))
        return {-1, "prtutil did not finish"};
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardError())};
}

nlohmann::json parametersIn(const QString &stateFile)
{
    std::ifstream file(stateFile.toStdString());
    return nlohmann::json::parse(file, nullptr, false)["parameters"];
}

// Everything the configuration pages and the Z page hold, changed from the
// factory values, in steps the pages can show (lengths in whole
// millimetres at 203 dpi).
const std::map<std::string, std::string> kChanged = {{"print_method", "direct_thermal"},
                                                     {"print_mode", "cutter"},
                                                     {"paper_height", "1600"},
                                                     {"sns_lock", "on"},
                                                     {"media_sensor", "black_mark"},
                                                     {"tear_off", "-20"},
                                                     {"max_length", "300"},
                                                     {"heat_sw", "no"},
                                                     {"speed_sw", "no"},
                                                     {"media_power_up", "calibation"},
                                                     {"head_close", "none"},
                                                     {"darkness", "22"},
                                                     {"print_speed", "3"},
                                                     {"control_codes", "alternate"},
                                                     {"column_offset", "12"},
                                                     {"row_offset", "-8"},
                                                     {"density", "11"},
                                                     {"speed", "2"},
                                                     {"reference_x", "40"},
                                                     {"reference_y", "24"},
                                                     {"direction", "zb"},
                                                     {"paper_width", "800"},
                                                     {"com_baud", "115200"},
                                                     {"com_flow", "rts/cts"},
                                                     {"com_wordlength", "7"},
                                                     {"com_stopbits", "2"},
                                                     {"com_parity", "odd"},
                                                     {"bt_name", "Shop 7"},
                                                     {"bt_pwd", "4321"},
                                                     {"eth_dhcp", "off"},
                                                     {"eth_ip", "192.168.7.20"},
                                                     {"eth_mask", "255.255.0.0"},
                                                     {"eth_gateway", "192.168.7.1"},
                                                     {"wlan_ssid", "Shop-WLAN"},
                                                     {"wlan_encry", "wep2"},
                                                     {"wlan_key", "Key-7"},
                                                     {"wlan_mod", "sta"},
                                                     {"wlan_dhcp", "off"},
                                                     {"wlan_ip", "192.168.8.20"},
                                                     {"wlan_mask", "255.255.255.0"},
                                                     {"wlan_gateway", "192.168.8.1"},
                                                     {"label_width", "800"},
                                                     {"align_center", "on"}};

// A whole printer's memory: the factory values with the changes above, so
// the first printer's file holds everything to compare with.
std::map<std::string, std::string> changedPrinter()
{
    const virtualprinter::VirtualPrinter factory;
    std::map<std::string, std::string> parameters;
    for (const virtualprinter::ParameterSpec &spec : virtualprinter::ParameterCatalog::all())
        parameters[std::string(spec.name)] = factory.parameter(spec.name).value_or("");
    for (const auto &[name, value] : kChanged)
        parameters[name] = value;
    return parameters;
}

TEST(CloneEndToEnd, ASecondPrinterEndsWithTheSettingsOfTheFirst)
{
    QTemporaryDir folder;
    const QString source = folder.filePath("source.json");
    const QString target = folder.filePath("target.json");
    std::string error;
    virtualprinter::PrinterSnapshot snapshot;
    snapshot.parameters = changedPrinter();
    ASSERT_TRUE(virtualprinter::StateFile::save(source.toStdString(), snapshot, error)) << error;

    auto first = std::make_unique<SimProgram>(source);
    auto second = std::make_unique<SimProgram>(target);
    ASSERT_FALSE(first->terminal().isEmpty());
    ASSERT_FALSE(second->terminal().isEmpty());

    const ToolResult read =
        prtutil(first->terminal(), {"config", "read", "-o", folder.filePath("a.prt")});
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    const ToolResult write =
        prtutil(second->terminal(), {"config", "write", folder.filePath("a.prt")});
    ASSERT_EQ(write.status, 0) << write.err.toStdString();
    ASSERT_TRUE(first->stop());
    ASSERT_TRUE(second->stop());

    const nlohmann::json cloned = parametersIn(target);
    EXPECT_EQ(cloned, parametersIn(source));
    for (const auto &[name, value] : kChanged)
        EXPECT_EQ(cloned[name], value) << name;
}

} // namespace
