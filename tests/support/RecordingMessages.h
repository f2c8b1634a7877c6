#pragma once

#include "LinkMessages.h"

#include <QStringList>

// Language texts that are their own keys wrapped in brackets, and error boxes
// that are only recorded, so a test sees which key was shown.
class RecordingMessages : public LinkMessages
{
public:
    QString text(const QString &key) const override { return '[' + key + ']'; }
    void showError(const QString &message) override { errors << message; }
    QStringList errors;
};
