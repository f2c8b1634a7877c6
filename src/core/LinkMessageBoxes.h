#pragma once

#include "LinkMessages.h"

class Dialogs;
class TConstLangV;

// How the printer link tells the user about a port it could not open: texts
// in the window language, shown in an error box captioned with the
// language's error title.
class LinkMessageBoxes : public LinkMessages
{
public:
    LinkMessageBoxes(TConstLangV &texts, Dialogs &dialogs);

    QString text(const QString &key) const override;
    void showError(const QString &message) override;

private:
    TConstLangV &m_texts;
    Dialogs &m_dialogs;
};
