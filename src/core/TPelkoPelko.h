#pragma once

#include "TOemClass.h"

// The profile of Pelko's tools.
class TPelkoPelko : public TOemClass
{
public:
    explicit TPelkoPelko(const Context &context);
    void ApplyIdentity() override;
};
