#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TConstLangV;

// The main window's texts: which language key feeds which control, list,
// hint or held message, in the order the window applies them. The window
// only carries out the assignments; a later assignment to the same control
// replaces an earlier one.
class MainWindowTexts
{
public:
    enum class Target {
        WindowCaption,
        Caption,
        ClearList,
        ListEntry,
        Hint,
        ColumnCaption, // index: the column
        Held,          // control: the name the window keeps the text under
    };

    struct Assignment {
        Target target;
        QString control;
        QString text;
        int index = -1;
    };

    // Looks every key up (window language, and table entries where named)
    // and reads the language font as the last step.
    static QList<Assignment> Plan(TConstLangV &texts);

    // Every key the main window looks up in the window language.
    static QStringList WindowKeys();
    // Every table entry the main window shows.
    static QStringList TableKeys();

    // Bounds of the firmware page's packet delay, shown beside the field.
    static constexpr int DelayMinimum = 0;
    static constexpr int DelayMaximum = 200;
};
