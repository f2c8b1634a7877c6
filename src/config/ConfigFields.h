#pragma once

#include "ConfigField.h"

#include <QString>

#include <vector>

// Every control of the eight configuration pages and of the Z page that
// holds a printer value, in the order of the parameter file; controls that
// are not saved stand beside their page's saved ones.
class ConfigFields
{
public:
    static const std::vector<ConfigField> &all();
    // Nothing for a key that is not a field.
    static const ConfigField *find(const QString &key);
    // The fields that hold the parts of a split value, in part order.
    static std::vector<const ConfigField *> parts(const QString &parameter);
};
