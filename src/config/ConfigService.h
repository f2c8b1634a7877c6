#pragma once

#include "ConfigWriter.h"
#include "ParameterReader.h"
#include "ReadOutcome.h"
#include "ReadState.h"
#include "TPBThread.h"

#include <QObject>
#include <QThread>

#include <memory>

class CommandProtocol;
class ConfigMessages;
class ConfigModel;
class PrinterLink;
class ProcessFlags;

// What the buttons under the configuration pages do, without the widgets:
// the window connects its buttons here and binds its controls to the model.
//
// The full read runs on a worker thread; its results reach the model
// queued, in order, and the link is not used by anything else meanwhile
// (the model disables the read and set buttons, and the other actions here
// refuse to start). Everything else runs on the caller's thread, which must
// be the model's.
class ConfigService : public QObject
{
    Q_OBJECT

public:
    ConfigService(ConfigModel &model, PrinterLink &link, CommandProtocol &protocol,
                  ConfigMessages &messages, const ProcessFlags &flags, QObject *parent = nullptr);
    // Waits for a read still under way.
    ~ConfigService() override;

    bool Reading() const { return m_reading; }
    const ReadState &State() const { return m_state; }
    // The reading panel's progress, for the window to show.
    TPBThread &Progress() { return m_progress; }

public slots:
    void btnGetClick();
    void btnGet_tabZClick();
    void btnSetClick();
    void btnSet_tabZClick();
    void btnSaveClick();
    void btnLoadClick();
    // The user leaves a field: its text is cut back to the field's bounds.
    void CheckValue(const QString &key);

signals:
    void readFinished(const ReadOutcome &outcome);

private slots:
    void readerFinished(const ReadOutcome &outcome);

private:
    void showReadFailure(const ReadOutcome &outcome);

    ConfigModel &m_model;
    PrinterLink &m_link;
    CommandProtocol &m_protocol;
    ConfigMessages &m_messages;
    const ProcessFlags &m_flags;
    ConfigWriter m_writer;
    ReadState m_state;
    TPBThread m_progress;
    std::unique_ptr<ParameterReader> m_reader;
    QThread m_readerThread;
    bool m_reading = false;
};
