#pragma once

#include <QString>

// What the printer link needs from the application to tell the user that a
// port could not be opened: the texts of language keys and an error box.
class LinkMessages
{
public:
    virtual ~LinkMessages() = default;
    virtual QString text(const QString &key) const = 0;
    virtual void showError(const QString &message) = 0;
};
