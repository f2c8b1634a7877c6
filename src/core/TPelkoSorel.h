#pragma once

#include "TOemClass.h"

// The profile of Sorel's tools.
class TPelkoSorel : public TOemClass
{
public:
    explicit TPelkoSorel(const Context &context);
    void ApplyIdentity() override;
};
