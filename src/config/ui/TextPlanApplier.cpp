#include "TextPlanApplier.h"

#include "ControlCaption.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QWidget>

using Target = MainWindowTexts::Target;

TextPlanApplier::TextPlanApplier(QWidget &window) : m_window(window)
{
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if (control->window() == &window && !control->objectName().isEmpty())
            m_controls.insert(control->objectName(), control);
    }
}

void TextPlanApplier::Apply(const QList<MainWindowTexts::Assignment> &plan, const Hold &hold)
{
    for (const MainWindowTexts::Assignment &assignment : plan) {
        if (assignment.target == Target::WindowCaption)
            m_window.setWindowTitle(assignment.text);
        else if (assignment.target == Target::Held)
            hold(assignment.control, assignment.text);
        else {
            for (QWidget *control : m_controls.values(assignment.control))
                ApplyOne(assignment, *control);
        }
    }
}

void TextPlanApplier::ApplyOne(const MainWindowTexts::Assignment &assignment, QWidget &control)
{
    auto *list = qobject_cast<QComboBox *>(&control);
    const QSignalBlocker quiet(list);
    switch (assignment.target) {
    case Target::Caption:
        ControlCaption::Set(control, assignment.text);
        break;
    case Target::ClearList:
        if (list)
            list->clear();
        break;
    case Target::ListEntry:
        if (list)
            list->addItem(assignment.text);
        break;
    case Target::Hint:
        control.setToolTip(assignment.text);
        break;
    case Target::ColumnCaption:
        if (auto *columns = qobject_cast<QTreeWidget *>(&control))
            columns->headerItem()->setText(assignment.index, assignment.text);
        break;
    case Target::WindowCaption:
    case Target::Held:
        break;
    }
}
