#pragma once

#include "TOemClass.h"

// The profile of Dalven's tools.
class TPelkoDalven : public TOemClass
{
public:
    explicit TPelkoDalven(const Context &context);
    void ApplyIdentity() override;
};
