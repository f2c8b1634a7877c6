#pragma once

#include "FieldUpdate.h"
#include "ReadOutcome.h"
#include "ReadState.h"

#include <QString>

#include <functional>

class CommandProtocol;
class PrinterLink;

// Reads the printer's values for the configuration pages: the eight steps
// of the full read and the Z page's own read. It only asks the printer and
// turns replies into field updates; whoever owns the model applies them,
// so the reader may run on any thread. One read at a time per link.
class ParameterReader
{
public:
    using Sink = std::function<void(const FieldUpdate &)>;

    ParameterReader(PrinterLink &link, CommandProtocol &protocol, bool serviceMode);

    // The reader's run: open, GetPara1 to GetPara8 until the first failure,
    // close. Every query raises the state's progress counter first.
    ReadOutcome ReadAll(ReadState &state, const Sink &sink);

    // The Z page: open, the resolution and the page's four values until the
    // first unanswered query, close.
    ReadOutcome ReadZPage(const Sink &sink);

    // Open, the resolution alone, close: what a write of millimetres needs
    // when no read came before it.
    ReadOutcome ReadResolution(const Sink &sink);

private:
    using Steps = bool (ParameterReader::*)();

    ReadOutcome exchange(ReadState *state, const Sink &sink, Steps steps);
    bool GetPara1();
    bool GetPara2();
    bool GetPara3();
    bool GetPara4();
    bool GetPara5();
    bool GetPara6();
    bool GetPara7();
    bool GetPara8();
    bool ReadSteps();
    bool ReadZSteps();

    // Required queries end the read when unanswered; optional ones give an
    // empty reply instead.
    enum class Check { Required, Optional };

    bool query(const QString &key, Check check, QString &reply);
    bool ask(const QString &parameter, Check check, QString &reply);
    bool readText(const QString &key, Check check = Check::Required);
    bool readSelection(const QString &key);
    bool readMillimetres(const QString &key, Check check);
    bool readResolution();
    bool readLabelTypeLock();
    bool readWirelessMode();
    bool readAddress(const QString &parameter);
    bool readMac(const QString &parameter);
    void splitInto(const QString &parameter, const QString &reply, QChar separator);
    bool selectResolution();
    void send(const FieldUpdate &update);
    bool fail(ReadOutcome::Result result, const QString &detail);

    PrinterLink &m_link;
    CommandProtocol &m_protocol;
    bool m_serviceMode;
    ReadState *m_state = nullptr;
    const Sink *m_sink = nullptr;
    QString m_resolution;
    ReadOutcome m_failure;
};
