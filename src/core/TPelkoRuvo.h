#pragma once

#include "TOemClass.h"

// The profile of Ruvo's tools.
class TPelkoRuvo : public TOemClass
{
public:
    explicit TPelkoRuvo(const Context &context);
    void ApplyIdentity() override;
};
