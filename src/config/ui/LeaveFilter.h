#pragma once

#include <QObject>

#include <functional>

// Runs an action each time the user moves the focus away from the control,
// whether or not its text changed: an emptied field and a field left
// untouched are checked alike.
class LeaveFilter : public QObject
{
    Q_OBJECT

public:
    using Action = std::function<void()>;

    LeaveFilter(Action left, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Action m_left;
};
