#include "LanguageLibrary.h"

#include "LibraryCall.h"
#include "WideBuffer.h"

LanguageLibrary::LanguageLibrary(const QString &programFolder)
    : m_library(OptionalLibrary::beside(programFolder, QStringLiteral("PrtLangDll")))
{
}

bool LanguageLibrary::Load()
{
    const bool loaded = m_library.load();
    m_library.bind(m_init, "LangInit");
    m_library.bind(m_setLanguageId, "LangSetLanguageID");
    m_library.bind(m_setLanguageFileFullName, "LangSetLanguageFN_FullName");
    m_library.bind(m_setToolType, "Lang_SetToolType");
    m_library.bind(m_setOemCo, "Lang_SetOemCo");
    m_library.bind(m_readIni, "LangReadIni");
    m_library.bind(m_unInit, "LangUnInit");
    return loaded;
}

void LanguageLibrary::Init()
{
    LibraryCall::ifBound(m_init);
}

void LanguageLibrary::SetLanguageId(const QString &languageId)
{
    LibraryCall::ifBound(m_setLanguageId, LibraryCall::text(languageId));
}

void LanguageLibrary::SetLanguageFileFullName(const QString &filePath)
{
    LibraryCall::ifBound(m_setLanguageFileFullName, LibraryCall::text(filePath));
}

void LanguageLibrary::SetToolType(const QString &toolType)
{
    LibraryCall::ifBound(m_setToolType, LibraryCall::text(toolType));
}

void LanguageLibrary::SetOemCo(const QString &oemCo)
{
    LibraryCall::ifBound(m_setOemCo, LibraryCall::text(oemCo));
}

std::optional<QString> LanguageLibrary::ReadIni(const QString &fileName, const QString &section,
                                                const QString &key)
{
    if (!m_readIni)
        return std::nullopt;
    const WideBuffer keyBuffer(key);
    WideBuffer result;
    m_readIni(LibraryCall::text(fileName), LibraryCall::text(section), keyBuffer.data(),
              result.data(), WideBuffer::Capacity);
    return result.text();
}

void LanguageLibrary::UnInit()
{
    LibraryCall::ifBound(m_unInit);
}
