#pragma once

#include "IdentityDialog.h"

// Asks for the debug run's tool identity with the identity dialog, shown
// modally and freed when it closes.
class WindowIdentityDialog : public IdentityDialog
{
public:
    Choice RunIdentityDialog() override;
};
