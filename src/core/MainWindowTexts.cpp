#include "MainWindowTexts.h"

#include "ModelNames.h"
#include "TConstLangV.h"

#include <QHash>

#include <initializer_list>

namespace
{

using Assignment = MainWindowTexts::Assignment;
using Target = MainWindowTexts::Target;

// Held for the download pages before anything else is applied.
const char *const kEarlyHeldKeys[] = {
    "FormDownloadFont_btnDownload",
    "FormDownloadFont_btnDownloadCancel",
    "FormDownloadFont_ErrIO",
    "_Err_FileNotExist",
    "ProgressInfo",
    "SpaceInfo",
    "_DownloadSuccess",
};

// Page buttons show their text without its first and last character.
const char *const kPageButtons[] = {"btnT_Config", "btnT_Fonts", "btnT_Test", "btnT_CT",
                                    "btnT_DFU"};
const char *const kPageButtonTwins[][2] = {
    {"btnT2_Config", "btnT_Config"}, {"btnT2_Fonts", "btnT_Fonts"}, {"btnT2_Files", "btnT_Files"},
    {"btnT2_Test", "btnT_Test"},     {"btnT2_CT", "btnT_CT"},       {"btnT2_DFU", "btnT_DFU"},
};
// Looked up with the page buttons but shown nowhere.
const char *const kUnshownKeys[] = {"btnT_System", "cbbLanguageList"};

// Captions of controls named like their key.
const char *const kSameNameCaptions[] = {
    "grpPort",
    "btnPortSet",
    "btnCalibrateSensor",
    "btnConfigPage",
    "btnDump",
    "btnFactoryDefault",
    "btnPrintTestPage",
    "btnResetPrinter",
    "btnPrintModel",
    "btnGet",
    "btnLoad",
    "btnSave",
    "btnSet",
    "grbPrinterInfo",
    "lblPrtL",
    "lblVersion",
    "lblRibbon",
    "lblDataBits",
    "lblBaudRate",
    "lblStopBits",
    "lblParity",
    "grbPrinterState",
    "btnGetState",
    "btnAbout",
    "btnHelp",
    "lblZTearOff",
    "lblZPrintMode",
    "lblDPresentSensor",
    "lblZMediaPowerUp",
    "lblZHeadClose",
    "lblPaperSensor",
    "lblLabelTypeLock",
    "lblSpeed",
    "lblDensity",
    "lblDLabelWidth",
    "lblDControlCodes",
    "lblDColumnOffse",
    "lblDRowOffset",
    "lblBTName",
    "lblBTNameLen",
    "lblBTPWD",
    "lblBTPWDLen",
    "lblMAC",
    "lblDHCP",
    "lblIP",
    "lblSub",
    "lblGate",
    "lblWName",
    "lblWPWDType",
    "lblWPWD",
    "lblWPWDLen",
    "lblSelectFile",
    "Label4",
    "lblFontID",
    "lblSelectFont",
    "lblTestTextF",
    "btnDeleteCurFont",
    "btnDeleteAllFont",
    "btnTestFont",
    "gpbDLFiles",
    "lblImageTimes",
    "lblPPL_File",
    "btnGetAllImage",
    "btnPrintImage",
    "btnDelCurImage",
    "btnDelAllImage",
    "btnGetAllTmp",
    "btnPrintTmp",
    "btnDelCurTmp",
    "btnDelAllTmp",
    "btnGetAutoTmp",
    "btnPrintAutoTmp",
    "btnDeleteAutoTmp",
    "btnSwitchAutoform",
    "lblDensityZ",
    "lblSpeedZ",
};

struct Captions {
    const char *key;
    std::initializer_list<const char *> controls;
};

// Captions of controls named otherwise, after the ones above.
const Captions kOtherCaptions[] = {
    {"btnAC", {"Button1"}},
    {"lblPrtL1", {"Label3"}},
    {"stbSS_tabComSet", {"tabComSet"}},
    {"lblMaximumlen", {"lblMaximumLen"}},
    {"lblMaxLearnlen", {"Label24"}},
    {"lblBS1", {"Label10"}},
    {"lblBS2", {"Label23"}},
    {"FormCommandTest_btnLoadFilee", {"btnLoadFile"}},
    {"FormCommandTest_lblReadData", {"gpbDataRec"}},
    {"FormCommandTest_rdoChar", {"rdoRecChar", "rdoChar"}},
    {"FormCommandTest_rdoHex", {"rdoRecHex"}},
    {"FormCommandTest_chkSendAndRead", {"chkSendAndRead"}},
    {"FormCommandTest_lblSendTip", {"lblSendTip"}},
    {"lblMAC", {"lblIPMAC", "lblWMAC"}},
    {"lblBTNameLen", {"lblWNameLen"}},
    {"lblWDHCP", {"Label9"}},
    {"lblDHCP", {"lblWDHCP"}},
    {"lblIP", {"lblWIP"}},
    {"lblSub", {"lblWSN"}},
    {"lblGate", {"lblWGate"}},
    {"FormCommandTest_btnClearCurTab", {"btnClearCurTab"}},
    {"FormCommandTest_btnClearAllTab", {"btnClearAllTab"}},
    {"FormCommandTest_chkSendFileNow", {"CheckBox1"}},
    {"FormCommandTest_btnSaveToFile", {"Button6"}},
    {"FormCommandTest_btnDump1", {"btnStatePrinter"}},
    {"FormCommandTest_btnDump2", {"btnRibbonLength"}},
    {"FormCommandTest_btnDump3", {"btnTimeOffset"}},
    {"lblH_SW", {"Label13"}},
    {"lblS_SW", {"Label14"}},
    {"lblE_HeatDensity", {"Label8"}},
    {"lblE_PrintSpeed", {"lblDLabelWidth"}},
    {"lblE_TopOfForm", {"Label17"}},
    {"lblE_Reference", {"Label16"}},
    {"lblE_PrintOrientation", {"lblDPresentSensor"}},
    {"lblE_FormWidth", {"Label7"}},
    {"lblDLInfo", {"lblProgressInfo_F", "Label20"}},
    {"lblDFUType", {"lblFT_File"}},
    {"lblSelectFile", {"lblFN_File"}},
    {"cmbFileType_1", {"lblImage_File"}},
    {"cmbFileType_2", {"lblTemplate_File"}},
    {"cmbFileType_3", {"lblAutoTmp_File"}},
    {"FormCOM_lblFlowControl", {"Label27"}},
    {"tabZ_lblLabelWidth", {"lblLabelWidth"}},
    {"tabZ_lblAlignCenter", {"lblAlignCenter"}},
    {"btnGet", {"btnGet_tabZ"}},
    {"btnSet", {"btnSet_tabZ"}},
};

struct ListEntries {
    std::initializer_list<const char *> lists;
    std::initializer_list<const char *> keys;
    bool emptiedFirst;
};

// The entry index is what the printer's value words are mapped by.
const ListEntries kLists[] = {
    {{"cmbRibbon"}, {"cmbRibbon1", "cmbRibbon2"}, true},
    {{"cmbZPrintMode"}, {"cmbAction2", "cmbAction3", "cmbAction4"}, true},
    {{"cmbZMediaPowerUp"}, {"cmbZMediaPowerUp1", "cmbZMediaPowerUp2", "cmbZMediaPowerUp4"}, true},
    {{"cmbZHeadClose"}, {"cmbZMediaPowerUp1", "cmbZMediaPowerUp2", "cmbZMediaPowerUp4"}, true},
    {{"cmbPaperSensor"}, {"cmbPaperSensor2", "cmbPaperSensor3", "cmbPaperSensor4"}, true},
    {{"cbxLabelTypeLock"}, {"cbxLabelTypeLock1", "cbxLabelTypeLock2"}, true},
    {{"cmbDControlCodes"}, {"cmbDControlCodes1", "cmbDControlCodes2"}, true},
    {{"cmbDHCP", "cmbWDHCP"}, {"cmbDHCP1", "cmbDHCP2"}, true},
    {{"ComboBox9"}, {"cmbWorkMode1", "cmbWorkMode2"}, true},
    {{"ComboBox7"}, {"cmbTopOfBack1", "cmbTopOfBack2"}, true},
    {{"cmbFileType"}, {"cmbFileType_1", "cmbFileType_2", "cmbFileType_3"}, true},
    {{"cbxAlignCenter"}, {"tabZ_cbxAlignCenter_Item0", "tabZ_cbxAlignCenter_Item1"}, false},
};

// Message texts the window keeps for later, under the name given first;
// "FormDLF_SpaceInfo" replaces the "SpaceInfo" text held earlier.
const char *const kHeldTexts[][2] = {
    {"FormDownloadFont_btnDownload", "FormDownloadFont_btnDownload"},
    {"FormDownloadFont_btnDownloadCancel", "FormDownloadFont_btnDownloadCancel"},
    {"FormDownloadFont_ErrIO", "FormDownloadFont_ErrIO"},
    {"_Err_FileNotExist", "_Err_FileNotExist"},
    {"ProgressInfo", "ProgressInfo"},
    {"SpaceInfo", "FormDLF_SpaceInfo"},
    {"_DownloadSuccess", "_DownloadSuccess"},
    {"msgDFU", "msgDFU"},
    {"msgUS", "msgUS"},
    {"msgUF", "msgUF"},
    {"msgRP", "msgRP"},
    {"msgDL", "msgDL"},
    {"msgCC", "msgCC"},
    {"msgPNR", "msgPNR"},
    {"msgARP", "msgARP"},
    {"msgSRP", "msgSRP"},
    {"msgSRP1", "msgSRP1"},
    {"MsgBoxPaperSensor", "MsgBoxPaperSensor"},
    {"msgSM", "msgSM"},
    {"msgSI", "msgSI"},
    {"MsbBoxRF", "MsbBoxRF"},
    {"_Err_d1", "_Err_d1"},
    {"_Err_Select_PPL", "_Err_Select_PPL"},
    {"_E_MRS", "_E_MRS"},
    {"FormDLF_DLI2", "FormDLF_DLI2"},
    {"FormCommandTest_btnSend1", "FormCommandTest_btnSend1"},
    {"FormCommandTest_btnSend2", "FormCommandTest_btnSend2"},
    {"FormCommandTest_lblRecycleTimes", "FormCommandTest_lblRecycleTimes"},
    {"msgSSC", "msgSSC"},
    {"MsgBoxLabelTypeLock", "MsgBoxLabelTypeLock"},
    {"btnSwitchAutoform1", "btnSwitchAutoform1"},
    {"btnSwitchAutoform2", "btnSwitchAutoform2"},
    {"NoHelpFile", "NoHelpFile"},
};

const char *const kHintKey = "MsgBoxLabelTypeLock";
const char *const kHintControls[] = {"lblLabelTypeLock", "cbxLabelTypeLock"};
const char *const kFontColumnKey = "lvFontsItem1";

// Captions taken from texts looked up before.
const char *const kCaptionsFromHeld[][2] = {
    {"btnSend", "FormCommandTest_btnSend1"},
    {"btnDownload", "msgDFU"},
    {"btnDLFont", "msgDL"},
    {"btnDLFile", "msgDL"},
};

const char kFilesButtonEntry[] = "Lang_All_00210276_11";
const char kClockButtonEntry[] = "Lang_All_00210282_11";
const char kDelayCaptionEntries[][21] = {"Lang_All_00210340_11", "Lang_All_00010002_11"};
const char kDelayUnitEntry[] = "Lang_All_00210120_11";

QString latin(const char *text)
{
    return QString::fromLatin1(text);
}

QString withoutFirstAndLast(const QString &text)
{
    return text.size() < 2 ? QString() : text.mid(1, text.size() - 2);
}

class Planner
{
public:
    explicit Planner(TConstLangV &texts) : m_texts(texts) {}

    QList<Assignment> run()
    {
        holdEarlyTexts();
        windowCaption();
        modelList();
        caption("pnlReading", ui("pnlReading"));
        pageButtons();
        keyTable();
        captionsFromEarlierTexts();
        delayLabels();
        m_texts.LoadLanguageFont();
        return m_plan;
    }

private:
    QString ui(const char *key) { return m_texts.UiText(latin(key)); }

    void add(Target target, const QString &control, const QString &text, int index = -1)
    {
        m_plan.append({target, control, text, index});
    }
    void caption(const char *control, const QString &text)
    {
        m_captions.insert(latin(control), text);
        add(Target::Caption, latin(control), text);
    }
    void hold(const char *name, const char *key)
    {
        m_held.insert(latin(name), ui(key));
        add(Target::Held, latin(name), m_held.value(latin(name)));
    }

    void holdEarlyTexts()
    {
        for (const char *key : kEarlyHeldKeys)
            hold(key, key);
    }

    void windowCaption()
    {
        const QString version =
            m_texts.ReadUiText(TConstLangV::MasterFile, QStringLiteral("Global"), "_Version");
        add(Target::WindowCaption, QStringLiteral("TfrmSetTool"),
            ui("Caption") + QStringLiteral("  ") + version);
    }

    void modelList()
    {
        add(Target::ClearList, QStringLiteral("cmbPrts"), QString());
        for (const auto model : {ModelNames::PM44ProFull, ModelNames::PM44Pro})
            add(Target::ListEntry, QStringLiteral("cmbPrts"), ModelNames::text(model));
    }

    void pageButtons()
    {
        for (const char *button : kPageButtons)
            caption(button, withoutFirstAndLast(ui(button)));
        caption("btnT_Files", m_texts.Entry(latin(kFilesButtonEntry)));
        for (const auto &[twin, button] : kPageButtonTwins)
            caption(twin, m_captions.value(latin(button)));
        for (const char *key : kUnshownKeys)
            ui(key);
    }

    void keyTable()
    {
        for (const char *key : kSameNameCaptions)
            caption(key, ui(key));
        for (const Captions &row : kOtherCaptions) {
            const QString text = ui(row.key);
            for (const char *control : row.controls)
                caption(control, text);
        }
        for (const ListEntries &row : kLists)
            listEntries(row);
        for (const char *control : kHintControls)
            add(Target::Hint, latin(control), ui(kHintKey));
        add(Target::ColumnCaption, QStringLiteral("lvFonts"), ui(kFontColumnKey), 1);
        for (const auto &[name, key] : kHeldTexts)
            hold(name, key);
    }

    void listEntries(const ListEntries &row)
    {
        for (const char *list : row.lists) {
            if (row.emptiedFirst)
                add(Target::ClearList, latin(list), QString());
            for (const char *key : row.keys)
                add(Target::ListEntry, latin(list), ui(key));
        }
    }

    void captionsFromEarlierTexts()
    {
        for (const auto &[control, held] : kCaptionsFromHeld)
            caption(control, m_held.value(latin(held)));
        caption("btnRTC", m_texts.Entry(latin(kClockButtonEntry)));
    }

    void delayLabels()
    {
        caption("edtLbl_DownFw_ReadResponseInPacket_Before_Delay",
                m_texts.Entry(latin(kDelayCaptionEntries[0])) +
                    m_texts.Entry(latin(kDelayCaptionEntries[1])));
        caption("txtSupport_ownFw_ReadResponseInPacket_Before_Delay",
                m_texts.Entry(latin(kDelayUnitEntry)) + QStringLiteral("(%1~%2)")
                                                            .arg(MainWindowTexts::DelayMinimum)
                                                            .arg(MainWindowTexts::DelayMaximum));
    }

    TConstLangV &m_texts;
    QList<Assignment> m_plan;
    QHash<QString, QString> m_captions;
    QHash<QString, QString> m_held;
};

} // namespace

QList<MainWindowTexts::Assignment> MainWindowTexts::Plan(TConstLangV &texts)
{
    return Planner(texts).run();
}

QStringList MainWindowTexts::WindowKeys()
{
    QStringList keys{QStringLiteral("Caption"), QStringLiteral("pnlReading"), latin(kHintKey),
                     latin(kFontColumnKey)};
    for (const char *key : kEarlyHeldKeys)
        keys << latin(key);
    for (const char *key : kPageButtons)
        keys << latin(key);
    for (const char *key : kSameNameCaptions)
        keys << latin(key);
    for (const Captions &row : kOtherCaptions)
        keys << latin(row.key);
    for (const ListEntries &row : kLists) {
        for (const char *key : row.keys)
            keys << latin(key);
    }
    for (const auto &held : kHeldTexts)
        keys << latin(held[1]);
    keys.removeDuplicates();
    return keys;
}

QStringList MainWindowTexts::TableKeys()
{
    return {latin(kFilesButtonEntry), latin(kClockButtonEntry), latin(kDelayCaptionEntries[0]),
            latin(kDelayCaptionEntries[1]), latin(kDelayUnitEntry)};
}
