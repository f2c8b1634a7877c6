#include "KnownLanguages.h"

#include <algorithm>

namespace
{

constexpr std::array<KnownLanguages::Language, 8> kLanguages{{
    {u"2052", u"-CN", u"Lang_Word_CN", true},
    {u"1033", u"-EN", u"Lang_Word_EN", true},
    {u"1028", u"-TW", u"Lang_Word_TW", true},
    {u"1036", nullptr, u"Lang_Word_Fy", true},
    {u"1034", u"-ES", u"Lang_Word_ES", true},
    {u"1049", u"-RU", u"Lang_Word_RU", true},
    {u"1041", u"-JP", u"Lang_Word_JP", true},
    {u"1046", u"-PT", u"Lang_Word_PT", false},
}};

constexpr std::array kSpanishVariants{1034,  2058,  3082,  4106,  5130,  6154,  7178,
                                      8202,  9226,  10250, 11274, 12298, 13322, 14346,
                                      15370, 16394, 17418, 18442, 19466, 20490};

struct Mapping {
    int from;
    int to;
};
constexpr std::array kOtherMappings{Mapping{2070, 1046}, Mapping{3076, 1028}, Mapping{5124, 1028}};

} // namespace

const std::array<KnownLanguages::Language, 8> &KnownLanguages::All()
{
    return kLanguages;
}

QString KnownLanguages::IdOfSwitch(const QString &argument)
{
    for (const Language &language : kLanguages) {
        if (language.switchText && argument == QStringView(language.switchText))
            return QString::fromUtf16(language.id);
    }
    return QString();
}

bool KnownLanguages::HasOwnTableFile(const QString &id)
{
    return std::any_of(kLanguages.begin(), kLanguages.end(), [&](const Language &language) {
        return language.ownTableFile && id == QStringView(language.id);
    });
}

int KnownLanguages::MapSystemLanguage(int languageId)
{
    if (std::find(kSpanishVariants.begin(), kSpanishVariants.end(), languageId) !=
        kSpanishVariants.end())
        return 1034;
    for (const Mapping &mapping : kOtherMappings) {
        if (mapping.from == languageId)
            return mapping.to;
    }
    return languageId;
}
