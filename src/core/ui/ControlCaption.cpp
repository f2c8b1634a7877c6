#include "ControlCaption.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace
{

// A page of a page control sits in the control's inner stack.
QTabWidget *pageControlOf(QWidget &page)
{
    QWidget *stack = page.parentWidget();
    return stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
}

} // namespace

void ControlCaption::Set(QWidget &control, const QString &text)
{
    if (auto *button = qobject_cast<QAbstractButton *>(&control))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(&control))
        label->setText(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(&control))
        edit->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(&control))
        group->setTitle(text);
    else if (QTabWidget *pages = pageControlOf(control); pages && pages->indexOf(&control) >= 0)
        pages->setTabText(pages->indexOf(&control), text);
    else if (control.isWindow())
        control.setWindowTitle(text);
}
