#include "ConfigWriter.h"

#include "CommandProtocol.h"
#include "ConfigConversions.h"
#include "ConfigFields.h"
#include "ConfigMessages.h"
#include "ConfigModel.h"
#include "PrinterName.h"

ConfigWriter::ConfigWriter(PrinterLink &link, CommandProtocol &protocol, ConfigMessages &messages)
    : m_link(link), m_protocol(protocol), m_messages(messages)
{
}

ConfigWriter::Result ConfigWriter::btnSetClick(const ConfigModel &model, bool serviceMode)
{
    const WritePlan plan = WritePlan::Pages(model, serviceMode);
    if (refuse(plan))
        return Result::Refused;
    if (!m_link.OpenLink())
        return Result::OpenFailed;
    int failures = send(plan.commands());
    if (model.index("cmbPaperSensor") == ConfigModel::Gap)
        m_messages.ShowNotice(m_messages.text("MsgBoxPaperSensor"));
    failures += m_protocol.DoCmd(PrinterName::reset_printer) != 0;
    m_link.CloseLink();
    return report(failures,
                  m_messages.text("msgSRP") + QStringLiteral("\r\n") + m_messages.text("msgSRP1"));
}

ConfigWriter::Result ConfigWriter::btnSet_tabZClick(const ConfigModel &model)
{
    const WritePlan plan = WritePlan::ZPage(model);
    if (refuse(plan))
        return Result::Refused;
    if (!m_link.OpenLink())
        return Result::OpenFailed;
    const int failures = send(plan.commands());
    m_link.CloseLink();
    return report(failures, m_messages.text("msgSRP"));
}

bool ConfigWriter::CheckAllPages(const ConfigModel &model, bool serviceMode)
{
    return !refuse(WritePlan::ZPage(model)) && !refuse(WritePlan::Pages(model, serviceMode));
}

ConfigWriter::Result ConfigWriter::WriteAllPages(const ConfigModel &model, bool serviceMode)
{
    if (!CheckAllPages(model, serviceMode))
        return Result::Refused;
    const Result zPage = btnSet_tabZClick(model);
    if (zPage == Result::OpenFailed)
        return zPage;
    const Result pages = btnSetClick(model, serviceMode);
    return pages == Result::Written ? zPage : pages;
}

bool ConfigWriter::refuse(const WritePlan &plan)
{
    if (!plan.problem())
        return false;
    m_messages.ShowError(
        m_messages.FieldNotANumber(*ConfigFields::find(plan.problem()->key), plan.problem()->text));
    return true;
}

int ConfigWriter::send(const std::vector<WritePlan::Command> &commands)
{
    int failures = 0;
    for (const WritePlan::Command &command : commands) {
        switch (command.kind) {
        case WritePlan::Command::Kind::Set:
            failures += m_protocol.SetVal(command.parameter, command.value) != 0;
            break;
        case WritePlan::Command::Kind::SetExact:
            failures += m_protocol.SetValExact(command.parameter, command.value) != 0;
            break;
        case WritePlan::Command::Kind::SetIfVersionKnowsLock:
            failures += sendLockIfKnown(command.value);
            break;
        }
    }
    return failures;
}

// A version that is no version does not stop a write already under way: the
// lock is left alone and the rest still goes out.
int ConfigWriter::sendLockIfKnown(const QString &value)
{
    const QString version = m_protocol.GetVal(PrinterName::version);
    if (value.isNull() || !ConfigConversions::VersionAtLeast(version).value_or(false))
        return 0;
    return m_protocol.SetVal(PrinterName::sns_lock, value) != 0;
}

// The printer is told everything even when a command fails, but success is
// only reported when every command went out.
ConfigWriter::Result ConfigWriter::report(int failures, const QString &success)
{
    if (failures > 0) {
        m_messages.ShowError(m_messages.text("_Err_WriteData"));
        return Result::WriteFailed;
    }
    m_messages.ShowNotice(success);
    return Result::Written;
}
