#include "LeaveFilter.h"

#include <QFocusEvent>

LeaveFilter::LeaveFilter(Action left, QObject *parent) : QObject(parent), m_left(std::move(left)) {}

bool LeaveFilter::eventFilter(QObject *watched, QEvent *event)
{
    // Another window or a menu taking the focus for a while is no leaving.
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_left();
    }
    return QObject::eventFilter(watched, event);
}
