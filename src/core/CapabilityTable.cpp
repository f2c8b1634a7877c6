#include "CapabilityTable.h"

#include "ModelNames.h"
#include "TFTNPm01.h"

#include <QHash>
#include <QList>
#include <QSet>

#include <memory>

namespace
{

const QString kIsRibbon = QStringLiteral("FTNNo_IsRibbon");

struct ModelSet {
    QSet<QString> models;
    QString wrapped;
};

struct Table {
    QList<ModelSet> sets;
    QHash<QString, qsizetype> setOfFeature;
    QStringList features;
};

struct Row {
    QStringList models;
    QStringList features;
};

// One row per distinct set of models, with every feature it answers.
QList<Row> rows()
{
    const QString pm30 = ModelNames::text(ModelNames::PM30);
    const QString pm40 = ModelNames::text(ModelNames::FeaturePM40);
    const QString pm41 = ModelNames::text(ModelNames::FeaturePM41);
    const QString full = ModelNames::text(ModelNames::FeaturePM44ProFull);
    const QString pro = ModelNames::text(ModelNames::FeaturePM44Pro);
    return {
        {{},
         {"FTNNo_ZHeadClose_PaperS_2_continuous_1", "FTNNo_ZMediaPowerUp_PaperS_2_continuous_1",
          "FTNNo_tabComSet2_0", "FTNNo_Zlj_Epl_GetAndSetIsY", "FTNNo_Zlj_Dpl_GetAndSetIsY",
          "FTNNo_PaperSensor_Cmb2", "FTNNo_Bluetooth_0_NameCode1", "FTNNo_PaperWidth_1",
          "FTNNo_DownloadFonts_0_PrtTestTxt1", "FTNNo_btnMore_0",
          "FTNNo_GetSpace_SupportStyle__02_IsN", "FTNNo_DownFilesOfPic_ModuleSwitch__01_IsY",
          "FTNNo_DownFilesOfNormalTemp_ModuleSwitch__01_IsY"}},
        {{"PM13"},
         {"FTNNo_BlType3", "FTNNo_NetOrWifiSwitchOn__Type1", "FTNNo_eth_Switch_CmdType1"}},
        {{"PM19"}, {"FTNNo_PortType1", "FTNNo_Port_ETHType1__N"}},
        {{"PM28"}, {"FTNNo_SpeedType2"}},
        {{pm30},
         {"FTNNo_AutoTemp_Filter1", "FTNNo_AutoTemp_Switch1", "FTNNo_AutoTemp_FileNType1",
          "FTNNo_AutoTemp_NoRepeat1", "FTNNo_AutoTemp_DownRetOk1", "FTNNo_AutoTemp_DownOkSearch1",
          "FTNNo_AutoTemp_GetType1", "FTNNo_AutoTemp_SwitchType1",
          "FTNNo_AutoTemp_SwitchCloseType1", "FTNNo_AutoTemp_CloseSwitchType1",
          "FTNNo_AutoTemp_DelRetType1"}},
        {{pm40}, {"FTNNo_RfidTest_SupportStyle__01_IsY"}},
        {{pm41},
         {"FTNNo_SensorSelect_PaperS_2_label_1",
          "FTNNo_ZljType_UseDefTypeIsN",
          "FTNNo_Zlj_Auto_GetAndSetIsY",
          "FTNNo_Zlj_Zpl_GetAndSetIsY",
          "FTNNo_PaperSensor_Cmb3",
          "FTNNo_PrtModelB_0_SupportStyle__01_IsN",
          "FTNNo_WifiMacAddr_SupportStyle__02_IsN",
          "FTNNo_cmbZMediaPowerUp2_SupportStyle__02_IsN",
          "FTNNo_cmbZMediaPowerUp2_ZHeadClose_SupportStyle__02_IsN",
          "FTNNo_GetParaDpl_SupportStyle__02_IsN",
          "FTNNo_GetPara_Comm_SupportStyle__02_IsN",
          "FTNNo_GetParaOfZpl_SupportStyle__02_IsN",
          "FTNNo_ReprintAfterError_SupportStyle__02_IsN",
          "FTNNo_HeatAdj_SupportStyle__02_IsN",
          "FTNNo_WifiMod_ReadOrder_Pos__01_Old_IsN",
          "FTNNo_DO_unlock_para__01_IsY",
          "FTNNo_DO_DO_save_param_zone__01_IsY",
          "FTNNo_CleanBufWhenSaveParaFinishStyle__01_IsY",
          "FTNNo_BtSimplePairing_SupportStyle__01_IsY",
          "FTNNo_SW_Eth_SupportStyle__01_IsN",
          "FTNNo_SW_Com_SupportStyle__01_IsN",
          "FTNNo_Tmp_FileNameWithPPLStyle__01_IsN",
          "FTNNo_Tmp_Find_FileNameWithPPLStyle__01_IsN",
          "FTNNo_Tmp_DelCur_PrtResStyle__01_IsN",
          "FTNNo_Tmp_Down_CleanBufWhenFinishStyle__01_IsY",
          "FTNNo_Tmp_AutoTmp_SupportStyle__02_IsN",
          "FTNNo_Tmp_AutoTmp_Find_ValueMultiStyle__01_Multi",
          "FTNNo_Tmp_AutoTmp_Find_FileNameWithPPLStyle__01_IsN",
          "FTNNo_Tmp_AutoTmp_DelCur_PrtResStyle__01_IsN"}},
        {{pro}, {"FTNNo_CheckByVerFromDevOrFileName__PM44PRO__01_IsY"}},
        {{full},
         {"FTNNo_CheckByVerFromDevOrFileName__PM44PRO_FULL__01_IsY",
          "FTNNo_btnT_Files_Visible__01_IsY"}},
        {{"PM13", pm41}, {"FTNNo_wlan_key_require_1"}},
        {{"PM15", "PM16"}, {"FTNNo_FlowControl_ValuesType1", "FTNNo_wlan_WifiNameCode_1"}},
        {{"PM20", "PM22"},
         {"FTNNo_IsRibbon_Cmb1", "FTNNo_PaperSensor_ZHeadClose_Type1",
          "FTNNo_PaperSensor_ZMediaPowerUp_Type1", "FTNNo_SSensorSelect_Cmb1",
          "FTNNo_ZHeadClose_PaperS_1", "FTNNo_ZMediaPowerUp_PaperS_1", "FTNNo_ZljType2",
          "FTNNo_PaperSensor_Cmb1", "FTNNo_SensorSelect_Type1", "FTNNo_TearOff_NotVisible",
          "FTNNo_N_PrintTestPage", "FTNNo_N_BlackStudy", "FTNNo_N_LabelStudy",
          "FTNNo_mitemDownPaperRollKey",
          "FTNNo_DownFontLib__PacketData_Write_After_SleepTime__Time15"}},
        {{pro, full},
         {"FTNNo_CheckByVerFromDevOrFileName__01_IsY",
          "FTNNo_DownFilesOfAutoTemp_btnSwitchAutoform_Visible__02_IsN"}},
        {{"PM13", "PM20", "PM22"}, {"FTNNo_DownloadDFU_Ota", "FTNNo_DownloadFontLib_0_Filter2"}},
        {{"PM19", "PM20", "PM22"}, {"FTNNo_Port_WifiType1__N"}},
        {{"PM20", "PM22", pm41}, {"FTNNo_SensorSelect_PaperS_1"}},
        {{"PM01", "PM02", "PM03", "PM04"},
         {"FTNNo_PaperSensor_Check1",
          "FTNNo_ZljType1",
          "FTNNo_ZdzccdType1",
          "FTNNo_Bluetooth_0_SimplePairing",
          "FTNNo_Bluetooth_0_MultiConn",
          "FTNNo_Bluetooth_0_Randomaddr",
          "FTNNo_Bluetooth_0_Svcmask",
          "FTNNo_Bluetooth_0_Version",
          "FTNNo_Bluetooth_0_EnterOta",
          "FTNNo_Bluetooth_0_ParaReset",
          "FTNNo_AdvancedSettings_0",
          "FTNNo_Bluetooth_0_SetBTFun",
          "FTNNo_ZdzccdfwType1",
          "FTNNo_SpeedType1",
          "FTNNo_PrinterStatus",
          "FTNNo_DownloadFontLib_0_Type1",
          "FTNNo_DownloadFontLib_0_Filter1",
          "FTNNo_DownloadEnvVar_0",
          "FTNNo_eth_Switch_CmdType2",
          "FTNNo_Down_LcdResources__AfterStage01FinishCmd__Type01",
          "FTNNo_Down_LcdFirmware__AfterStage01FinishCmd__Type01"}},
        {{"PM06", "PM07", "PM09", "PM11"}, {"FTNNo_LcdScreenRes_DownBeforeTipStyle__01_IsY"}},
        {{"PM13", "PM20", "PM22", pm41}, {"FTNNo_tabDPL_0__N", "FTNNo_DownloadFontLib_0_Type2"}},
        {{"PM15", "PM16", "PM17", "PM18"}, {"FTNNo_do__download__lcd_resources__01__Wait01"}},
        {{"PM19", "PM20", "PM22", pm41}, {"FTNNo_Port_ComType1__N"}},
        {{"PM01", "PM02", "PM03", "PM04", pm41},
         {"FTNNo_DownloadFonts_0_RE1", "FTNNo_DownloadDFUType1"}},
        {{"PM06", "PM07", "PM09", "PM11", pm40},
         {"FTNNo_IntelligentVar_Tab", "FTNNo_btnDisplayLang"}},
        {{"PM13", "PM15", "PM16", "PM17", "PM18"}, {"FTNNo_Down_LcdResources_Wait01_Type01"}},
        {{"PM01", "PM02", "PM03", "PM04", "PM13", pm41},
         {"FTNNo_wlan_Switch_1", "FTNNo_eth_Switch_1"}},
        {{"PM01", "PM02", "PM03", "PM04", "PM20", "PM22"}, {"FTNNo_BlType2"}},
        {{"PM01", "PM02", "PM03", "PM04", "PM13", "PM20", "PM22"},
         {"FTNNo_DownloadFonts_0_PrtTestTxt2"}},
        {{"PM01", "PM02", "PM03", "PM04", "PM15", "PM16", pm41}, {"FTNNo_Bluetooth_0_Switch_1"}},
        {{"PM05", "PM06", "PM07", "PM08", "PM13", "PM15", "PM16"},
         {"FTNNo_Y_BlackStudy", "FTNNo_Y_LabelStudy",
          "FTNNo_HavePaperAutoLearn_SupportStyle__01_IsY",
          "FTNNo_NoPaperAutoLearn_SupportStyle__01_IsY"}},
        {{"PM13", "PM15", "PM16", "PM17", "PM18", "PM20", "PM22"},
         {"FTNNo_PrtName1_PosOfSet_1", "FTNNo_PrtNameType1"}},
        {{"PM01", "PM02", "PM03", "PM04", "PM13", "PM20", "PM22", pm41},
         {"FTNNo_DownloadFontLib_0"}},
        {{"PM05", "PM06", "PM07", "PM08", "PM09", "PM10", "PM11", "PM12", "PM15", "PM16"},
         {"FTNNo_BlType__ContainsCutter_Roll"}},
        {{"PM05", "PM06", "PM07", "PM08", "PM09", "PM10", "PM11", "PM12", pm40, pm41},
         {"FTNNo_Zlj_Tspl_GetAndSetIsY"}},
        {{"PM06", "PM07", "PM09", "PM11", "PM15", "PM16", "PM17", "PM18", pm40, full},
         {"FTNNo_Rtc_SetIsY"}},
        {{"PM01", "PM02", "PM03", "PM04", "PM05", "PM06", "PM07", "PM08", "PM09", "PM10", "PM11",
          "PM12"},
         {"FTNNo_ReprintAfterError_SupportStyle__01_IsY"}},
        {{"PM01", "PM02", "PM03", "PM04", "PM05", "PM06", "PM07", "PM08", "PM09", "PM10", "PM11",
          "PM12", "PM13", "PM20", "PM22"},
         {"FTNNo_DownloadFonts_0_PrtTestTxtCi1"}},
        {{"PM02", "PM04", "PM06", "PM07", "PM09", "PM11", "PM13", "PM15", "PM16", "PM20", "PM22",
          "PM25", "PM26", pm30, pm40},
         {"FTNNo_IsScreenFile"}},
        {{"PM05", "PM06", "PM07", "PM09", "PM11", "PM15", "PM16", "PM21", "PM24", "PM25", "PM26",
          "PM27", pm30, pm40, "Tessa"},
         {"FTNNo_ZHeadClose"}},
        {{"PM01", "PM02", "PM03", "PM04", "PM05", "PM06", "PM07", "PM08", "PM14", "PM24", "PM25",
          "PM26", pm30, pm40, pm41, "Tessa"},
         {"FTNNo_Bluetooth_0_NameCode2"}},
        {{"PM01", "PM03", "PM05", "PM08", "PM10", "PM12", "PM14", "PM19", "PM20", "PM21", "PM22",
          "PM23", "PM24", "PM28", pm41, "Tessa"},
         {"FTNNo_HLCD"}},
        {{"PM01", "PM02", "PM03", "PM04", "PM05", "PM06", "PM07", "PM08", "PM13", "PM14", "PM24",
          "PM25", "PM26", pm30, pm40, pm41, "Tessa"},
         {"FTNNo_wlan_WifiNameCode_2"}},
        {{"PM05", "PM06", "PM07", "PM08", "PM09", "PM10", "PM11", "PM12", "PM23", "PM24", "PM25",
          "PM26", "PM27", "PM28", pm40, pm41, "Tessa"},
         {"FTNNo_SetSuccTipType1"}},
        {{"PM05", "PM06", "PM07", "PM08", "PM09", "PM10", "PM11", "PM12",
          "PM14", "PM15", "PM16", "PM19", "PM21", "PM23", "PM24", "PM25",
          "PM26", "PM27", "PM28", pm30,   pm40,   pm41,   "Tessa"},
         {"FTNNo_BlType1"}},
        {{"PM01", "PM02", "PM03", "PM04", "PM05", "PM06", "PM07", "PM08", "PM09",
          "PM10", "PM11", "PM12", "PM14", "PM19", "PM21", "PM23", "PM24", "PM25",
          "PM26", "PM27", "PM28", pm30,   pm40,   pm41,   "Tessa"},
         {"FTNNo_PrtModel_0"}},
        {{"PM03", "PM04", "PM05", "PM06", "PM07", "PM08", "PM09", "PM10", "PM13",
          "PM14", "PM15", "PM16", "PM19", "PM20", "PM21", "PM22", "PM23", "PM24",
          "PM25", "PM26", "PM27", pm30,   pm40,   pm41,   "Tessa"},
         {"FTNNo_IsRibbon"}},
        {{"PM05", "PM06", "PM07", "PM08", "PM09", "PM10", "PM11", "PM12", "PM13",
          "PM14", "PM15", "PM16", "PM19", "PM20", "PM21", "PM22", "PM23", "PM24",
          "PM25", "PM26", "PM27", "PM28", pm30,   pm40,   pm41,   "Tessa"},
         {"FTNNo_DataBits"}},
        {{"PM01", "PM02", "PM03", "PM04", "PM05", "PM06", "PM07", "PM08", "PM09", "PM10",
          "PM11", "PM12", "PM14", "PM15", "PM16", "PM19", "PM20", "PM21", "PM22", "PM23",
          "PM24", "PM25", "PM26", "PM27", "PM28", pm30,   pm40,   pm41,   "Tessa"},
         {"FTNNo_Bluetooth_0_tabBT", "FTNNo_Bluetooth_0_Name", "FTNNo_Bluetooth_0_Pwd",
          "FTNNo_Bluetooth_0_Mac"}},
        {{"PM01", "PM02", "PM03", "PM04", "PM05", "PM06", "PM07", "PM08", "PM09", "PM10",
          "PM11", "PM12", "PM13", "PM14", "PM15", "PM16", "PM19", "PM20", "PM21", "PM22",
          "PM23", "PM24", "PM25", "PM26", "PM27", "PM28", pm30,   pm40,   pm41,   "Tessa"},
         {"FTNNo_Wmqyl", "FTNNo_Wmqyl_Set", "FTNNo_CutTimes", "FTNNo_CutTest", "FTNNo_BuzzerTest"}},
    };
}

Table buildTable()
{
    Table table;
    for (const Row &row : rows()) {
        const qsizetype index = table.sets.size();
        table.sets.append({QSet<QString>(row.models.begin(), row.models.end()),
                           QLatin1Char(',') + row.models.join(QLatin1Char(',')) +
                               (row.models.isEmpty() ? QString() : QStringLiteral(","))});
        for (const QString &feature : row.features)
            table.setOfFeature.insert(feature, index);
        table.features += row.features;
    }
    return table;
}

const Table &table()
{
    static const Table instance = buildTable();
    return instance;
}

const ModelSet *setOf(const QString &feature)
{
    const auto found = table().setOfFeature.constFind(feature);
    return found == table().setOfFeature.constEnd() ? nullptr : &table().sets[*found];
}

} // namespace

bool CapabilityTable::ModelHasFeature(const QString &feature, const QString &model,
                                      QString *modelList)
{
    const ModelSet *set = setOf(feature);
    if (modelList)
        *modelList = set && feature != kIsRibbon ? set->wrapped : QString();
    if (feature == kIsRibbon && model == QStringLiteral("PM01"))
        return std::make_unique<TFTNPm01>()->IsRibbon();
    return set && set->models.contains(model);
}

bool CapabilityTable::IsListed(const QString &feature, const QString &model)
{
    const ModelSet *set = setOf(feature);
    return set && set->models.contains(model);
}

bool CapabilityTable::HasFeature(const QString &feature, QString *modelList) const
{
    return ModelHasFeature(feature, m_featureModel, modelList);
}

QStringList CapabilityTable::FeatureNames()
{
    return table().features;
}
