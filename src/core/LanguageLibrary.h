#pragma once

#include "OptionalLibrary.h"
#include "PrtLangApi.h"

#include <QString>

#include <optional>

// The optional language library beside the program. When present it may
// answer text lookups instead of the language files. Every call through an
// entry point the library lacks is skipped.
class LanguageLibrary
{
public:
    explicit LanguageLibrary(const QString &programFolder);

    // Loads the library when its file exists and binds every entry point.
    bool Load();
    bool FileExists() const { return m_library.fileExists(); }
    bool Unload() { return m_library.unload(); }
    bool CanReadTexts() const { return m_readIni != nullptr; }

    void Init();
    void SetLanguageId(const QString &languageId);
    void SetLanguageFileFullName(const QString &filePath);
    void SetToolType(const QString &toolType);
    void SetOemCo(const QString &oemCo);
    // The library's text for a lookup, or nothing when it cannot read texts.
    std::optional<QString> ReadIni(const QString &fileName, const QString &section,
                                   const QString &key);
    void UnInit();

private:
    OptionalLibrary m_library;
    decltype(&LangInit) m_init = nullptr;
    decltype(&LangSetLanguageID) m_setLanguageId = nullptr;
    decltype(&LangSetLanguageFN_FullName) m_setLanguageFileFullName = nullptr;
    decltype(&Lang_SetToolType) m_setToolType = nullptr;
    decltype(&Lang_SetOemCo) m_setOemCo = nullptr;
    decltype(&LangReadIni) m_readIni = nullptr;
    decltype(&LangUnInit) m_unInit = nullptr;
};
