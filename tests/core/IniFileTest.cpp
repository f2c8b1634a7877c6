#include "IniFile.h"
#include "FileSizeLimit.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

class IniFileTest : public ::testing::Test
{
protected:
    QString path(const QString &name = QStringLiteral("test.ini")) const
    {
        return m_folder.filePath(name);
    }

    QTemporaryDir m_folder;
};

struct ReadCase {
    const char *name;
    const char *content;
    const char *section;
    const char *key;
    const char *expected;
};

// Each row: the file's text, the lookup, and what the lookup gives; a
// missing value gives the default "<default>".
const ReadCase kReadCases[] = {
    {"PlainValue", "[Main]\r\nKey=Value\r\n", "Main", "Key", "Value"},
    {"SectionNameIgnoresCase", "[MAIN]\r\nKey=Value\r\n", "main", "Key", "Value"},
    {"KeyNameIgnoresCase", "[Main]\r\nKEY=Value\r\n", "Main", "key", "Value"},
    {"ValueKeepsCase", "[Main]\r\nKey=MiXeD\r\n", "Main", "Key", "MiXeD"},
    {"BlanksAroundValueGo", "[Main]\r\nKey =   spaced value \t\r\n", "Main", "Key", "spaced value"},
    {"BlanksAroundNamesGo", "  [ Main ]  \r\n   Key   = v\r\n", "Main", "Key", "v"},
    {"DoubleQuotesGo", "[Main]\r\nKey=\"quoted\"\r\n", "Main", "Key", "quoted"},
    {"SingleQuotesGo", "[Main]\r\nKey='quoted'\r\n", "Main", "Key", "quoted"},
    {"QuotesKeepInnerBlanks", "[Main]\r\nKey=\" a b \"\r\n", "Main", "Key", " a b "},
    {"OnlyOnePairOfQuotesGoes", "[Main]\r\nKey=\"\"x\"\"\r\n", "Main", "Key", "\"x\""},
    {"MismatchedQuotesStay", "[Main]\r\nKey=\"x'\r\n", "Main", "Key", "\"x'"},
    {"LoneQuoteStays", "[Main]\r\nKey=\"\r\n", "Main", "Key", "\""},
    {"EqualsInValueStays", "[Main]\r\nKey=a=b\r\n", "Main", "Key", "a=b"},
    {"EmptyValueIsNotDefault", "[Main]\r\nKey=\r\n", "Main", "Key", ""},
    {"FirstKeyWins", "[Main]\r\nKey=first\r\nKey=second\r\n", "Main", "Key", "first"},
    {"FirstSectionWins", "[Main]\r\nKey=first\r\n[main]\r\nKey=second\r\n", "Main", "Key", "first"},
    {"KeyOfAnotherSectionIsNotSeen", "[Other]\r\nKey=x\r\n[Main]\r\n", "Main", "Key", "<default>"},
    {"MissingSection", "[Main]\r\nKey=x\r\n", "Nope", "Key", "<default>"},
    {"MissingKey", "[Main]\r\nKey=x\r\n", "Main", "Nope", "<default>"},
    {"KeyBeforeAnySectionIsNotSeen", "Key=x\r\n[Main]\r\n", "Main", "Key", "<default>"},
    {"LineWithoutEqualsHasNoValue", "[Main]\r\nKey\r\n", "Main", "Key", "<default>"},
    {"CommentIsNoKey", "[Main]\r\n;Key=x\r\n", "Main", ";Key", "<default>"},
    {"UnixLineEnds", "[Main]\nKey=unix\n", "Main", "Key", "unix"},
    {"OldMacLineEnds", "[Main]\rKey=mac\r", "Main", "Key", "mac"},
    {"NoFinalLineEnd", "[Main]\r\nKey=last", "Main", "Key", "last"},
    {"Utf8Text", "[2052]\r\nCaption=打印机设置\r\n", "2052", "Caption", "打印机设置"},
    {"Utf8WithMark", "\xEF\xBB\xBF[Main]\r\nKey=marked\r\n", "Main", "Key", "marked"},
};

class IniReadTest : public IniFileTest, public ::testing::WithParamInterface<ReadCase>
{
};

TEST_P(IniReadTest, GivesTheValueTheProfileRulesGive)
{
    const ReadCase &row = GetParam();
    TestFiles::write(path(), QByteArray(row.content));
    const IniFile ini(path());
    EXPECT_EQ(ini.readString(QString::fromUtf8(row.section), QString::fromUtf8(row.key),
                             QStringLiteral("<default>")),
              QString::fromUtf8(row.expected));
    EXPECT_TRUE(ini.errorString().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Rows, IniReadTest, ::testing::ValuesIn(kReadCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(IniFileTest, MissingFileGivesTheDefaultWithoutError)
{
    const IniFile ini(path(QStringLiteral("absent.ini")));
    EXPECT_EQ(ini.readString(QStringLiteral("Main"), QStringLiteral("Key"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_TRUE(ini.sections().isEmpty());
    EXPECT_TRUE(ini.errorString().isEmpty());
}

TEST_F(IniFileTest, ReadsUtf16FilesWrittenByWindowsTools)
{
    const QString text = QStringLiteral("[1033]\r\nCaption=Printer setup\r\n[2052]\r\n"
                                        "Caption = \"打印机 设置\"\r\n");
    TestFiles::write(path(), TestFiles::utf16LeWithMark(text));
    const IniFile ini(path());
    EXPECT_EQ(ini.readString(QStringLiteral("1033"), QStringLiteral("caption")),
              QStringLiteral("Printer setup"));
    EXPECT_EQ(ini.readString(QStringLiteral("2052"), QStringLiteral("Caption")),
              QStringLiteral("打印机 设置"));
    EXPECT_EQ(ini.sections(), (QStringList{QStringLiteral("1033"), QStringLiteral("2052")}));
}

TEST_F(IniFileTest, ListsSectionsAndKeysInFileOrder)
{
    TestFiles::write(path(), "; heading\r\n[First]\r\nb=1\r\n;note=x\r\na=2\r\nflag\r\n\r\n"
                             "[Second]\r\nc=3\r\n");
    const IniFile ini(path());
    EXPECT_EQ(ini.sections(), (QStringList{QStringLiteral("First"), QStringLiteral("Second")}));
    EXPECT_EQ(ini.keys(QStringLiteral("first")),
              (QStringList{QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("flag")}));
    EXPECT_TRUE(ini.keys(QStringLiteral("Third")).isEmpty());
}

struct WriteCase {
    const char *name;
    const char *before; // nullptr: no file
    const char *section;
    const char *key;
    const char *value;
    const char *after;
};

// Each row: the file before, one write, and the exact bytes after it.
const WriteCase kWriteCases[] = {
    {"CreatesTheFile", nullptr, "SysPm", "Key", "v", "[SysPm]\r\nKey=v\r\n"},
    {"ReplacesInPlaceKeepingTheKeySpelling", "[A]\r\nx=1\r\nKEY=old\r\ny=2\r\n", "a", "key", "new",
     "[A]\r\nx=1\r\nKEY=new\r\ny=2\r\n"},
    {"ReplacesOnlyTheFirstMatch", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "3", "[A]\r\nk=3\r\nk=2\r\n"},
    {"AppendsAtTheEndOfItsSection", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "z", "3",
     "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
    {"AppendsToAnEmptySection", "[A]\r\n[B]\r\n", "A", "z", "3", "[A]\r\nz=3\r\n[B]\r\n"},
    {"AppendsANewSectionAtTheEnd", "[A]\r\nx=1\r\n", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
    {"RewritesUnixLineEndsAsCrLf", "[A]\nx=1\n", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
    {"KeepsComments", ";c\r\n[A]\r\n;d\r\n", "A", "k", "v", ";c\r\n[A]\r\n;d\r\nk=v\r\n"},
    {"GivesAValueWithoutEqualsOne", "[A]\r\nk\r\n", "A", "k", "v", "[A]\r\nk=v\r\n"},
    {"QuotesValuesThatWouldLoseBlanks", nullptr, "A", "k", " padded ", "[A]\r\nk=\" padded \"\r\n"},
    {"QuotesValuesThatWouldLoseQuotes", nullptr, "A", "k", "\"q\"", "[A]\r\nk=\"\"q\"\"\r\n"},
    {"WritesUtf8", nullptr, "2052", "k", "打印", "[2052]\r\nk=打印\r\n"},
};

class IniWriteTest : public IniFileTest, public ::testing::WithParamInterface<WriteCase>
{
};

TEST_P(IniWriteTest, ChangesExactlyTheOneEntry)
{
    const WriteCase &row = GetParam();
    if (row.before)
        TestFiles::write(path(), QByteArray(row.before));
    IniFile ini(path());
    const QString value = QString::fromUtf8(row.value);
    ASSERT_TRUE(ini.writeString(QString::fromUtf8(row.section), QString::fromUtf8(row.key), value))
        << ini.errorString().toStdString();
    EXPECT_EQ(TestFiles::read(path()), QByteArray(row.after));
    EXPECT_EQ(ini.readString(QString::fromUtf8(row.section), QString::fromUtf8(row.key)), value);
}

INSTANTIATE_TEST_SUITE_P(Rows, IniWriteTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(IniFileTest, AppendsKeysInTheOrderTheyAreWritten)
{
    IniFile ini(path());
    for (const char *key : {"LastSelPrtName", "PFwVServiceUrlAddr", "CheckPrtFwVerWhenRun"})
        ASSERT_TRUE(ini.writeString(QStringLiteral("SysPm"), QString::fromUtf8(key), "0"));
    EXPECT_EQ(ini.keys(QStringLiteral("SysPm")),
              (QStringList{QStringLiteral("LastSelPrtName"), QStringLiteral("PFwVServiceUrlAddr"),
                           QStringLiteral("CheckPrtFwVerWhenRun")}));
}

TEST_F(IniFileTest, WritingAUtf16FileKeepsItsOtherEntries)
{
    TestFiles::write(path(), TestFiles::utf16LeWithMark(QStringLiteral("[A]\r\nx=中文\r\n")));
    IniFile ini(path());
    ASSERT_TRUE(ini.writeString(QStringLiteral("A"), QStringLiteral("y"), QStringLiteral("2")));
    EXPECT_EQ(TestFiles::read(path()), QByteArray("[A]\r\nx=中文\r\ny=2\r\n"));
}

struct RefusedWrite {
    const char *name;
    const char *section;
    const char *key;
    const char *value;
};

// Writes that would break the file's lines, or put an entry where no read
// finds it, are refused and leave the file as it was.
const RefusedWrite kRefusedWrites[] = {
    {"LineBreakInValue", "A", "k", "one\r\n[Injected]\r\nk=two"},
    {"BareNewlineInValue", "A", "k", "one\ntwo"},
    {"EqualsInKey", "A", "k=x", "v"},
    {"LineBreakInKey", "A", "k\nx", "v"},
    {"EmptyKey", "A", "", "v"},
    {"KeyThatReadsAsComment", "A", ";k", "v"},
    {"KeyThatReadsAsSection", "A", "[k]", "v"},
    {"KeyWithBlanksAround", "A", " k", "v"},
    {"BracketInSection", "A]x", "k", "v"},
    {"EmptySection", "", "k", "v"},
};

class IniRefusedWriteTest : public IniFileTest, public ::testing::WithParamInterface<RefusedWrite>
{
};

TEST_P(IniRefusedWriteTest, LeavesTheFileUntouched)
{
    const RefusedWrite &row = GetParam();
    const QByteArray before("[A]\r\nk=old\r\n");
    TestFiles::write(path(), before);
    IniFile ini(path());
    EXPECT_FALSE(ini.writeString(QString::fromUtf8(row.section), QString::fromUtf8(row.key),
                                 QString::fromUtf8(row.value)));
    EXPECT_FALSE(ini.errorString().isEmpty());
    EXPECT_EQ(TestFiles::read(path()), before);
}

INSTANTIATE_TEST_SUITE_P(Rows, IniRefusedWriteTest, ::testing::ValuesIn(kRefusedWrites),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(IniFileTest, WriteIntoAMissingFolderFailsWithAReason)
{
    IniFile ini(path(QStringLiteral("no/such/folder/test.ini")));
    EXPECT_FALSE(ini.writeString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_FALSE(ini.errorString().isEmpty());
}

TEST_F(IniFileTest, FullDiskLeavesTheOldFileWhole)
{
    const QByteArray before("[A]\r\nk=old\r\n");
    TestFiles::write(path(), before);
    IniFile ini(path());
    bool written = true;
    {
        const FileSizeLimit limit(16);
        written = ini.writeString(QStringLiteral("A"), QStringLiteral("k"), QString(64, 'x'));
    }
    EXPECT_FALSE(written);
    EXPECT_TRUE(ini.errorString().startsWith(path())) << ini.errorString().toStdString();
    EXPECT_EQ(TestFiles::read(path()), before);
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList{"test.ini"});
}

TEST_F(IniFileTest, UnreadableFileReportsAnErrorAndGivesTheDefault)
{
    // A folder in the file's place cannot be opened for reading.
    QDir(m_folder.path()).mkdir(QStringLiteral("test.ini"));
    IniFile ini(path());
    EXPECT_EQ(ini.readString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_FALSE(ini.errorString().isEmpty());
    EXPECT_FALSE(ini.writeString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("v")));
}

TEST_F(IniFileTest, EnsureExistsCreatesAnEmptyFileAndLeavesAnExistingOne)
{
    IniFile fresh(path(QStringLiteral("fresh.ini")));
    ASSERT_TRUE(fresh.ensureExists());
    EXPECT_TRUE(QFile::exists(fresh.path()));
    EXPECT_TRUE(TestFiles::read(fresh.path()).isEmpty());

    TestFiles::write(path(), "[A]\r\nk=v\r\n");
    IniFile existing(path());
    ASSERT_TRUE(existing.ensureExists());
    EXPECT_EQ(TestFiles::read(path()), QByteArray("[A]\r\nk=v\r\n"));
}

} // namespace
