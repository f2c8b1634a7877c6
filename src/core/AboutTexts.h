#pragma once

#include <QList>
#include <QString>

#include <utility>

class TConstLangV;

// The About window's texts in the window language: its caption and the
// texts of its labels and close button, by control name. The version line is
// its label text followed directly by the program's version.
class AboutTexts
{
public:
    using Caption = std::pair<QString, QString>; // control, text

    static QList<Caption> Plan(TConstLangV &texts);
};
