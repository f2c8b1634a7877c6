#include "LanguageFont.h"

std::optional<LanguageFont> LanguageFont::FromTexts(const QString &name, const QString &size,
                                                    const QString &charset)
{
    bool sizeOk = false;
    bool charsetOk = false;
    LanguageFont font{name.trimmed(), size.trimmed().toInt(&sizeOk),
                      charset.trimmed().toInt(&charsetOk)};
    if (font.Name.isEmpty() || !sizeOk || !charsetOk || font.Size <= 0)
        return std::nullopt;
    return font;
}

bool LanguageFont::AppliesTo(ControlKind kind, const QString &controlName)
{
    if (kind == ControlKind::Label)
        return controlName != QStringLiteral("lblUnit");
    return kind != ControlKind::Other;
}
