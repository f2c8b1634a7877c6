#include "ConfigMessages.h"

#include "ConfigField.h"

ConfigMessages::ConfigMessages(Dialogs &dialogs, Lookup lookup)
    : m_dialogs(dialogs), m_lookup(std::move(lookup))
{
}

QString ConfigMessages::text(const QString &key) const
{
    return m_lookup(key);
}

void ConfigMessages::ShowError(const QString &message)
{
    m_dialogs.ShowMessage(message, text(QStringLiteral("_MSG_Title_Error")), Dialogs::Icon::Error);
}

void ConfigMessages::ShowNotice(const QString &message)
{
    m_dialogs.ShowMessage(message, text(QStringLiteral("_MSG_Title_Message")),
                          Dialogs::Icon::Information);
}

QString ConfigMessages::FieldNotANumber(const ConfigField &field, const QString &text) const
{
    // Labels end in a colon, in either language's form.
    QString name = this->text(field.captionKey).trimmed();
    while (name.endsWith(u':') || name.endsWith(u'\uff1a'))
        name.chop(1);
    if (name.isEmpty())
        name = field.key;
    return QStringLiteral("%1: '%2' is not a valid number. Nothing was sent to the printer.")
        .arg(name, text);
}

QString ConfigMessages::NotANumber(const QString &text)
{
    return QStringLiteral("'%1' is not a valid number").arg(text);
}

QString ConfigMessages::NotAWholeNumber(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}
