#pragma once

#include "IdentityDialog.h"

// An identity dialog that answers what the test set and counts its showings.
class FakeIdentityDialog : public IdentityDialog
{
public:
    Choice RunIdentityDialog() override
    {
        ++shown;
        return choice;
    }
    Choice choice;
    int shown = 0;
};
