#include "ConfigService.h"

#include "ConfigMessages.h"
#include "ConfigModel.h"
#include "InputRules.h"
#include "ParameterFile.h"
#include "PrinterLink.h"
#include "ProcessFlags.h"
#include "TInstallThread.h"

ConfigService::ConfigService(ConfigModel &model, PrinterLink &link, CommandProtocol &protocol,
                             ConfigMessages &messages, const ProcessFlags &flags, QObject *parent)
    : QObject(parent), m_model(model), m_link(link), m_protocol(protocol), m_messages(messages),
      m_flags(flags), m_writer(link, protocol, messages), m_progress(m_state)
{
}

ConfigService::~ConfigService()
{
    m_readerThread.quit();
    m_readerThread.wait();
}

void ConfigService::btnGetClick()
{
    // Opened here, so a failed open shows its message from this thread and
    // the reader on its own thread finds the port already open.
    if (m_reading || !m_link.HoldPort())
        return;
    m_reading = true;
    m_model.BeginRead();
    m_state.Reset();
    m_reader = std::make_unique<ParameterReader>(m_link, m_protocol, m_flags.ServiceMode);
    auto *worker = new TInstallThread(*m_reader, m_state);
    worker->moveToThread(&m_readerThread);
    connect(&m_readerThread, &QThread::started, worker, &TInstallThread::run);
    connect(worker, &TInstallThread::updateRead, &m_model, &ConfigModel::apply);
    connect(worker, &TInstallThread::finished, this, &ConfigService::readerFinished);
    // Direct, so the thread is already on its way out when the window hears
    // of the end and can be started again for the next read.
    connect(worker, &TInstallThread::finished, &m_readerThread, &QThread::quit,
            Qt::DirectConnection);
    connect(&m_readerThread, &QThread::finished, worker, &QObject::deleteLater);
    m_progress.start();
    m_readerThread.start();
}

void ConfigService::readerFinished(const ReadOutcome &outcome)
{
    m_readerThread.wait();
    m_reading = false;
    m_progress.stop();
    m_model.EndRead(outcome.succeeded());
    showReadFailure(outcome);
    emit readFinished(outcome);
}

void ConfigService::showReadFailure(const ReadOutcome &outcome)
{
    switch (outcome.result) {
    case ReadOutcome::Result::Unanswered:
        m_messages.ShowError(m_messages.text("_Err_ReadData"));
        break;
    case ReadOutcome::Result::ConversionError:
        m_messages.ShowError(ConfigMessages::NotANumber(outcome.detail));
        break;
    case ReadOutcome::Result::Success:
    case ReadOutcome::Result::OpenFailed:
        break;
    }
}

void ConfigService::btnGet_tabZClick()
{
    if (m_reading)
        return;
    ParameterReader reader(m_link, m_protocol, m_flags.ServiceMode);
    showReadFailure(reader.ReadZPage([this](const FieldUpdate &update) { m_model.apply(update); }));
    m_model.setEnabled(ConfigModel::btnSet_tabZ, true);
}

void ConfigService::btnSetClick()
{
    if (!m_reading)
        m_writer.btnSetClick(m_model, m_flags.ServiceMode);
}

void ConfigService::btnSet_tabZClick()
{
    if (!m_reading)
        m_writer.btnSet_tabZClick(m_model);
}

void ConfigService::btnSaveClick()
{
    const QString chosen =
        m_messages.dialogs().SaveFileName(QString(), ParameterFile::Filter, QString());
    if (chosen.isEmpty())
        return;
    if (const auto problem = ParameterFile::Save(m_model, ParameterFile::WithPrtExtension(chosen)))
        m_messages.ShowError(*problem);
}

void ConfigService::btnLoadClick()
{
    const QString chosen = m_messages.dialogs().OpenFileName(QString(), ParameterFile::Filter);
    if (chosen.isEmpty())
        return;
    m_model.FileLoaded();
    if (const auto problem = ParameterFile::Load(chosen, m_model))
        m_messages.ShowError(*problem);
}

void ConfigService::CheckValue(const QString &key)
{
    const QString text = m_model.text(key);
    if (const auto checked = InputRules::CheckValue(key, text))
        m_model.setText(key, *checked);
    else
        m_messages.ShowError(ConfigMessages::NotAWholeNumber(text));
}
