#pragma once

// The entry points of the optional language library "PrtDll/PrtLangDll".
// The program never links against them: it binds each by name when the
// library is present. Texts are NUL-terminated UTF-16.

#include "PrtCallingConvention.h"

#include <cstdint>

extern "C" {
void PRT_LIBCALL LangInit();
void PRT_LIBCALL LangSetLanguageID(const char16_t *languageId);
void PRT_LIBCALL LangSetLanguageFN_FullName(const char16_t *filePath);
void PRT_LIBCALL Lang_SetToolType(const char16_t *toolType);
void PRT_LIBCALL Lang_SetOemCo(const char16_t *oemCo);
// The key is in a 255-character buffer; the library writes a NUL-terminated
// text of at most capacity characters into result.
void PRT_LIBCALL LangReadIni(const char16_t *fileName, const char16_t *section, const char16_t *key,
                             char16_t *result, std::int32_t capacity);
void PRT_LIBCALL LangUnInit();
}
