#pragma once

#include "TOemClass.h"

#include <memory>

// Chooses the OEM profile of a tool identity: the first row whose tool type
// and company both match exactly, with case, gives the class; with no match
// the base profile is used. The profile comes with its identity applied.
class OemProfileFactory
{
public:
    static std::unique_ptr<TOemClass> Create(const QString &toolType, const QString &oemCo,
                                             const TOemClass::Context &context);
};
