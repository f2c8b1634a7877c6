#include "LinkMessageBoxes.h"

#include "Dialogs.h"
#include "TConstLangV.h"

LinkMessageBoxes::LinkMessageBoxes(TConstLangV &texts, Dialogs &dialogs)
    : m_texts(texts), m_dialogs(dialogs)
{
}

QString LinkMessageBoxes::text(const QString &key) const
{
    return m_texts.UiText(key);
}

void LinkMessageBoxes::showError(const QString &message)
{
    m_dialogs.ShowMessage(message, m_texts.Messages().ErrorTitle, Dialogs::Icon::Error);
}
