#pragma once

#include "ReadState.h"

#include <QObject>
#include <QTimer>

// The reading panel's progress: shows the panel, then every 100 ms moves
// the bar to the reader's query count until the count reaches the maximum
// or the reader has stopped, and hides the panel. It only looks at the
// shared counters, so it runs on the user-interface thread from a timer
// rather than on a thread of its own; tick() is what the timer calls.
class TPBThread : public QObject
{
    Q_OBJECT

public:
    static constexpr int Maximum = 48;
    static constexpr int IntervalMs = 100;

    explicit TPBThread(const ReadState &state, QObject *parent = nullptr);

    bool Running() const { return m_running; }

public slots:
    void start();
    void tick();
    void stop();

signals:
    void panelShown(int maximum);
    void progressChanged(int value);
    void panelHidden();

private:
    const ReadState &m_state;
    QTimer m_timer;
    bool m_running = false;
};
