#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The text of an initialisation file with the rules of the Windows profile
// functions: section and key names match without regard to case, the first
// match wins, values lose surrounding blanks and one pair of surrounding
// quotes. Lines are kept as they are, so a write touches one line only.
class IniDocument
{
public:
    static IniDocument parse(const QString &text);

    // The lines joined with CR LF, each line ended.
    QString toText() const;

    // Nothing when the section or the key is missing, or the key's line has
    // no "=".
    std::optional<QString> value(const QString &section, const QString &key) const;

    // Replaces the first matching key's value in place, or appends the key at
    // the end of its section, or appends the section at the end of the text.
    void setValue(const QString &section, const QString &key, const QString &value);

    QStringList sectionNames() const;
    QStringList keyNames(const QString &section) const;

    // Whether a name or value can be written without changing the layout of
    // the file (no line breaks, no "=" in keys, no "]" in sections).
    static bool isWritableSection(const QString &section);
    static bool isWritableKey(const QString &key);
    static bool isWritableValue(const QString &value);

private:
    struct SectionRange {
        qsizetype header;
        qsizetype end; // one past the section's last line
    };

    std::optional<SectionRange> findSection(const QString &section) const;
    std::optional<qsizetype> findKey(const SectionRange &range, const QString &key) const;
    qsizetype appendPosition(const SectionRange &range) const;

    static std::optional<QString> sectionNameOf(const QString &line);
    static std::optional<QString> keyNameOf(const QString &line);
    static QString valueOf(const QString &line);
    static QString unquoted(const QString &value);
    static QString quotedForWriting(const QString &value);
    static bool sameName(const QString &a, const QString &b);

    QStringList m_lines;
};
