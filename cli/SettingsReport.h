#pragma once

#include <QString>

#include <string>

class ConfigModel;

// A read printer's settings for people and for programs: each field of the
// pages with the printer parameter behind it, its value and, for lists, the
// word the printer gets.
class SettingsReport
{
public:
    static std::string Text(const ConfigModel &model, const QString &printerModel);
    static std::string Json(const ConfigModel &model, const QString &printerModel);
};
