#include "IniDocument.h"

#include <QRegularExpression>

namespace
{
const QChar kEquals = u'=';
const QChar kComment = u';';

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}
} // namespace

IniDocument IniDocument::parse(const QString &text)
{
    IniDocument document;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    document.m_lines = text.split(lineBreak);
    // A final line break ends the last line; it does not start an empty one.
    if (!document.m_lines.isEmpty() && document.m_lines.last().isEmpty())
        document.m_lines.removeLast();
    return document;
}

QString IniDocument::toText() const
{
    QString text;
    for (const QString &line : m_lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

std::optional<QString> IniDocument::value(const QString &section, const QString &key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto line = findKey(*range, key);
    if (!line || !m_lines[*line].contains(kEquals))
        return std::nullopt;
    return unquoted(valueOf(m_lines[*line]));
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString entry = key + kEquals + quotedForWriting(value);
    const auto range = findSection(section);
    if (!range) {
        m_lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        return;
    }
    if (const auto line = findKey(*range, key)) {
        // The key keeps the spelling it has in the file.
        m_lines[*line] = *keyNameOf(m_lines[*line]) + kEquals + quotedForWriting(value);
        return;
    }
    m_lines.insert(appendPosition(*range), entry);
}

QStringList IniDocument::sectionNames() const
{
    QStringList names;
    for (const QString &line : m_lines) {
        if (const auto name = sectionNameOf(line))
            names << *name;
    }
    return names;
}

QStringList IniDocument::keyNames(const QString &section) const
{
    QStringList names;
    const auto range = findSection(section);
    if (!range)
        return names;
    for (qsizetype i = range->header + 1; i < range->end; ++i) {
        if (const auto name = keyNameOf(m_lines[i]))
            names << *name;
    }
    return names;
}

bool IniDocument::isWritableSection(const QString &section)
{
    return !section.trimmed().isEmpty() && !hasLineBreak(section) && !section.contains(u']');
}

bool IniDocument::isWritableKey(const QString &key)
{
    const QString trimmed = key.trimmed();
    return !trimmed.isEmpty() && trimmed == key && !hasLineBreak(key) && !key.contains(kEquals) &&
           !key.startsWith(u'[') && !key.startsWith(kComment);
}

bool IniDocument::isWritableValue(const QString &value)
{
    return !hasLineBreak(value);
}

std::optional<IniDocument::SectionRange> IniDocument::findSection(const QString &section) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionNameOf(m_lines[i]);
        if (!name || !sameName(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < m_lines.size() && !sectionNameOf(m_lines[end]))
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<qsizetype> IniDocument::findKey(const SectionRange &range, const QString &key) const
{
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const auto name = keyNameOf(m_lines[i]);
        if (name && sameName(*name, key))
            return i;
    }
    return std::nullopt;
}

qsizetype IniDocument::appendPosition(const SectionRange &range) const
{
    // Blank lines that close a section stay between it and the next one.
    qsizetype position = range.end;
    while (position > range.header + 1 && m_lines[position - 1].trimmed().isEmpty())
        --position;
    return position;
}

std::optional<QString> IniDocument::sectionNameOf(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.lastIndexOf(u']');
    const qsizetype end = close > 0 ? close : trimmed.size();
    return trimmed.mid(1, end - 1).trimmed();
}

std::optional<QString> IniDocument::keyNameOf(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(kComment) || trimmed.startsWith(u'['))
        return std::nullopt;
    return trimmed.section(kEquals, 0, 0).trimmed();
}

QString IniDocument::valueOf(const QString &line)
{
    return line.mid(line.indexOf(kEquals) + 1).trimmed();
}

QString IniDocument::unquoted(const QString &value)
{
    if (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

QString IniDocument::quotedForWriting(const QString &value)
{
    // Reading trims blanks and strips one pair of quotes; quoting such values
    // makes them read back exactly as written.
    const bool loosesBlanks = value.trimmed() != value;
    const bool loosesQuotes = unquoted(value) != value;
    if (loosesBlanks || loosesQuotes)
        return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}

bool IniDocument::sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
