#include "QtSystemLanguage.h"

#include <array>

namespace
{

struct LocaleId {
    QLocale::Language language;
    QLocale::Territory territory; // AnyTerritory: the language's main id
    int id;
};

// The first row of a language is its main id.
constexpr std::array kLocaleIds{
    LocaleId{QLocale::English, QLocale::UnitedStates, 1033},
    LocaleId{QLocale::English, QLocale::UnitedKingdom, 2057},
    LocaleId{QLocale::English, QLocale::Australia, 3081},
    LocaleId{QLocale::English, QLocale::Canada, 4105},
    LocaleId{QLocale::English, QLocale::NewZealand, 5129},
    LocaleId{QLocale::English, QLocale::Ireland, 6153},
    LocaleId{QLocale::English, QLocale::India, 16393},
    LocaleId{QLocale::English, QLocale::Singapore, 18441},
    LocaleId{QLocale::Chinese, QLocale::China, 2052},
    LocaleId{QLocale::Chinese, QLocale::Taiwan, 1028},
    LocaleId{QLocale::Chinese, QLocale::HongKong, 3076},
    LocaleId{QLocale::Chinese, QLocale::Singapore, 4100},
    LocaleId{QLocale::Chinese, QLocale::Macao, 5124},
    LocaleId{QLocale::French, QLocale::France, 1036},
    LocaleId{QLocale::French, QLocale::Belgium, 2060},
    LocaleId{QLocale::French, QLocale::Canada, 3084},
    LocaleId{QLocale::French, QLocale::Switzerland, 4108},
    LocaleId{QLocale::Spanish, QLocale::Spain, 3082},
    // The traditional sort of Spain; reached only by name.
    LocaleId{QLocale::Spanish, QLocale::Spain, 1034},
    LocaleId{QLocale::Spanish, QLocale::Mexico, 2058},
    LocaleId{QLocale::Spanish, QLocale::Guatemala, 4106},
    LocaleId{QLocale::Spanish, QLocale::CostaRica, 5130},
    LocaleId{QLocale::Spanish, QLocale::Panama, 6154},
    LocaleId{QLocale::Spanish, QLocale::DominicanRepublic, 7178},
    LocaleId{QLocale::Spanish, QLocale::Venezuela, 8202},
    LocaleId{QLocale::Spanish, QLocale::Colombia, 9226},
    LocaleId{QLocale::Spanish, QLocale::Peru, 10250},
    LocaleId{QLocale::Spanish, QLocale::Argentina, 11274},
    LocaleId{QLocale::Spanish, QLocale::Ecuador, 12298},
    LocaleId{QLocale::Spanish, QLocale::Chile, 13322},
    LocaleId{QLocale::Spanish, QLocale::Uruguay, 14346},
    LocaleId{QLocale::Spanish, QLocale::Paraguay, 15370},
    LocaleId{QLocale::Spanish, QLocale::Bolivia, 16394},
    LocaleId{QLocale::Spanish, QLocale::ElSalvador, 17418},
    LocaleId{QLocale::Spanish, QLocale::Honduras, 18442},
    LocaleId{QLocale::Spanish, QLocale::Nicaragua, 19466},
    LocaleId{QLocale::Spanish, QLocale::PuertoRico, 20490},
    LocaleId{QLocale::Spanish, QLocale::UnitedStates, 21514},
    LocaleId{QLocale::Russian, QLocale::Russia, 1049},
    LocaleId{QLocale::Japanese, QLocale::Japan, 1041},
    LocaleId{QLocale::Portuguese, QLocale::Brazil, 1046},
    LocaleId{QLocale::Portuguese, QLocale::Portugal, 2070},
    LocaleId{QLocale::German, QLocale::Germany, 1031},
    LocaleId{QLocale::German, QLocale::Austria, 3079},
    LocaleId{QLocale::German, QLocale::Switzerland, 2055},
    LocaleId{QLocale::Italian, QLocale::Italy, 1040},
    LocaleId{QLocale::Korean, QLocale::SouthKorea, 1042},
    LocaleId{QLocale::Dutch, QLocale::Netherlands, 1043},
    LocaleId{QLocale::Polish, QLocale::Poland, 1045},
    LocaleId{QLocale::Turkish, QLocale::Turkey, 1055},
    LocaleId{QLocale::Vietnamese, QLocale::Vietnam, 1066},
    LocaleId{QLocale::Thai, QLocale::Thailand, 1054},
};

constexpr int kEnglishUnitedStates = 1033;

} // namespace

QtSystemLanguage::QtSystemLanguage(QLocale locale) : m_locale(std::move(locale)) {}

int QtSystemLanguage::DefaultLanguageId() const
{
    return LanguageIdOf(m_locale);
}

QString QtSystemLanguage::LanguageName(int languageId) const
{
    for (const LocaleId &row : kLocaleIds) {
        if (row.id == languageId)
            return QStringLiteral("%1 (%2)").arg(QLocale::languageToString(row.language),
                                                 QLocale::territoryToString(row.territory));
    }
    return QString();
}

int QtSystemLanguage::LanguageIdOf(const QLocale &locale)
{
    const LocaleId *main = nullptr;
    for (const LocaleId &row : kLocaleIds) {
        if (row.language != locale.language())
            continue;
        if (row.territory == locale.territory())
            return row.id;
        if (!main)
            main = &row;
    }
    return main ? main->id : kEnglishUnitedStates;
}
