#include "TConstLangV.h"

#include "IniFile.h"
#include "KnownLanguages.h"
#include "PlatformPaths.h"
#include "SystemLanguage.h"
#include "TGlobalFunc.h"
#include "TextTableCatalogue.h"

#include <QFile>

namespace
{
const QString kLanguageCollect = QStringLiteral("LanguageCollect");
const QString kSimplifiedChinese = QStringLiteral("2052");
const QString kBrazilianPortuguese = QStringLiteral("1046");
const QString kDebugTableLanguage = QStringLiteral("1049");
} // namespace

const QString TConstLangV::MasterFile = QStringLiteral("UtilityLanguage.ini");

TConstLangV::TConstLangV(const Setup &setup, TGlobalFunc &func, const SystemLanguage &system)
    : m_func(func), m_system(system), m_setup(setup),
      m_switchLanguage(KnownLanguages::IdOfSwitch(setup.firstArgument)),
      m_tableLanguage(m_switchLanguage), m_library(setup.configFolder)
{
    ChooseTableLanguage();
    // The library is not bound yet: this first load reads the files alone.
    LoadTexts();
    ReadDisplayNames();
    StartLibrary();
}

TConstLangV::~TConstLangV()
{
    Release();
}

QString TConstLangV::ReadUiText(const QString &file, const QString &section, const QString &key)
{
    const QString value =
        IniFile(PlatformPaths::join(m_setup.configFolder, file)).readString(section, key);
    return AfterHook(file, section, key, value);
}

QString TConstLangV::UiText(const QString &key)
{
    return ReadUiText(MasterFile, m_windowLanguage, key);
}

QString TConstLangV::LanguageFilePath(const QString &file, const QString &section) const
{
    if (file == MasterFile && section == m_tableLanguage &&
        KnownLanguages::HasOwnTableFile(section))
        return PlatformPaths::join(m_setup.configFolder,
                                   QStringLiteral("UtilityLanguage_%1.ini").arg(section));
    return PlatformPaths::join(m_setup.configFolder, file);
}

QString TConstLangV::ReadLangText(const QString &file, const QString &section, const QString &key)
{
    if (file.isEmpty())
        return QString();
    const QString value = IniFile(LanguageFilePath(file, section)).readString(section, key);
    return AfterHook(file, section, key, value);
}

QString TConstLangV::ReadLangTextVia(const QString &file, const QString &section,
                                     const QString &key)
{
    if (const auto answer = m_library.ReadIni(file, section, key))
        return *answer;
    return ReadLangText(file, section, key);
}

QString TConstLangV::TableText(const QString &key)
{
    return ReadLangText(MasterFile, m_tableLanguage, key);
}

QString TConstLangV::AfterHook(const QString &file, const QString &section, const QString &key,
                               const QString &value)
{
    // Without a library that reads texts the file's value stands; asking the
    // files again would only come back here.
    const bool hooked = section == kSimplifiedChinese || section == kBrazilianPortuguese;
    if (!m_hookInstalled || file != MasterFile || !hooked || !m_library.CanReadTexts())
        return value;
    return *m_library.ReadIni(file, section, key);
}

QString TConstLangV::ChooseTableLanguage()
{
    if (m_tableLanguageChosen)
        return m_tableLanguage;
    const int systemLanguage = KnownLanguages::MapSystemLanguage(m_system.DefaultLanguageId());
    if (m_switchLanguage.isEmpty())
        m_tableLanguage = QString::number(systemLanguage);
    if (m_setup.debugMode)
        m_tableLanguage = kDebugTableLanguage;
    m_languageName = m_system.LanguageName(systemLanguage);
    if (!IsOffered(m_tableLanguage, OfferedLanguages("2222:add 2052 to strLanIDList____x?"))) {
        m_tableLanguage = ReadLanguageCollect(QStringLiteral("DefaultLanguageID"));
        m_languageName = ReadLanguageCollect(QStringLiteral("DefaultLanguageName"));
        if (m_setup.debugMode)
            m_tableLanguage = kSimplifiedChinese;
    }
    m_tableLanguageChosen = true;
    return m_tableLanguage;
}

QString TConstLangV::ChooseWindowLanguage()
{
    if (m_windowLanguage.isEmpty()) {
        // Of the language switches only "-CN" carries over to the windows.
        m_windowLanguage = m_setup.firstArgument == QStringLiteral("-CN")
                               ? kSimplifiedChinese
                               : QString::number(m_system.DefaultLanguageId());
    }
    if (!IsOffered(m_windowLanguage, OfferedLanguages("1111 add 2052 to strLanIDList____x?"))) {
        m_windowLanguage = ReadLanguageCollect(QStringLiteral("DefaultLanguageID"));
        m_windowLanguageName = ReadLanguageCollect(QStringLiteral("DefaultLanguageName"));
    }
    return m_windowLanguage;
}

QString TConstLangV::OfferedLanguages(const char *question)
{
    QString offered = ReadLanguageCollect(QStringLiteral("List"));
    // Developers may try Simplified Chinese where the build does not offer it.
    if ((m_setup.debugMode || m_setup.debugMarkerExists) &&
        m_func.AskOkCancel(QString::fromLatin1(question)))
        offered += QStringLiteral(",2052");
    return offered;
}

bool TConstLangV::IsOffered(const QString &id, const QString &offered) const
{
    // A whole entry of the list must match: "103" is not offered by "1033".
    for (const QString &entry : offered.split(u','))
        if (!id.isEmpty() && entry.trimmed() == id)
            return true;
    return false;
}

QString TConstLangV::ReadLanguageCollect(const QString &key)
{
    return ReadUiText(MasterFile, kLanguageCollect, key);
}

void TConstLangV::PushLanguage()
{
    m_library.SetLanguageId(m_tableLanguage);
    const QString path = LanguageFilePath(MasterFile, m_tableLanguage);
    if (QFile::exists(path))
        m_library.SetLanguageFileFullName(path);
}

void TConstLangV::LoadTexts()
{
    m_entries.clear();
    for (const auto &lookup : TextTableCatalogue::Lookups()) {
        const QString text = lookup.viaLibrary
                                 ? ReadLangTextVia(MasterFile, m_tableLanguage, lookup.key)
                                 : ReadLangText(MasterFile, m_tableLanguage, lookup.key);
        m_entries.insert(lookup.key, LoadedText(lookup.key, text));
    }
}

QString TConstLangV::LoadedText(const QString &key, QString text)
{
    // Translators pad these two texts with "1" so that tools do not trim
    // them away.
    if (key == QStringLiteral("Lang_Word_Space"))
        return text.remove(u'1');
    if (key == QStringLiteral("btnT_Fonts"))
        return text.remove(u'1').trimmed();
    return text;
}

void TConstLangV::ReadDisplayNames()
{
    for (const auto &language : KnownLanguages::All()) {
        m_displayNames.insert(QString::fromUtf16(language.id),
                              ReadLangText(MasterFile, QStringLiteral("Global"),
                                           QString::fromUtf16(language.displayNameKey)));
    }
}

QStringList TConstLangV::PortWords()
{
    return {QStringLiteral("USB"), QStringLiteral("COM"), QStringLiteral("LPT"),
            QStringLiteral("ETH")};
}

void TConstLangV::StartLibrary()
{
    m_library.Load();
    m_library.Init();
    PushLanguage();
    m_library.SetToolType(m_setup.toolType);
    m_library.SetOemCo(m_setup.oemCo);
}

void TConstLangV::LoadMessageTexts()
{
    m_messages.Load([this](const QString &key) { return UiText(key); });
}

const std::optional<LanguageFont> &TConstLangV::LoadLanguageFont()
{
    const auto read = [this](const char *key) {
        return ReadUiText(MasterFile, m_tableLanguage, QString::fromLatin1(key));
    };
    m_font = LanguageFont::FromTexts(read("_FontName"), read("_FontSize"), read("_FontCharset"));
    return m_font;
}

void TConstLangV::InitialiseMainWindowLanguage(const std::function<void()> &applyMainWindowTexts)
{
    ChooseWindowLanguage();
    LoadMessageTexts();
    const QString tableLanguage = ChooseTableLanguage();
    LoadTexts();
    applyMainWindowTexts();
    SetTableLanguage(tableLanguage);
    PushLanguage();
    LoadTexts();
}

bool TConstLangV::Release()
{
    if (m_released)
        return true;
    m_released = true;
    m_library.UnInit();
    return !m_library.FileExists() || m_library.Unload();
}
