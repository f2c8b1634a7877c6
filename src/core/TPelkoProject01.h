#pragma once

#include "TOemClass.h"

// The profile of Pelko's tools.
class TPelkoProject01 : public TOemClass
{
public:
    explicit TPelkoProject01(const Context &context);
    void ApplyIdentity() override;
};
