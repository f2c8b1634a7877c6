#include "OemProfileFactory.h"
#include "PelkoPpl_Vasko_PM44ProFull.h"
#include "TPelkoDalven.h"
#include "TPelkoFaxoNeutral.h"
#include "TPelkoGemt.h"
#include "TPelkoKest.h"
#include "TPelkoKest_Orbis.h"
#include "TPelkoLumio.h"
#include "TPelkoNesto.h"
#include "TPelkoPelko.h"
#include "TPelkoProject01.h"
#include "TPelkoRuvo.h"
#include "TPelkoSorel.h"
#include "TPelkoTamsa.h"
#include "TPelkoTessa.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <typeindex>

namespace
{

class OemProfileTest : public ::testing::Test
{
protected:
    TOemClass::Context context(bool debugMode = false) const
    {
        return {m_root.path() + QStringLiteral("/"),
                {{"2052", "简体中文"},
                 {"1028", "繁體中文"},
                 {"1033", "English"},
                 {"1034", "Español"},
                 {"1049", "Русский"},
                 {"1041", "日本語"},
                 {"1036", "Français"}},
                debugMode};
    }

    QTemporaryDir m_root;
};

struct SelectionCase {
    const char *name;
    const char *toolType;
    const char *oemCo;
    std::type_index expected;
};

const SelectionCase kSelections[] = {
    {"ThisBuild", "PelkoPpl", "PelkoPpl_Vasko_PM44ProFull", typeid(PelkoPpl_Vasko_PM44ProFull)},
    {"Pelko", "Pelko", "Pelko_Pelko", typeid(TPelkoPelko)},
    {"Tessa", "Pelko", "Pelko_Tessa", typeid(TPelkoTessa)},
    {"Kest", "Pelko", "Pelko_Kest", typeid(TPelkoKest)},
    {"KestOrbis", "Pelko", "Pelko_Kest_Orbis", typeid(TPelkoKest_Orbis)},
    {"Lumio", "Pelko", "Pelko_Lumio", typeid(TPelkoLumio)},
    {"Project", "Pelko", "Pelko_PROJECT", typeid(TPelkoProject01)},
    {"Nesto", "Pelko", "Pelko_Nesto", typeid(TPelkoNesto)},
    {"Tamsa", "Pelko", "Pelko_Tamsa", typeid(TPelkoTamsa)},
    {"Pm30IsTamsa", "Pelko", "Pelko_PM30", typeid(TPelkoTamsa)},
    {"Dalven", "Pelko", "Pelko_Dalven", typeid(TPelkoDalven)},
    {"Ruvo", "Pelko", "Pelko_Ruvo", typeid(TPelkoRuvo)},
    {"Gemt", "Pelko", "Pelko_Gemt", typeid(TPelkoGemt)},
    {"Sorel", "Pelko", "Pelko_Sorel", typeid(TPelkoSorel)},
    {"FaxoNeutral", "Pelko", "Pelko_Faxo_Neutral", typeid(TPelkoFaxoNeutral)},
    {"BothMustMatch", "PelkoPpl", "Pelko_Pelko", typeid(TOemClass)},
    {"ToolTypeCaseMatters", "pelko", "Pelko_Pelko", typeid(TOemClass)},
    {"CompanyCaseMatters", "Pelko", "pelko_pelko", typeid(TOemClass)},
    {"EmptyIdentity", "", "", typeid(TOemClass)},
    {"UnknownCompany", "Pelko", "Pelko_Other", typeid(TOemClass)},
};

class OemSelectionTest : public OemProfileTest, public ::testing::WithParamInterface<SelectionCase>
{
};

TEST_P(OemSelectionTest, ChoosesTheProfileClass)
{
    const SelectionCase &row = GetParam();
    const auto profile = OemProfileFactory::Create(QString::fromUtf8(row.toolType),
                                                   QString::fromUtf8(row.oemCo), context());
    const TOemClass &created = *profile;
    EXPECT_EQ(std::type_index(typeid(created)), row.expected);
    EXPECT_EQ(profile->ToolType(), QString::fromUtf8(row.toolType));
    EXPECT_EQ(profile->OemCo(), QString::fromUtf8(row.oemCo));
}

INSTANTIATE_TEST_SUITE_P(Rows, OemSelectionTest, ::testing::ValuesIn(kSelections),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(OemProfileTest, EveryCustomerProfileHasItsOwnIdentityAndDataFolder)
{
    const QRegularExpression hexId(QStringLiteral("^[0-9A-F]{32}$"));
    const QRegularExpression folderCode(QStringLiteral("^[0-9A-Za-z]{10}$"));
    QSet<QString> ids;
    QSet<QString> codes;
    for (const SelectionCase &row : kSelections) {
        if (row.expected == typeid(TOemClass) || row.name == std::string("Pm30IsTamsa"))
            continue;
        const auto profile = OemProfileFactory::Create(QString::fromUtf8(row.toolType),
                                                       QString::fromUtf8(row.oemCo), context());
        EXPECT_TRUE(hexId.match(profile->ProfileId()).hasMatch()) << row.name;
        EXPECT_TRUE(folderCode.match(profile->FolderCode()).hasMatch()) << row.name;
        EXPECT_EQ(profile->DataFolder(), m_root.path() + QStringLiteral("/") +
                                             profile->FolderCode() + QStringLiteral("/OcUserData/"))
            << row.name;
        EXPECT_TRUE(QDir(profile->DataFolder()).exists()) << row.name;
        ids.insert(profile->ProfileId());
        codes.insert(profile->FolderCode().toLower());
    }
    EXPECT_EQ(ids.size(), 14);
    EXPECT_EQ(codes.size(), 14) << "folder codes must differ even where case is ignored";
}

TEST_F(OemProfileTest, TheBaseProfileHasNoIdentityAndCreatesNoFolder)
{
    const auto profile = OemProfileFactory::Create(QString(), QString(), context());
    EXPECT_TRUE(profile->ProfileId().isEmpty());
    EXPECT_TRUE(profile->FolderCode().isEmpty());
    EXPECT_TRUE(profile->DataFolder().isEmpty());
    EXPECT_TRUE(profile->GetModelList().isEmpty());
    EXPECT_TRUE(QDir(m_root.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(OemProfileTest, TheBaseProfileCarriesTheDefaults)
{
    const TOemClass profile(context());
    EXPECT_EQ(profile.PathDelim(), QDir::separator());
    EXPECT_EQ(profile.LanguageIds(), QStringLiteral("2052,1028,1033,1034"));
    EXPECT_EQ(profile.LanguageNames(), QStringLiteral("简体中文,繁體中文,English,Español"));
    EXPECT_EQ(profile.LogoPicture(), QStringLiteral("kest.png"));
    EXPECT_EQ(profile.Flags().K, 2);
    EXPECT_EQ(profile.Flags().L, 1);
    EXPECT_EQ(profile.Flags().O, 1);
    for (const auto &title : profile.Titles())
        EXPECT_EQ(title, TOemClass::Title(2, QString()));
}

TEST_F(OemProfileTest, ThisBuildsProfileCarriesItsData)
{
    const PelkoPpl_Vasko_PM44ProFull profile(context());
    EXPECT_TRUE(profile.GetModelList().isEmpty());
    EXPECT_EQ(profile.LanguageIds(), QStringLiteral("2052,1028,1033,1034,1049"));
    EXPECT_EQ(profile.LanguageNames(), QStringLiteral("简体中文,繁體中文,English,Español,Русский"));
    EXPECT_EQ(profile.ModelSet(), QStringLiteral(",PM01,PM02,PM03,PM04,"));
    EXPECT_EQ(profile.VersionText(), QStringLiteral("V1.0.0.0"));
    EXPECT_EQ(profile.LogoPicture(), QStringLiteral("SorelPic.png"));
    EXPECT_EQ(profile.Titles()[0], TOemClass::Title(1, QStringLiteral("Printer Utility")));
    EXPECT_EQ(profile.Titles()[1], TOemClass::Title(1, QStringLiteral("Printer Utility")));
    EXPECT_EQ(profile.Titles()[2], TOemClass::Title(2, QString()));
    const auto &flags = profile.Flags();
    EXPECT_EQ((std::array{flags.A, flags.B, flags.C, flags.D, flags.E, flags.F, flags.G, flags.H,
                          flags.I, flags.J, flags.K, flags.L}),
              (std::array{1, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 0}));
}

TEST_F(OemProfileTest, InDebugModeThisBuildOffersMoreLanguagesMarkedWithTheirIds)
{
    const PelkoPpl_Vasko_PM44ProFull profile(context(true));
    EXPECT_EQ(profile.LanguageNames(),
              QStringLiteral("简体中文(2052),繁體中文(1028),English(1033),Español(1034),"
                             "Русский(1049),日本語(1041),Français(1036)"));
}

TEST_F(OemProfileTest, OtherProfilesListTheirModelsInBothForms)
{
    const TPelkoTamsa profile(context());
    EXPECT_EQ(profile.GetModelList(), QStringLiteral("PM30,PM43"));
    EXPECT_EQ(profile.ModelSet(), QStringLiteral(",PM30,PM43,"));
}

TEST_F(OemProfileTest, AFolderThatCannotBeCreatedIsNotReported)
{
    TOemClass::Context blocked = context();
    blocked.localAppData = m_root.filePath(QStringLiteral("file/"));
    QFile(m_root.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly);
    const auto profile =
        OemProfileFactory::Create(QStringLiteral("Pelko"), QStringLiteral("Pelko_Pelko"), blocked);
    EXPECT_FALSE(profile->DataFolder().isEmpty());
    EXPECT_FALSE(QDir(profile->DataFolder()).exists());
}

} // namespace
