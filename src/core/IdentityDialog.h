#pragma once

#include <QString>

// The debug run's small dialog that lets a developer pick a tool identity
// instead of the one in the option file. The window comes with the user
// interface; the core only asks.
class IdentityDialog
{
public:
    struct Choice {
        QString toolType;
        QString oemCo;
    };

    virtual ~IdentityDialog() = default;

    // Shows the dialog modally; both texts are empty unless the user chose.
    virtual Choice RunIdentityDialog() = 0;
};
