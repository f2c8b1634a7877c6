#pragma once

#include "TOemClass.h"

// The profile of Tamsa's tools.
class TPelkoTamsa : public TOemClass
{
public:
    explicit TPelkoTamsa(const Context &context);
    void ApplyIdentity() override;
};
