#include "ConfigCommand.h"

#include "ConfigModel.h"
#include "ConfigWriter.h"
#include "ConsoleMessages.h"
#include "ConsoleReport.h"
#include "ParameterFile.h"
#include "ParameterReader.h"
#include "PrinterLink.h"
#include "SettingsReport.h"

#include <CLI/CLI.hpp>

#include <ostream>

ConfigCommand::ConfigCommand(PrinterLink &link, CommandProtocol &protocol, ConsoleMessages &texts,
                             ConsoleReport &report, std::ostream &out)
    : m_link(link), m_protocol(protocol), m_report(report), m_dialogs(out, report),
      m_messages(m_dialogs, [&texts](const QString &key) { return texts.text(key); }), m_out(out)
{
}

void ConfigCommand::AddTo(CLI::App &app)
{
    m_config = app.add_subcommand("config", "Read or write all settings of the configuration "
                                            "pages, as parameter files (.prt) hold them");
    m_config->require_subcommand(1);
    m_read = m_config->add_subcommand(
        "read", "Read every setting; without -o print them with the printer's words");
    m_read->add_option("-o,--output", m_outputFile,
                       "Save them as a parameter file (the extension becomes .prt)");
    m_read->add_flag("--json", m_json, "Print them as JSON");
    CLI::App *write = m_config->add_subcommand(
        "write", "Write a parameter file to the printer, which then restarts");
    write->add_option("FILE", m_inputFile, "Parameter file (.prt)")->required();
}

bool ConfigCommand::Chosen() const
{
    return m_config && m_config->parsed();
}

int ConfigCommand::Run(const QString &printerModel)
{
    return m_read->parsed() ? read(printerModel) : write();
}

int ConfigCommand::read(const QString &printerModel)
{
    ConfigModel model;
    ReadState state;
    ParameterReader reader(m_link, m_protocol, false);
    const auto apply = [&model](const FieldUpdate &update) {
        model.apply(update);
    };
    ReadOutcome outcome = reader.ReadAll(state, apply);
    if (outcome.succeeded())
        outcome = reader.ReadZPage(apply);
    if (!outcome.succeeded())
        return readFailure(outcome);
    if (!m_outputFile.empty() && save(model) != 0)
        return ConsoleReport::Failure;
    if (m_json)
        m_out << SettingsReport::Json(model, printerModel);
    else if (m_outputFile.empty())
        m_out << SettingsReport::Text(model, printerModel);
    return 0;
}

int ConfigCommand::save(const ConfigModel &model)
{
    const QString path = ParameterFile::WithPrtExtension(QString::fromStdString(m_outputFile));
    if (const auto problem = ParameterFile::Save(model, path))
        return m_report.Fail(*problem);
    return 0;
}

// The file holds lengths in millimetres, which only the printer's own
// resolution turns into the right number of dots; a file that cannot be
// sent is turned away before the printer is asked anything.
int ConfigCommand::write()
{
    ConfigModel model;
    if (const auto problem = ParameterFile::Load(QString::fromStdString(m_inputFile), model))
        return m_report.Fail(*problem);
    ConfigWriter writer(m_link, m_protocol, m_messages);
    if (!writer.CheckAllPages(model, false))
        return ConsoleReport::Failure;
    ParameterReader reader(m_link, m_protocol, false);
    const ReadOutcome resolution =
        reader.ReadResolution([&model](const FieldUpdate &update) { model.apply(update); });
    if (!resolution.succeeded())
        return readFailure(resolution);
    switch (writer.WriteAllPages(model, false)) {
    case ConfigWriter::Result::Written:
        return 0;
    case ConfigWriter::Result::OpenFailed:
        return m_report.FailOpen(m_link);
    case ConfigWriter::Result::WriteFailed:
    case ConfigWriter::Result::Refused:
        break;
    }
    return ConsoleReport::Failure;
}

int ConfigCommand::readFailure(const ReadOutcome &outcome)
{
    switch (outcome.result) {
    case ReadOutcome::Result::OpenFailed:
        return m_report.FailOpen(m_link);
    case ReadOutcome::Result::Unanswered:
        return m_report.Fail(QStringLiteral("the printer did not answer ") + outcome.detail);
    case ReadOutcome::Result::ConversionError:
        return m_report.Fail(
            QStringLiteral("the printer answered '%1' where a number belongs").arg(outcome.detail));
    case ReadOutcome::Result::Success:
        break;
    }
    return 0;
}
