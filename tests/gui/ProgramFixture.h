#pragma once

#include "ChoosingDialogs.h"
#include "FakeIdentityDialog.h"
#include "FakePrinterApi.h"
#include "FakeSystemLanguage.h"
#include "FixedClock.h"
#include "LanguageFolder.h"
#include "RecordingSleeper.h"
#include "SdkPrinterApi.h"
#include "TfrmSetTool.h"
#include "UtilityProgram.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// The program started in a folder of its own, with an option file for this
// build's profile and a language section the test fills: message boxes,
// the printer library, the identity dialog and the desktop are fakes that
// record what they were asked.
class ProgramFixture : public ::testing::Test
{
protected:
    void SetUp() override;

    // Language texts of the window language (1033) and of its table file.
    void SetTexts(const LanguageFolder::Entries &texts);
    void SetTableTexts(const LanguageFolder::Entries &texts);

    // Everything up to the windows, with these arguments after the program.
    void StartUp(const QStringList &arguments = {});
    // StartUp, then the main window's first show.
    void Start(const QStringList &arguments = {});

    TfrmSetTool &window() const;
    QString programFolder() const { return m_language.path(); }
    QString debugDrive() const { return m_root.filePath(QStringLiteral("drive/")); }

    // A control of the main window itself, not of a window it owns.
    template <typename Control = QWidget> Control *control(const QString &name) const
    {
        for (Control *found : window().findChildren<Control *>(name)) {
            if (found->window() == &window())
                return found;
        }
        ADD_FAILURE() << "no control " << name.toStdString();
        return nullptr;
    }
    void click(const QString &name) const;
    // What a user's choice in a list does: the entry is selected and the
    // list reports it as chosen.
    static void choose(QComboBox &list, int index);
    // Clicks the button, and closes the modal window it opens; gives the
    // name of that window.
    static QString clickAndCloseModal(QAbstractButton &button);

    LanguageFolder m_language;
    QTemporaryDir m_root;
    ChoosingDialogs m_dialogs;
    FixedClock m_clock{QDateTime(QDate(2024, 5, 6), QTime(10, 0))};
    FakeSystemLanguage m_system;
    FakePrinterApi m_printer;
    // The printer library itself, for the built-in virtual printer.
    SdkPrinterApi m_library;
    PrinterApi *m_printerApi = &m_printer;
    RecordingSleeper m_sleeper;
    FakeIdentityDialog m_identity;
    IdentityDialog *m_identityDialog = &m_identity;
    QStringList m_opened;
    std::unique_ptr<UtilityProgram> m_program;
};
