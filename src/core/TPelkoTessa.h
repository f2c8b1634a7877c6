#pragma once

#include "TOemClass.h"

// The profile of Tessa's tools.
class TPelkoTessa : public TOemClass
{
public:
    explicit TPelkoTessa(const Context &context);
    void ApplyIdentity() override;
};
