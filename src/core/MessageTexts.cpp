#include "MessageTexts.h"

#include <array>
#include <utility>

namespace
{
using Text = QString MessageTexts::*;

constexpr std::array<std::pair<const char *, Text>, 10> kTexts{{
    {"_MSG_Title_Message", &MessageTexts::MessageTitle},
    {"_MSG_Title_Error", &MessageTexts::ErrorTitle},
    {"_MSG_Title_Warn", &MessageTexts::WarnTitle},
    {"_Err_CreatePrinter", &MessageTexts::ErrCreatePrinter},
    {"_Err_OpenPort", &MessageTexts::ErrOpenPort},
    {"_Err_WriteData", &MessageTexts::ErrWriteData},
    {"_Err_ReadData", &MessageTexts::ErrReadData},
    {"_Err_CheckSum", &MessageTexts::ErrCheckSum},
    {"_E_IC", &MessageTexts::ErrImageType},
    {"_E_ITW", &MessageTexts::ErrImageWidth},
}};
} // namespace

void MessageTexts::Load(const std::function<QString(const QString &key)> &lookup)
{
    for (const auto &[key, text] : kTexts)
        this->*text = lookup(QString::fromLatin1(key));
}

QStringList MessageTexts::Keys()
{
    QStringList keys;
    for (const auto &entry : kTexts)
        keys << QString::fromLatin1(entry.first);
    return keys;
}
