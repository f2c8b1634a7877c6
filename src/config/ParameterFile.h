#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class ConfigModel;

// Parameter files: the saved form of the configuration pages, one
// initialisation-file section "ParaConfig" with the entries in a fixed
// order. Written as UTF-8 with CR LF line ends; read as UTF-8, or UTF-16
// when a byte order mark says so, keys found without regard to case.
class ParameterFile
{
public:
    static const QString Section;
    static const QString Extension;
    // For the open and save dialogs.
    static const QString Filter;

    // The chosen name with the extension ".prt" when it has another one, or
    // none; the comparison is case-sensitive.
    static QString WithPrtExtension(const QString &fileName);

    // The file's text for the model's values.
    static QByteArray Contents(const ConfigModel &model);

    // Writes a new file and replaces the old one with it, so a failed save
    // leaves an existing file as it was. The reason on failure.
    static std::optional<QString> Save(const ConfigModel &model, const QString &path);

    // Fills the model in file order. A list entry that is missing or not a
    // whole number stops the load there, keeping what came before; the
    // reason on failure.
    static std::optional<QString> Load(const QString &path, ConfigModel &model);
};
