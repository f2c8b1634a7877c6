#pragma once

#include <QString>

#include <optional>

// The font a language asks for, and which controls of a window take it.
class LanguageFont
{
public:
    enum class ControlKind {
        Button,
        ListView,
        GroupBox,
        Edit,
        PageControl,
        RadioButton,
        CheckBox,
        ComboBox,
        RichEdit,
        RadioGroup,
        Panel,
        Label,
        Other,
    };

    // Nothing when the name is empty or the size or character set is not a
    // decimal number: the window then keeps its own font rather than
    // showing a broken one.
    static std::optional<LanguageFont> FromTexts(const QString &name, const QString &size,
                                                 const QString &charset);

    // Every control of the listed kinds takes the font, except the label
    // "lblUnit", which keeps its designed look.
    static bool AppliesTo(ControlKind kind, const QString &controlName);

    QString Name;
    int Size = 0;
    int Charset = 0;
};
