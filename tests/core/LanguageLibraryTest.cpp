#include "LanguageLibrary.h"
#include "StandInLibrary.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

class LanguageLibraryTest : public ::testing::Test
{
protected:
    QString programFolder() const { return m_folder.path() + QStringLiteral("/"); }

    QTemporaryDir m_folder;
};

void callEveryEntryPoint(LanguageLibrary &library)
{
    library.Init();
    library.SetLanguageId(QStringLiteral("2052"));
    library.SetLanguageFileFullName(QStringLiteral("/opt/app/UtilityLanguage_2052.ini"));
    library.SetToolType(QStringLiteral("PelkoPpl"));
    library.SetOemCo(QStringLiteral("PelkoPpl_Vasko_PM44ProFull"));
    library.ReadIni(QStringLiteral("UtilityLanguage.ini"), QStringLiteral("2052"),
                    QStringLiteral("Caption"));
    library.UnInit();
}

TEST_F(LanguageLibraryTest, WithoutItsFileNothingIsCalledAndNoTextComes)
{
    LanguageLibrary library(programFolder());
    EXPECT_FALSE(library.Load());
    EXPECT_FALSE(library.CanReadTexts());
    callEveryEntryPoint(library);
    EXPECT_FALSE(library.ReadIni(QStringLiteral("UtilityLanguage.ini"), QStringLiteral("2052"),
                                 QStringLiteral("Caption")));
}

TEST_F(LanguageLibraryTest, HandsEveryCallAndItsArgumentsToTheLibrary)
{
    StandInLibrary standIn(StandInLibrary::Kind::Language, StandInLibrary::Variant::Full,
                           programFolder());
    LanguageLibrary library(programFolder());
    ASSERT_TRUE(library.Load());
    callEveryEntryPoint(library);
    EXPECT_EQ(
        standIn.calls(),
        (QStringList{"LangInit()", "LangSetLanguageID(2052)",
                     "LangSetLanguageFN_FullName(/opt/app/UtilityLanguage_2052.ini)",
                     "Lang_SetToolType(PelkoPpl)", "Lang_SetOemCo(PelkoPpl_Vasko_PM44ProFull)",
                     "LangReadIni(UtilityLanguage.ini,2052,Caption,255)", "LangUnInit()"}));
}

TEST_F(LanguageLibraryTest, TheLibrarysTextIsTheAnswer)
{
    StandInLibrary standIn(StandInLibrary::Kind::Language, StandInLibrary::Variant::Full,
                           programFolder());
    LanguageLibrary library(programFolder());
    ASSERT_TRUE(library.Load());
    EXPECT_TRUE(library.CanReadTexts());
    EXPECT_EQ(library.ReadIni(QStringLiteral("UtilityLanguage.ini"), QStringLiteral("1046"),
                              QStringLiteral("btnGet")),
              QStringLiteral("lib:1046:btnGet"));
}

TEST_F(LanguageLibraryTest, AnAnswerWithoutEndIsReadNoFurtherThanTheBuffer)
{
    StandInLibrary standIn(StandInLibrary::Kind::Language, StandInLibrary::Variant::Full,
                           programFolder());
    standIn.fillWithoutEnd(true);
    LanguageLibrary library(programFolder());
    ASSERT_TRUE(library.Load());
    EXPECT_EQ(library.ReadIni(QStringLiteral("UtilityLanguage.ini"), QStringLiteral("2052"),
                              QStringLiteral("Caption")),
              QString(255, u'x'));
}

TEST_F(LanguageLibraryTest, ALibraryWithoutTheLookupCannotAnswer)
{
    StandInLibrary standIn(StandInLibrary::Kind::Language, StandInLibrary::Variant::Partial,
                           programFolder());
    LanguageLibrary library(programFolder());
    ASSERT_TRUE(library.Load());
    EXPECT_FALSE(library.CanReadTexts());
    callEveryEntryPoint(library);
    EXPECT_FALSE(standIn.calls().contains(QStringLiteral("LangReadIni(UtilityLanguage.ini,2052,"
                                                         "Caption,255)")));
    EXPECT_EQ(standIn.calls().size(), 6);
}

} // namespace
