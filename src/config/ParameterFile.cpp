#include "ParameterFile.h"

#include "ConfigConversions.h"
#include "ConfigFields.h"
#include "ConfigMessages.h"
#include "ConfigModel.h"
#include "IniDocument.h"
#include "TextFileCodec.h"
#include "WholeFileWriter.h"

#include <QFile>
#include <QFileInfo>

const QString ParameterFile::Section = QStringLiteral("ParaConfig");
const QString ParameterFile::Extension = QStringLiteral(".prt");
const QString ParameterFile::Filter = QStringLiteral("(*.prt)");

namespace
{

// A line break would end the entry early and any control character could
// upset another program's reader, so none of them reaches the file.
QString withoutControls(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control)
            kept += c;
    }
    return kept;
}

QString savedValue(const ConfigModel &model, const ConfigField &field)
{
    if (field.kind == ConfigField::Kind::List)
        return QString::number(model.index(field.key));
    return withoutControls(model.text(field.key));
}

// A missing entry reads as an empty text, which no list takes.
std::optional<QString> loadEntry(const IniDocument &document, const ConfigField &field,
                                 ConfigModel &model)
{
    const QString value = document.value(ParameterFile::Section, field.fileKey).value_or(QString());
    if (field.kind == ConfigField::Kind::Text) {
        model.setText(field.key, value);
        return std::nullopt;
    }
    const std::optional<int> position = ConfigConversions::WholeNumber(value);
    if (!position)
        return ConfigMessages::NotAWholeNumber(value);
    model.setIndex(field.key, *position);
    return std::nullopt;
}

} // namespace

QString ParameterFile::WithPrtExtension(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0 && name.mid(dot) == Extension)
        return fileName;
    const QString stem = dot >= 0 ? name.left(dot) : name;
    return fileName.left(fileName.size() - name.size()) + stem + Extension;
}

QByteArray ParameterFile::Contents(const ConfigModel &model)
{
    IniDocument document = IniDocument::parse(QLatin1Char('[') + Section + QLatin1Char(']'));
    for (const ConfigField &field : ConfigFields::all()) {
        if (!field.fileKey.isEmpty())
            document.setValue(Section, field.fileKey, savedValue(model, field));
    }
    return TextFileCodec::encode(document.toText());
}

std::optional<QString> ParameterFile::Save(const ConfigModel &model, const QString &path)
{
    return WholeFileWriter::write(path, Contents(model));
}

std::optional<QString> ParameterFile::Load(const QString &path, ConfigModel &model)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    const IniDocument document = IniDocument::parse(TextFileCodec::decode(file.readAll()));
    for (const ConfigField &field : ConfigFields::all()) {
        if (field.fileKey.isEmpty())
            continue;
        if (const std::optional<QString> problem = loadEntry(document, field, model))
            return problem;
    }
    return std::nullopt;
}
