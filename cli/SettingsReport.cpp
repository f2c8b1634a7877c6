#include "SettingsReport.h"

#include "ConfigConversions.h"
#include "ConfigFields.h"
#include "ConfigModel.h"

#include <nlohmann/json.hpp>

#include <sstream>

namespace
{

QString bareName(const ConfigField &field)
{
    QString name = field.parameter;
    name.remove(u'"');
    return field.part > 0 ? name + " #" + QString::number(field.part) : name;
}

// The word a list sends, as the printer receives it.
QString listWord(const ConfigModel &model, const ConfigField &field)
{
    const QString word = model.PrinterValue(field.key);
    return word.isNull() ? QStringLiteral("(none)") : word.toLower();
}

QString dots(const ConfigModel &model, const ConfigField &field)
{
    return ConfigConversions::UnCTC(model.text(field.key), model.Resolution()).value_or(QString());
}

QString shownValue(const ConfigModel &model, const ConfigField &field)
{
    if (field.kind == ConfigField::Kind::List)
        return '[' + QString::number(model.index(field.key)) + "] " + listWord(model, field);
    if (field.millimetres && !model.text(field.key).isEmpty())
        return model.text(field.key) + " mm (" + dots(model, field) + " dots)";
    return model.text(field.key);
}

nlohmann::ordered_json fieldJson(const ConfigModel &model, const ConfigField &field)
{
    nlohmann::ordered_json entry = {
        {"key", field.key.toStdString()},
        {"page", field.page.toStdString()},
        {"parameter", QString(field.parameter).remove(u'"').toStdString()}};
    if (field.part > 0)
        entry["part"] = field.part;
    if (!field.fileKey.isEmpty())
        entry["fileKey"] = field.fileKey.toStdString();
    if (field.kind == ConfigField::Kind::List) {
        entry["index"] = model.index(field.key);
        const QString word = model.PrinterValue(field.key);
        entry["word"] = word.isNull() ? nlohmann::ordered_json()
                                      : nlohmann::ordered_json(word.toLower().toStdString());
        return entry;
    }
    entry["text"] = model.text(field.key).toStdString();
    if (field.millimetres)
        entry["dots"] = dots(model, field).toStdString();
    return entry;
}

} // namespace

std::string SettingsReport::Text(const ConfigModel &model, const QString &printerModel)
{
    std::ostringstream text;
    text << "model       " << printerModel.toStdString() << '\n'
         << "resolution  " << model.Resolution().toStdString() << " dpi\n";
    QString page;
    for (const ConfigField &field : ConfigFields::all()) {
        if (field.parameter.isEmpty())
            continue;
        if (field.page != page) {
            page = field.page;
            text << '\n' << '[' << page.toStdString() << "]\n";
        }
        text << field.key.leftJustified(18).toStdString() << ' '
             << bareName(field).leftJustified(20).toStdString() << ' '
             << shownValue(model, field).toStdString() << '\n';
    }
    return text.str();
}

std::string SettingsReport::Json(const ConfigModel &model, const QString &printerModel)
{
    nlohmann::ordered_json fields = nlohmann::ordered_json::array();
    for (const ConfigField &field : ConfigFields::all()) {
        if (!field.parameter.isEmpty())
            fields.push_back(fieldJson(model, field));
    }
    const nlohmann::ordered_json document = {{"model", printerModel.toStdString()},
                                             {"resolution", model.Resolution().toStdString()},
                                             {"fields", fields}};
    return document.dump(2) + '\n';
}
