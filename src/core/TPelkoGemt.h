#pragma once

#include "TOemClass.h"

// The profile of Gemt's tools.
class TPelkoGemt : public TOemClass
{
public:
    explicit TPelkoGemt(const Context &context);
    void ApplyIdentity() override;
};
