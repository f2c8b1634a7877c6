#include "TPBThread.h"

#include <algorithm>

TPBThread::TPBThread(const ReadState &state, QObject *parent) : QObject(parent), m_state(state)
{
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &TPBThread::tick);
}

void TPBThread::start()
{
    m_running = true;
    emit panelShown(Maximum);
    m_timer.start();
}

void TPBThread::tick()
{
    if (!m_running)
        return;
    const int progress = m_state.ReadProgress;
    emit progressChanged(std::min(progress, Maximum));
    if (progress >= Maximum || m_state.Stopped)
        stop();
}

void TPBThread::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_timer.stop();
    emit panelHidden();
}
