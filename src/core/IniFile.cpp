#include "IniFile.h"

#include "IniDocument.h"
#include "TextFileCodec.h"
#include "WholeFileWriter.h"

#include <QFile>

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

QString IniFile::readString(const QString &section, const QString &key,
                            const QString &defaultValue) const
{
    return load().value(section, key).value_or(defaultValue);
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    if (!IniDocument::isWritableSection(section) || !IniDocument::isWritableKey(key) ||
        !IniDocument::isWritableValue(value)) {
        m_error = QStringLiteral("%1: refusing to write [%2] %3: a name or the value would break "
                                 "the file's lines")
                      .arg(m_path, section, key);
        return false;
    }
    IniDocument document = load();
    if (!m_error.isEmpty())
        return false;
    document.setValue(section, key, value);
    return save(document);
}

QStringList IniFile::sections() const
{
    return load().sectionNames();
}

QStringList IniFile::keys(const QString &section) const
{
    return load().keyNames(section);
}

bool IniFile::ensureExists()
{
    m_error.clear();
    if (QFile::exists(m_path))
        return true;
    return save(IniDocument());
}

IniDocument IniFile::load() const
{
    m_error.clear();
    QFile file(m_path);
    if (!file.exists())
        return IniDocument();
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("%1: %2").arg(m_path, file.errorString());
        return IniDocument();
    }
    return IniDocument::parse(TextFileCodec::decode(file.readAll()));
}

bool IniFile::save(const IniDocument &document)
{
    const auto problem = WholeFileWriter::write(m_path, TextFileCodec::encode(document.toText()));
    m_error = problem.value_or(QString());
    return !problem;
}
