#include "TextTableCatalogue.h"

#include <QStringList>

namespace
{

// Keys with a name of their own, in load order.
const char *const kWordKeys[] = {
    "_MSG_Title_Message",
    "Lang_Word_BreakDown",
    "Lang_Word_Colon",
    "Lang_Word_Exclamation",
    "Lang_Word_Space",
    "_Err_OpenPort",
    "_MSG_Title_Error",
    "_MSG_Title_Warn",
    "Lang_Word_Success",
    "Lang_Word_fail",
    "Lang_Word_Open",
    "Lang_Word_Close",
    "Lang_Word_Set",
    "Lang_Word_Progress",
    "Lang_Word_Download",
    "Lang_Word_Timeout",
    "Lang_Word_multiconn",
    "Lang_Word_randomaddr",
    "Lang_Word_svcmask",
    "_OK",
    "_Cancel",
    "Lang_Word_AdvancedSettings",
    "Lang_Word_AdvancedS1",
    "Lang_Word_SetBTFunction",
    "Lang_Word_simple_pairing",
    "Lang_EnterOTAUpdate",
    "Lang_bt_ParaReseted",
    "Lang_bt_svcmask_IsNotValid",
    "Lang_CaptionPartComp",
    "cmbWorkMode1",
    "cmbWorkMode2",
    "cmbAction2",
    "cmbAction3",
    "cmbAction4",
    "cmbAction1",
    "btnT_Fonts",
    "lblSelectFont",
    "msgSSC",
    "FormDownloadFont_ErrIO",
    "msgSF",
    "Lang_Word_Waiting",
    "Lang_Word_WaitReadPrtBasicInfo",
    "Lang_Word_DownloadFile",
    "Lang_Word_ClosePortFail",
    "Lang_Word_WaitPrtReady",
    "Lang_Word_Read",
    "Lang_Word_PaperWidth",
    "Lang_ReadPaperWidthFail",
    "Lang_Word_PleaseInput1",
    "Lang_Word_PleaseInput2",
    "Lang_Word_PleaseSelect1",
    "Lang_Word_PleaseSelect2",
    "Lang_Word_MustNum1",
    "Lang_Word_MustNum2",
    "Lang_Word_NumRange1",
    "Lang_Word_NumRange2",
    "Lang_Word_NetSwitch1",
    "Lang_Word_NetSwitch2",
    "Lang_Word_WifiSwitch1",
    "Lang_Word_WifiSwitch2",
    "Lang_Word_Open2",
    "Lang_Word_Close2",
    "Lang_Word_Open3",
    "Lang_Word_Close3",
    "Lang_Word_NetOrWifiSwitchOn",
    "Lang_Word_MustPwd1",
    "Lang_Word_MustPwd2",
    "Lang_Word_NeededY",
    "Lang_Word_NeededN",
    "Lang_Word_SendSucc",
    "Lang_Word_2_SendSucc",
    "Lang_Word_BtPwd_IsNotValid",
    "Lang_Word_2_BtPwd_IsNotValid",
    "Lang_Word_BtPwd",
    "Lang_Word_Bt",
    "Lang_Word_Pwd",
    "Lang_Word_IsNotValid",
    "Lang_Word_LenNum",
    "Lang_Word_WifiPwdLenMin",
    "Lang_Word_WifiPwdLenMax",
    "Lang_Word_WifiPwd",
    "Lang_Word_LenMin",
    "Lang_Word_LenMax",
    "Lang_Word_FileNameLenMax",
    "Lang_Word_FileName",
    "Lang_Word_Len",
    "Lang_Word_LabelPrtSetTool",
    "Lang_Word_PrtSetTool",
    "Lang_Word_Label",
    "Lang_Word_Prt",
    "Lang_Word_Tool",
    "Lang_Word_Mobile",
    "Lang_Word_POS",
    "Lang_Word_MobilePrtSetTool",
    "Lang_Word_PosPrtSetTool",
    "Lang_Word_PrtUtilityTool",
    "Lang_Word_Version",
    "Lang_Word_AutoTempFileExistsD1",
    "Lang_Word_FileExistsD1",
    "Lang_Word_AutoTempFileExists1",
    "Lang_Word_FileExists1",
    "Lang_Word_NoRepeatDown1",
    "Lang_Word_AutoTempFileOpenSucc",
    "Lang_Word_AutoTempFileOpenFail",
    "Lang_Word_AutoTempFileCloseSucc",
    "Lang_Word_AutoTempFileCloseFail",
    "Lang_Word_IntelligentVar_11",
    "Lang_Word_IntelligentVar_21",
    "Lang_Word_IntelligentVar_22",
};

// Numbered keys of the company's own texts: Lang_Pelko_00010001_11 to _12;
// from the seventh on the language library is asked first.
constexpr int kCompanyKeyCount = 12;
constexpr int kFirstCompanyKeyViaLibrary = 7;

// Numbered keys "Lang_All_<group>_<item>": each group with its items, items
// given singly or as ranges. All are asked of the language library first.
const char kNumberedGroups[] =
    "00010001:11 00010002:11 00010003:11 00010004:11 00010005:11 00010006:11-16 "
    "00010007:11 00010008:11 00010009:11-12 00010010:11 00010011:11 00010012:11 "
    "00010013:11 00010014:11 00010015:11 00010018:11 00010019:11 00010020:11 00010021:11 "
    "00010022:11 00010023:11 00010024:11 00010025:11 00210007:11 00210055:11 00210056:11 "
    "00210057:11 00210058:11 00210067:11-12 00210068:11 00210069:11 00210070:11 "
    "00210071:11 00210072:11 00210073:11 00210074:11 00210075:11 00210076:11 00210077:11 "
    "00210078:11 00210079:11 00210080:11-12,31-36,51-56,71-76 00210081:11-14 "
    "00210082:11-27 00210086:11 00210087:11 00210088:11 00210089:11-29 00210090:11 "
    "00210091:11 00210092:11-14 00210093:11 00210094:11-17 00210095:11 00210096:11 "
    "00210097:11 00210098:11-12 00210099:11-14 00210100:11-13 00210101:11-12 "
    "00210102:11-15 00210103:11 00210104:11-12 00210105:11-13 00210106:11-13 00210107:11 "
    "00210108:11 00210109:11 00210110:11 00210111:11 00210112:11 00210113:11 00210114:11 "
    "00210115:11 00210116:11 00210117:11 00210118:11 00210119:11 00210120:11-15 "
    "00210121:11 00210122:11 00210123:11 00210124:11 00210125:11 00210126:11-12 "
    "00210127:11-14 00210128:11-15 00210129:11-24,51 00210130:11 00210131:11-15 "
    "00210132:11-13 00210133:11 00210134:11 00210135:11 00210136:11-13 00210137:11 "
    "00210138:11 00210139:11-12 00210140:11 00210141:11 00210142:11 00210143:11 "
    "00210144:11 00210145:11 00210146:11 00210147:11 00210148:11 00210149:11 00210150:11 "
    "00210151:11 00210152:11 00210153:11 00210154:11 00210155:11 00210156:11 00210157:11 "
    "00210158:11 00210159:11 00210160:11 00210161:11 00210162:11 00210163:11 00210164:11 "
    "00210165:11 00210166:11 00210167:14,71 00210168:11-12 00210169:11-13 00210170:11 "
    "00210171:11-13,16-17,20-21 00210172:11-14 00210173:11 00210174:11-12 00210178:11-14 "
    "00210179:12-13 00210180:11 00210181:11-18 00210184:11 00210185:11 00210186:11-13 "
    "00210187:11-13 00210188:11-19 00210189:11 00210190:11-16 00210191:11 00210193:12-14 "
    "00210194:11-12 00210197:11-20,51 00210198:11-12 00210200:11-14 00210201:11-13 "
    "00210202:11-15 00210207:16 00210208:16 00210209:11-14 00210210:11-12 00210211:11-13 "
    "00210212:11 00210213:11 00210214:11 00210215:11-14 00210216:11-20 00210217:11-12 "
    "00210218:11 00210219:11-15 00210220:11 00210221:11-12 00210222:11 00210223:11 "
    "00210224:11-12 00210225:11-12 00210226:11-12 00210227:11-12 00210228:11 00210229:11 "
    "00210230:11 00210231:11-12 00210232:11-13 00210233:11-12 00210234:11-12 "
    "00210235:11-12 00210236:11-12 00210237:11 00210238:11 00210239:12 00210240:11 "
    "00210241:11 00210242:11-13 00210243:11-12 00210244:11 00210245:11-12 00210246:11-12 "
    "00210247:11 00210248:11 00210249:11 00210250:11 00210251:11 00210252:11 "
    "00210253:11-20,51-53 00210254:11-14 00210255:11 00210256:11 00210257:11 00210258:15 "
    "00210262:11-13 00210263:11 00210264:11 00210265:11-12 00210266:11-14 00210269:11 "
    "00210270:11 00210271:11 00210272:11-13 00210273:11-13 00210274:11-13 "
    "00210275:11-12,51-53 00210276:11 00210277:11 00210278:11 00210279:11 00210280:11-12 "
    "00210281:11 00210282:11 00210283:11 00210284:11 00210285:11 00210286:11 00210287:11 "
    "00210288:11 00210289:11 00210290:11 00210291:11 00210292:11 00210293:11 00210294:11 "
    "00210295:11-12 00210296:11 00210297:11 00210298:11 00210299:11 00210300:11 "
    "00210301:11-13 00210302:11 00210303:11-12 00210304:11 00210305:11 00210306:11 "
    "00210307:11 00210308:11 00210309:11 00210310:11 00210311:11-14 00210312:11 "
    "00210313:11 00210325:11 00210326:11 00210327:11 00210328:11 00210329:11 00210330:11 "
    "00210331:11 00210332:11 00210333:11 00210334:11 00210335:11 00210336:11 00210337:11 "
    "00210338:11 00210339:11 00210340:11 00210341:11 00210342:11 00210343:11 00210344:11 "
    "00210345:11 00210346:11-12 00210347:11 00210348:11 00210349:11-13 00210350:11 "
    "00210351:11 00210352:11-13 00210353:11-17 00210354:11 00210355:11 00210356:11 "
    "00210357:11 00210358:11 00210359:11 00210360:11 00210361:11 00210362:11 00210363:11 "
    "00210364:11 00210365:11 00210366:11 00210367:11 00210368:11 00210369:11 00210370:11 "
    "00210371:11 00210372:11 00210373:11 00210374:11 00210375:11 00210376:11 ";

// Loaded once more right after this key, ahead of their place in the
// numbered keys.
const char kEarlyGroupAfter[] = "Lang_Word_WaitPrtReady";
const QString kEarlyGroup = QStringLiteral("00210215");
// Loaded twice in a row.
const QString kDoubledGroup = QStringLiteral("00210216");

QStringList numberedKeysOf(const QString &group, const QString &items)
{
    QStringList keys;
    for (const QString &part : items.split(u',')) {
        const QStringList bounds = part.split(u'-');
        const int first = bounds.first().toInt();
        const int last = bounds.last().toInt();
        for (int item = first; item <= last; ++item)
            keys << QStringLiteral("Lang_All_%1_%2").arg(group).arg(item, 2, 10, QLatin1Char('0'));
    }
    return keys;
}

QList<std::pair<QString, QStringList>> numberedGroups()
{
    QList<std::pair<QString, QStringList>> groups;
    for (const QString &entry :
         QString::fromLatin1(kNumberedGroups).split(u' ', Qt::SkipEmptyParts)) {
        const QString group = entry.section(u':', 0, 0);
        groups.append({group, numberedKeysOf(group, entry.section(u':', 1))});
    }
    return groups;
}

void appendAll(QList<TextTableCatalogue::Lookup> &lookups, const QStringList &keys, bool viaLibrary)
{
    for (const QString &key : keys)
        lookups.append({key, viaLibrary});
}

QList<TextTableCatalogue::Lookup> build()
{
    const auto groups = numberedGroups();
    QList<TextTableCatalogue::Lookup> lookups;
    for (const char *key : kWordKeys) {
        lookups.append({QString::fromLatin1(key), false});
        if (qstrcmp(key, kEarlyGroupAfter) != 0)
            continue;
        for (const auto &[group, keys] : groups) {
            if (group == kEarlyGroup)
                appendAll(lookups, keys, true);
        }
    }
    for (int number = 1; number <= kCompanyKeyCount; ++number) {
        const QString key =
            QStringLiteral("Lang_Pelko_000100%1_11").arg(number, 2, 10, QLatin1Char('0'));
        lookups.append({key, number >= kFirstCompanyKeyViaLibrary});
    }
    for (const auto &[group, keys] : groups) {
        appendAll(lookups, keys, true);
        if (group == kDoubledGroup)
            appendAll(lookups, keys, true);
    }
    return lookups;
}

} // namespace

const QList<TextTableCatalogue::Lookup> &TextTableCatalogue::Lookups()
{
    static const QList<Lookup> lookups = build();
    return lookups;
}
