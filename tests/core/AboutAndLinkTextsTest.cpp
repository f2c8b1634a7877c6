#include "AboutTexts.h"
#include "FakeSystemLanguage.h"
#include "FixedClock.h"
#include "LanguageFolder.h"
#include "LinkMessageBoxes.h"
#include "RecordingDialogs.h"
#include "TConstLangV.h"
#include "TGlobalFunc.h"

#include <QHash>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class WindowTextsTest : public ::testing::Test
{
protected:
    TConstLangV &texts(const LanguageFolder::Entries &window)
    {
        m_folder.setOffered(QStringLiteral("1033"), QStringLiteral("1033"));
        m_folder.setMainSection("Global", {{"_Version", "V1.0.0.0"}});
        m_folder.setMainSection("1033", window);
        TConstLangV::Setup setup;
        setup.configFolder = m_folder.path();
        m_texts = std::make_unique<TConstLangV>(setup, m_func, m_system);
        m_texts->InitialiseMainWindowLanguage([] {});
        return *m_texts;
    }

    LanguageFolder m_folder;
    FakeSystemLanguage m_system;
    RecordingDialogs m_dialogs;
    FixedClock m_clock;
    TGlobalFunc m_func{m_dialogs, m_clock};
    std::unique_ptr<TConstLangV> m_texts;
};

TEST_F(WindowTextsTest, TheAboutWindowShowsItsTextsAndTheVersion)
{
    const auto plan = AboutTexts::Plan(texts({{"FormAbout_Caption", "About"},
                                              {"FormAbout_lblVersion", "Version: "},
                                              {"FormAbout_lblWS1", "https://example.test"},
                                              {"FormRTC_btnClose", "Close"}}));
    QHash<QString, QString> shown;
    for (const auto &[control, text] : plan)
        shown.insert(control, text);
    EXPECT_EQ(shown.value("TfrmAbout"), QStringLiteral("About"));
    EXPECT_EQ(shown.value("lblVersion"), QStringLiteral("Version: V1.0.0.0"));
    EXPECT_EQ(shown.value("lblWS1"), QStringLiteral("https://example.test"));
    EXPECT_EQ(shown.value("btnClose"), QStringLiteral("Close"));
    EXPECT_TRUE(shown.contains("lblT1"));
}

TEST_F(WindowTextsTest, WithoutAboutKeysOnlyTheVersionShows)
{
    const auto plan = AboutTexts::Plan(texts({}));
    for (const auto &[control, text] : plan)
        EXPECT_EQ(text, control == "lblVersion" ? QStringLiteral("V1.0.0.0") : QString())
            << control.toStdString();
}

TEST_F(WindowTextsTest, TheLinkShowsErrorsCaptionedWithTheErrorTitle)
{
    LinkMessageBoxes messages(texts({{"_MSG_Title_Error", "Error"},
                                     {"_Error_372", "Another program is using the port."}}),
                              m_dialogs);
    messages.showError(messages.text(QStringLiteral("_Error_372")));
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].text, QStringLiteral("Another program is using the port."));
    EXPECT_EQ(m_dialogs.boxes[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(m_dialogs.boxes[0].icon, Dialogs::Icon::Error);
}

} // namespace
