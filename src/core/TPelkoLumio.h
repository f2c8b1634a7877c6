#pragma once

#include "TOemClass.h"

// The profile of Lumio's tools.
class TPelkoLumio : public TOemClass
{
public:
    explicit TPelkoLumio(const Context &context);
    void ApplyIdentity() override;
};
