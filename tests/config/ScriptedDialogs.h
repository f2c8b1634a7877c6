#pragma once

#include "Dialogs.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// Message boxes that are only recorded, each with the moment a test's clock
// gives when it came up, and file dialogs that answer the names a test has
// chosen (empty, as a cancel, when none is left). No test waits on a box.
class ScriptedDialogs : public Dialogs
{
public:
    struct Box {
        QString text;
        QString caption;
        Icon icon;
        int moment;
    };

    void ShowMessage(const QString &text, const QString &caption, Icon icon) override
    {
        boxes.push_back({text, caption, icon, moment ? moment() : 0});
    }

    bool AskOkCancel(const QString &text, const QString &caption, Icon icon, bool) override
    {
        ShowMessage(text, caption, icon);
        return false;
    }

    QString OpenFileName(const QString &, const QString &filter) override
    {
        filters << filter;
        return nextName();
    }

    QString SaveFileName(const QString &, const QString &filter, const QString &) override
    {
        filters << filter;
        return nextName();
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Box &box : boxes)
            result << box.text;
        return result;
    }

    std::vector<Box> boxes;
    QStringList chosenNames;
    QStringList filters;
    std::function<int()> moment;

private:
    QString nextName() { return chosenNames.isEmpty() ? QString() : chosenNames.takeFirst(); }
};
