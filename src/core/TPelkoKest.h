#pragma once

#include "TOemClass.h"

// The profile of Kest's tools.
class TPelkoKest : public TOemClass
{
public:
    explicit TPelkoKest(const Context &context);
    void ApplyIdentity() override;
};
