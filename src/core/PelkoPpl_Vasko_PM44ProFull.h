#pragma once

#include "TOemClass.h"

// The profile of this build: the PM44PRO FULL utility.
class PelkoPpl_Vasko_PM44ProFull : public TOemClass
{
public:
    explicit PelkoPpl_Vasko_PM44ProFull(const Context &context);
    void ApplyIdentity() override;
};
