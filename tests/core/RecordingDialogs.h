#pragma once

#include "Dialogs.h"

#include <QStringList>

#include <deque>
#include <vector>

// Boxes that are only recorded, and questions answered from a script (OK
// once the script is used up, unless told otherwise), so no test ever waits
// on a modal box.
class RecordingDialogs : public Dialogs
{
public:
    struct Box {
        QString text;
        QString caption;
        Icon icon;
        bool question;
        bool onTop;
    };

    void ShowMessage(const QString &text, const QString &caption, Icon icon) override
    {
        boxes.push_back({text, caption, icon, false, false});
    }

    bool AskOkCancel(const QString &text, const QString &caption, Icon icon, bool onTop) override
    {
        boxes.push_back({text, caption, icon, true, onTop});
        if (answers.empty())
            return defaultAnswer;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString OpenFileName(const QString &, const QString &) override { return QString(); }
    QString SaveFileName(const QString &, const QString &, const QString &) override
    {
        return QString();
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Box &box : boxes)
            result << box.text;
        return result;
    }

    std::vector<Box> boxes;
    std::deque<bool> answers;
    bool defaultAnswer = true;
};
