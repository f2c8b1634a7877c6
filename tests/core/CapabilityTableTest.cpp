#include "CapabilityTable.h"
#include "TFTNPm01.h"

#include <QSet>

#include <gtest/gtest.h>

namespace
{

struct ExpectedSet {
    const char *name;
    const char *models; // comma-separated, as the models of the set are written
    std::vector<const char *> features;
};

// The capability table as it is written down for the printer family,
// independent of how the table stores it.
const ExpectedSet kExpectedSets[] = {
    {"S0",
     "",
     {"FTNNo_ZHeadClose_PaperS_2_continuous_1", "FTNNo_ZMediaPowerUp_PaperS_2_continuous_1",
      "FTNNo_tabComSet2_0", "FTNNo_Zlj_Epl_GetAndSetIsY", "FTNNo_Zlj_Dpl_GetAndSetIsY",
      "FTNNo_PaperSensor_Cmb2", "FTNNo_Bluetooth_0_NameCode1", "FTNNo_PaperWidth_1",
      "FTNNo_DownloadFonts_0_PrtTestTxt1", "FTNNo_btnMore_0", "FTNNo_GetSpace_SupportStyle__02_IsN",
      "FTNNo_DownFilesOfPic_ModuleSwitch__01_IsY",
      "FTNNo_DownFilesOfNormalTemp_ModuleSwitch__01_IsY"}},
    {"S1",
     "PM13",
     {"FTNNo_BlType3", "FTNNo_NetOrWifiSwitchOn__Type1", "FTNNo_eth_Switch_CmdType1"}},
    {"S2", "PM19", {"FTNNo_PortType1", "FTNNo_Port_ETHType1__N"}},
    {"S3", "PM28", {"FTNNo_SpeedType2"}},
    {"S4",
     "PM30",
     {"FTNNo_AutoTemp_Filter1", "FTNNo_AutoTemp_Switch1", "FTNNo_AutoTemp_FileNType1",
      "FTNNo_AutoTemp_NoRepeat1", "FTNNo_AutoTemp_DownRetOk1", "FTNNo_AutoTemp_DownOkSearch1",
      "FTNNo_AutoTemp_GetType1", "FTNNo_AutoTemp_SwitchType1", "FTNNo_AutoTemp_SwitchCloseType1",
      "FTNNo_AutoTemp_CloseSwitchType1", "FTNNo_AutoTemp_DelRetType1"}},
    {"S5", "PM40", {"FTNNo_RfidTest_SupportStyle__01_IsY"}},
    {"S6",
     "PM41",
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
    {"S7", "PM44PRO", {"FTNNo_CheckByVerFromDevOrFileName__PM44PRO__01_IsY"}},
    {"S8",
     "PM44PRO FULL",
     {"FTNNo_CheckByVerFromDevOrFileName__PM44PRO_FULL__01_IsY",
      "FTNNo_btnT_Files_Visible__01_IsY"}},
    {"S9", "PM13,PM41", {"FTNNo_wlan_key_require_1"}},
    {"S10", "PM15,PM16", {"FTNNo_FlowControl_ValuesType1", "FTNNo_wlan_WifiNameCode_1"}},
    {"S11",
     "PM20,PM22",
     {"FTNNo_IsRibbon_Cmb1", "FTNNo_PaperSensor_ZHeadClose_Type1",
      "FTNNo_PaperSensor_ZMediaPowerUp_Type1", "FTNNo_SSensorSelect_Cmb1",
      "FTNNo_ZHeadClose_PaperS_1", "FTNNo_ZMediaPowerUp_PaperS_1", "FTNNo_ZljType2",
      "FTNNo_PaperSensor_Cmb1", "FTNNo_SensorSelect_Type1", "FTNNo_TearOff_NotVisible",
      "FTNNo_N_PrintTestPage", "FTNNo_N_BlackStudy", "FTNNo_N_LabelStudy",
      "FTNNo_mitemDownPaperRollKey",
      "FTNNo_DownFontLib__PacketData_Write_After_SleepTime__Time15"}},
    {"S12",
     "PM44PRO,PM44PRO FULL",
     {"FTNNo_CheckByVerFromDevOrFileName__01_IsY",
      "FTNNo_DownFilesOfAutoTemp_btnSwitchAutoform_Visible__02_IsN"}},
    {"S13", "PM13,PM20,PM22", {"FTNNo_DownloadDFU_Ota", "FTNNo_DownloadFontLib_0_Filter2"}},
    {"S14", "PM19,PM20,PM22", {"FTNNo_Port_WifiType1__N"}},
    {"S15", "PM20,PM22,PM41", {"FTNNo_SensorSelect_PaperS_1"}},
    {"S16",
     "PM01,PM02,PM03,PM04",
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
    {"S17", "PM06,PM07,PM09,PM11", {"FTNNo_LcdScreenRes_DownBeforeTipStyle__01_IsY"}},
    {"S18", "PM13,PM20,PM22,PM41", {"FTNNo_tabDPL_0__N", "FTNNo_DownloadFontLib_0_Type2"}},
    {"S19", "PM15,PM16,PM17,PM18", {"FTNNo_do__download__lcd_resources__01__Wait01"}},
    {"S20", "PM19,PM20,PM22,PM41", {"FTNNo_Port_ComType1__N"}},
    {"S21", "PM01,PM02,PM03,PM04,PM41", {"FTNNo_DownloadFonts_0_RE1", "FTNNo_DownloadDFUType1"}},
    {"S22", "PM06,PM07,PM09,PM11,PM40", {"FTNNo_IntelligentVar_Tab", "FTNNo_btnDisplayLang"}},
    {"S23", "PM13,PM15,PM16,PM17,PM18", {"FTNNo_Down_LcdResources_Wait01_Type01"}},
    {"S24", "PM01,PM02,PM03,PM04,PM13,PM41", {"FTNNo_wlan_Switch_1", "FTNNo_eth_Switch_1"}},
    {"S25", "PM01,PM02,PM03,PM04,PM20,PM22", {"FTNNo_BlType2"}},
    {"S26", "PM01,PM02,PM03,PM04,PM13,PM20,PM22", {"FTNNo_DownloadFonts_0_PrtTestTxt2"}},
    {"S27", "PM01,PM02,PM03,PM04,PM15,PM16,PM41", {"FTNNo_Bluetooth_0_Switch_1"}},
    {"S28",
     "PM05,PM06,PM07,PM08,PM13,PM15,PM16",
     {"FTNNo_Y_BlackStudy", "FTNNo_Y_LabelStudy", "FTNNo_HavePaperAutoLearn_SupportStyle__01_IsY",
      "FTNNo_NoPaperAutoLearn_SupportStyle__01_IsY"}},
    {"S29",
     "PM13,PM15,PM16,PM17,PM18,PM20,PM22",
     {"FTNNo_PrtName1_PosOfSet_1", "FTNNo_PrtNameType1"}},
    {"S30", "PM01,PM02,PM03,PM04,PM13,PM20,PM22,PM41", {"FTNNo_DownloadFontLib_0"}},
    {"S31",
     "PM05,PM06,PM07,PM08,PM09,PM10,PM11,PM12,PM15,PM16",
     {"FTNNo_BlType__ContainsCutter_Roll"}},
    {"S32", "PM05,PM06,PM07,PM08,PM09,PM10,PM11,PM12,PM40,PM41", {"FTNNo_Zlj_Tspl_GetAndSetIsY"}},
    {"S33", "PM06,PM07,PM09,PM11,PM15,PM16,PM17,PM18,PM40,PM44PRO FULL", {"FTNNo_Rtc_SetIsY"}},
    {"S34",
     "PM01,PM02,PM03,PM04,PM05,PM06,PM07,PM08,PM09,PM10,PM11,PM12",
     {"FTNNo_ReprintAfterError_SupportStyle__01_IsY"}},
    {"S35",
     "PM01,PM02,PM03,PM04,PM05,PM06,PM07,PM08,PM09,PM10,PM11,PM12,PM13,PM20,PM22",
     {"FTNNo_DownloadFonts_0_PrtTestTxtCi1"}},
    {"S36",
     "PM02,PM04,PM06,PM07,PM09,PM11,PM13,PM15,PM16,PM20,PM22,PM25,PM26,PM30,PM40",
     {"FTNNo_IsScreenFile"}},
    {"S37",
     "PM05,PM06,PM07,PM09,PM11,PM15,PM16,PM21,PM24,PM25,PM26,PM27,PM30,PM40,Tessa",
     {"FTNNo_ZHeadClose"}},
    {"S38",
     "PM01,PM02,PM03,PM04,PM05,PM06,PM07,PM08,PM14,PM24,PM25,PM26,PM30,PM40,PM41,Tessa",
     {"FTNNo_Bluetooth_0_NameCode2"}},
    {"S39",
     "PM01,PM03,PM05,PM08,PM10,PM12,PM14,PM19,PM20,PM21,PM22,PM23,PM24,PM28,PM41,Tessa",
     {"FTNNo_HLCD"}},
    {"S40",
     "PM01,PM02,PM03,PM04,PM05,PM06,PM07,PM08,PM13,PM14,PM24,PM25,PM26,PM30,PM40,PM41,Tessa",
     {"FTNNo_wlan_WifiNameCode_2"}},
    {"S41",
     "PM05,PM06,PM07,PM08,PM09,PM10,PM11,PM12,PM23,PM24,PM25,PM26,PM27,PM28,PM40,PM41,Tessa",
     {"FTNNo_SetSuccTipType1"}},
    {"S42",
     "PM05,PM06,PM07,PM08,PM09,PM10,PM11,PM12,PM14,PM15,PM16,PM19,PM21,PM23,PM24,PM25,PM26,PM27,"
     "PM28,PM30,PM40,PM41,Tessa",
     {"FTNNo_BlType1"}},
    {"S43",
     "PM01,PM02,PM03,PM04,PM05,PM06,PM07,PM08,PM09,PM10,PM11,PM12,PM14,PM19,PM21,PM23,PM24,PM25,"
     "PM26,PM27,PM28,PM30,PM40,PM41,Tessa",
     {"FTNNo_PrtModel_0"}},
    {"S44",
     "PM03,PM04,PM05,PM06,PM07,PM08,PM09,PM10,PM13,PM14,PM15,PM16,PM19,PM20,PM21,PM22,PM23,PM24,"
     "PM25,PM26,PM27,PM30,PM40,PM41,Tessa",
     {"FTNNo_IsRibbon"}},
    {"S45",
     "PM05,PM06,PM07,PM08,PM09,PM10,PM11,PM12,PM13,PM14,PM15,PM16,PM19,PM20,PM21,PM22,PM23,PM24,"
     "PM25,PM26,PM27,PM28,PM30,PM40,PM41,Tessa",
     {"FTNNo_DataBits"}},
    {"S46",
     "PM01,PM02,PM03,PM04,PM05,PM06,PM07,PM08,PM09,PM10,PM11,PM12,PM14,PM15,PM16,PM19,PM20,PM21,"
     "PM22,PM23,PM24,PM25,PM26,PM27,PM28,PM30,PM40,PM41,Tessa",
     {"FTNNo_Bluetooth_0_tabBT", "FTNNo_Bluetooth_0_Name", "FTNNo_Bluetooth_0_Pwd",
      "FTNNo_Bluetooth_0_Mac"}},
    {"S47",
     "PM01,PM02,PM03,PM04,PM05,PM06,PM07,PM08,PM09,PM10,PM11,PM12,PM13,PM14,PM15,PM16,PM19,PM20,"
     "PM21,PM22,PM23,PM24,PM25,PM26,PM27,PM28,PM30,PM40,PM41,Tessa",
     {"FTNNo_Wmqyl", "FTNNo_Wmqyl_Set", "FTNNo_CutTimes", "FTNNo_CutTest", "FTNNo_BuzzerTest"}},
};

QStringList modelsOf(const ExpectedSet &set)
{
    return QString::fromUtf8(set.models).split(u',', Qt::SkipEmptyParts);
}

QString wrapped(const ExpectedSet &set)
{
    const QStringList models = modelsOf(set);
    return models.isEmpty() ? QStringLiteral(",")
                            : QLatin1Char(',') + models.join(u',') + QLatin1Char(',');
}

// Every model any set names, and texts that resemble them without being
// one of them.
QStringList probeModels()
{
    QSet<QString> models;
    for (const ExpectedSet &set : kExpectedSets) {
        for (const QString &model : modelsOf(set))
            models.insert(model);
    }
    QStringList probes(models.begin(), models.end());
    probes << ""
           << "pm05"
           << " PM05"
           << "PM05 "
           << "PM0"
           << "PM1"
           << "PM05,PM06"
           << ",PM05,"
           << "PM44"
           << "PM44PRO FULL "
           << "pm44pro full"
           << "PM44PROFULL"
           << "TESSA"
           << "PM99";
    return probes;
}

struct FeatureCase {
    QString feature;
    const ExpectedSet *set;
};

std::vector<FeatureCase> everyFeature()
{
    std::vector<FeatureCase> cases;
    for (const ExpectedSet &set : kExpectedSets) {
        for (const char *feature : set.features)
            cases.push_back({QString::fromUtf8(feature), &set});
    }
    return cases;
}

class CapabilityFeatureTest : public ::testing::TestWithParam<FeatureCase>
{
};

TEST_P(CapabilityFeatureTest, AnswersExactlyForTheModelsOfItsSet)
{
    const FeatureCase &row = GetParam();
    const QStringList members = modelsOf(*row.set);
    const bool isRibbon = row.feature == QStringLiteral("FTNNo_IsRibbon");
    for (const QString &model : probeModels()) {
        QString modelList = QStringLiteral("untouched");
        const bool expected = members.contains(model);
        EXPECT_EQ(CapabilityTable::ModelHasFeature(row.feature, model, &modelList), expected)
            << '"' << model.toStdString() << '"';
        EXPECT_EQ(modelList, isRibbon ? QString() : wrapped(*row.set));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, CapabilityFeatureTest, ::testing::ValuesIn(everyFeature()),
                         [](const auto &info) { return info.param.feature.toStdString(); });

TEST(CapabilityTableTest, HoldsEveryFeatureOnceInTheWrittenOrder)
{
    QStringList expected;
    for (const FeatureCase &row : everyFeature())
        expected << row.feature;
    EXPECT_EQ(CapabilityTable::FeatureNames(), expected);
    EXPECT_EQ(QSet<QString>(expected.begin(), expected.end()).size(), 154);
}

TEST(CapabilityTableTest, FortyEightDistinctSetsAnswerTheFeatures)
{
    QSet<QString> sets;
    for (const FeatureCase &row : everyFeature()) {
        QString modelList;
        CapabilityTable::ModelHasFeature(row.feature, QString(), &modelList);
        if (row.feature != QStringLiteral("FTNNo_IsRibbon"))
            sets.insert(modelList);
    }
    // FTNNo_IsRibbon is the only feature of its set and hides its list.
    EXPECT_EQ(sets.size() + 1, 48);
}

struct EdgeCase {
    const char *name;
    const char *feature;
    const char *model;
    bool expected;
    const char *modelList;
};

const EdgeCase kEdgeCases[] = {
    {"EmptySetAnswersFalse", "FTNNo_GetSpace_SupportStyle__02_IsN", "PM01", false, ","},
    {"ProIsNotFull", "FTNNo_btnT_Files_Visible__01_IsY", "PM44PRO", false, ",PM44PRO FULL,"},
    {"FullHasTheFileManager", "FTNNo_btnT_Files_Visible__01_IsY", "PM44PRO FULL", true,
     ",PM44PRO FULL,"},
    {"ProChecksFirmwareByVersion", "FTNNo_CheckByVerFromDevOrFileName__01_IsY", "PM44PRO", true,
     ",PM44PRO,PM44PRO FULL,"},
    {"FullChecksFirmwareByVersion", "FTNNo_CheckByVerFromDevOrFileName__01_IsY", "PM44PRO FULL",
     true, ",PM44PRO,PM44PRO FULL,"},
    {"ModelCaseMatters", "FTNNo_ZHeadClose", "pm05", false, nullptr},
    {"ModelInCase", "FTNNo_ZHeadClose", "PM05", true, nullptr},
    {"FeatureCaseMatters", "ftnno_zheadclose", "PM05", false, ""},
    {"LeadingBlankMatchesNothing", "FTNNo_ZHeadClose", " PM05", false, nullptr},
    {"TrailingBlankMatchesNothing", "FTNNo_ZHeadClose", "PM05 ", false, nullptr},
    {"EmptyModelMatchesNothing", "FTNNo_Wmqyl", "", false, nullptr},
    {"TwoNamesAreNoModel", "FTNNo_ZHeadClose", "PM05,PM06", false, nullptr},
    {"UnknownFeature", "FTNNo_NoSuchFeature", "PM05", false, ""},
    {"RibbonOfPm01ComesFromItsObject", "FTNNo_IsRibbon", "PM01", false, ""},
    {"RibbonOfPm02", "FTNNo_IsRibbon", "PM02", false, ""},
    {"RibbonOfPm03", "FTNNo_IsRibbon", "PM03", true, ""},
    {"ClockTakesUtcOnFull", "FTNNo_Rtc_SetIsY", "PM44PRO FULL", true, nullptr},
    {"ClockTakesLocalTimeOnPro", "FTNNo_Rtc_SetIsY", "PM44PRO", false, nullptr},
};

class CapabilityEdgeTest : public ::testing::TestWithParam<EdgeCase>
{
};

TEST_P(CapabilityEdgeTest, Answers)
{
    const EdgeCase &row = GetParam();
    QString modelList;
    EXPECT_EQ(CapabilityTable::ModelHasFeature(QString::fromUtf8(row.feature),
                                               QString::fromUtf8(row.model), &modelList),
              row.expected);
    if (row.modelList) {
        EXPECT_EQ(modelList, QString::fromUtf8(row.modelList));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, CapabilityEdgeTest, ::testing::ValuesIn(kEdgeCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(CapabilityTableTest, BeforeAnyModelIsSelectedEveryFeatureIsMissing)
{
    const CapabilityTable capabilities;
    for (const QString &feature : CapabilityTable::FeatureNames())
        EXPECT_FALSE(capabilities.HasFeature(feature)) << feature.toStdString();
}

TEST(CapabilityTableTest, HasFeatureAsksAboutTheCurrentModel)
{
    CapabilityTable capabilities;
    capabilities.SetFeatureModel(QStringLiteral("PM44PRO FULL"));
    QString modelList;
    EXPECT_TRUE(
        capabilities.HasFeature(QStringLiteral("FTNNo_btnT_Files_Visible__01_IsY"), &modelList));
    EXPECT_EQ(modelList, QStringLiteral(",PM44PRO FULL,"));
    capabilities.SetFeatureModel(QStringLiteral("PM44PRO"));
    EXPECT_FALSE(capabilities.HasFeature(QStringLiteral("FTNNo_btnT_Files_Visible__01_IsY")));
}

TEST(CapabilityTableTest, OneFeatureGivesOneAnswerForBothDownloadKinds)
{
    CapabilityTable capabilities;
    capabilities.SetFeatureModel(QStringLiteral("PM41"));
    const QString feature = QStringLiteral("FTNNo_Tmp_Down_CleanBufWhenFinishStyle__01_IsY");
    EXPECT_TRUE(capabilities.HasFeature(feature));
    EXPECT_TRUE(capabilities.HasFeature(feature));
}

TEST(ModelFeatureObjectTest, StartsWithoutModelAndWithBothAnswersTrue)
{
    const TFTNClass object;
    EXPECT_TRUE(object.GetModel().isEmpty());
    EXPECT_TRUE(object.IsRibbon());
    EXPECT_TRUE(object.IsScreenFile());
}

struct ObjectCase {
    const char *model;
    bool isRibbon;
    bool isScreenFile;
};

class ModelFeatureObjectRecalcTest : public ::testing::TestWithParam<ObjectCase>
{
};

TEST_P(ModelFeatureObjectRecalcTest, SettingTheModelRecomputesBothAnswers)
{
    TFTNClass object;
    object.SetModel(QString::fromUtf8(GetParam().model));
    EXPECT_EQ(object.GetModel(), QString::fromUtf8(GetParam().model));
    EXPECT_EQ(object.IsRibbon(), GetParam().isRibbon);
    EXPECT_EQ(object.IsScreenFile(), GetParam().isScreenFile);
}

INSTANTIATE_TEST_SUITE_P(Rows, ModelFeatureObjectRecalcTest,
                         ::testing::Values(ObjectCase{"PM01", false, false},
                                           ObjectCase{"PM02", false, true},
                                           ObjectCase{"PM03", true, false},
                                           ObjectCase{"PM30", true, true},
                                           ObjectCase{"", false, false}));

TEST(ModelFeatureObjectTest, ThePm01ObjectIsSetToPm01)
{
    const TFTNPm01 object;
    EXPECT_EQ(object.GetModel(), QStringLiteral("PM01"));
    EXPECT_FALSE(object.IsRibbon());
    EXPECT_FALSE(object.IsScreenFile());
}

} // namespace
