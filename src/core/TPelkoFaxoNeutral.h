#pragma once

#include "TOemClass.h"

// The profile of the neutral tools.
class TPelkoFaxoNeutral : public TOemClass
{
public:
    explicit TPelkoFaxoNeutral(const Context &context);
    void ApplyIdentity() override;
};
