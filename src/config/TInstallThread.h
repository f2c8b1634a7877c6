#pragma once

#include "FieldUpdate.h"
#include "ParameterReader.h"
#include "ReadOutcome.h"
#include "ReadState.h"

#include <QObject>

// The full read as a worker: run() belongs on a thread of its own and
// reports every result through updateRead() and the end through finished(),
// so a receiver on the user-interface thread gets them queued, in the order
// of the queries. The worker touches nothing but the link.
class TInstallThread : public QObject
{
    Q_OBJECT

public:
    TInstallThread(ParameterReader &reader, ReadState &state);

public slots:
    void run();

signals:
    void updateRead(const FieldUpdate &update);
    void finished(const ReadOutcome &outcome);

private:
    ParameterReader &m_reader;
    ReadState &m_state;
};
