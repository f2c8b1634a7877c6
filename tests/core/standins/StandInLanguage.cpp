// Records every call of the language library and answers text lookups with
// a recognisable text. Built twice: completely, and with STANDIN_PARTIAL,
// without the text lookup, as a library that cannot answer.

#include "PrtLangApi.h"
#include "StandInJournal.h"

namespace
{
bool fillWithoutEnd = false;
}

// Makes the next lookups fill the whole result buffer without a closing NUL,
// as a faulty library might.
STANDIN_EXPORT void StandIn_FillWithoutEnd(std::uint8_t enabled)
{
    fillWithoutEnd = enabled != 0;
}

STANDIN_EXPORT void PRT_LIBCALL LangInit()
{
    standin::record(u"LangInit");
}

STANDIN_EXPORT void PRT_LIBCALL LangSetLanguageID(const char16_t *languageId)
{
    standin::record(u"LangSetLanguageID", standin::text(languageId));
}

STANDIN_EXPORT void PRT_LIBCALL LangSetLanguageFN_FullName(const char16_t *filePath)
{
    standin::record(u"LangSetLanguageFN_FullName", standin::text(filePath));
}

STANDIN_EXPORT void PRT_LIBCALL Lang_SetToolType(const char16_t *toolType)
{
    standin::record(u"Lang_SetToolType", standin::text(toolType));
}

STANDIN_EXPORT void PRT_LIBCALL Lang_SetOemCo(const char16_t *oemCo)
{
    standin::record(u"Lang_SetOemCo", standin::text(oemCo));
}

#ifndef STANDIN_PARTIAL
STANDIN_EXPORT void PRT_LIBCALL LangReadIni(const char16_t *fileName, const char16_t *section,
                                            const char16_t *key, char16_t *result,
                                            std::int32_t capacity)
{
    const std::u16string arguments = standin::text(fileName) + u"," + standin::text(section) +
                                     u"," + standin::text(key) + u"," + standin::number(capacity);
    standin::record(u"LangReadIni", arguments);
    if (fillWithoutEnd) {
        std::u16string(static_cast<std::size_t>(capacity), u'x').copy(result, capacity);
        return;
    }
    const std::u16string answer = u"lib:" + standin::text(section) + u":" + standin::text(key);
    answer.copy(result, static_cast<std::size_t>(capacity) - 1);
}
#endif

STANDIN_EXPORT void PRT_LIBCALL LangUnInit()
{
    standin::record(u"LangUnInit");
}
