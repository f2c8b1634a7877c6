#pragma once

#include "RecordingDialogs.h"

// Recorded boxes, and file dialogs that answer with the name a test chose:
// an empty name is a cancelled dialog.
class ChoosingDialogs : public RecordingDialogs
{
public:
    QString OpenFileName(const QString &, const QString &filter) override
    {
        filters << filter;
        return openName;
    }
    QString SaveFileName(const QString &, const QString &filter, const QString &) override
    {
        filters << filter;
        return saveName;
    }

    QString openName;
    QString saveName;
    QStringList filters;
};
