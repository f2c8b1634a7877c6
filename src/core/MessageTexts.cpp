#include "MessageTexts.h"

#include <array>
#include <utility>

void MessageTexts::Load(const std::function<QString(const QString &key)> &lookup)
{
    const std::array<std::pair<const char *, QString MessageTexts::*>, 10> keys{{
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
    for (const auto &[key, text] : keys)
        this->*text = lookup(QString::fromLatin1(key));
}
