#include "TInstallThread.h"

TInstallThread::TInstallThread(ParameterReader &reader, ReadState &state)
    : m_reader(reader), m_state(state)
{
}

void TInstallThread::run()
{
    const ReadOutcome outcome =
        m_reader.ReadAll(m_state, [this](const FieldUpdate &update) { emit updateRead(update); });
    emit finished(outcome);
}
