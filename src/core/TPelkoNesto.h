#pragma once

#include "TOemClass.h"

// The profile of Nesto's tools.
class TPelkoNesto : public TOemClass
{
public:
    explicit TPelkoNesto(const Context &context);
    void ApplyIdentity() override;
};
