#pragma once

#include "TOemClass.h"

// The profile of Kest's tools.
class TPelkoKest_Orbis : public TOemClass
{
public:
    explicit TPelkoKest_Orbis(const Context &context);
    void ApplyIdentity() override;
};
