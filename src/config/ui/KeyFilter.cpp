#include "KeyFilter.h"

#include <QKeyEvent>

KeyFilter::KeyFilter(Rule accepts, QObject *parent) : QObject(parent), m_accepts(std::move(accepts))
{
}

bool KeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (!typed.isEmpty() && !m_accepts(typed.front().unicode()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
