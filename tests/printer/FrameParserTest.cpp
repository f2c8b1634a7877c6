#include "FrameParser.h"
#include "HostFrames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using virtualprinter::FrameParser;
using virtualprinter::ParsedUnit;
using Kind = ParsedUnit::Kind;

struct Row {
    std::string name;
    std::string input;
    Kind kind;
    std::size_t length;
    std::string text;
};

void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name;
}

const std::string Getval = HostFrames::getval("dpi");
const std::string LongLine = HostFrames::prefix() + "getval \"" + std::string(5000, 'x');

const std::vector<Row> Rows{
    {"nothing yet", "", Kind::Incomplete, 0, ""},
    {"label data", "^XA^XZ", Kind::Stray, 6, ""},
    {"label data then a frame", "^XZ" + Getval, Kind::Stray, 3, ""},
    {"stray bytes keep a possible prefix start back", "abc\x1b\x1c&", Kind::Stray, 3, ""},
    {"the first bytes of a prefix wait", "\x1b\x1c& V", Kind::Incomplete, 0, ""},
    {"escape not starting a prefix is stray", "\x1bX", Kind::Stray, 2, ""},
    {"whole text frame", Getval, Kind::Text, 21, "getval \"dpi\""},
    {"text frame followed by more", Getval + "rest", Kind::Text, 21, "getval \"dpi\""},
    {"text frame without its line end waits", Getval.substr(0, 20), Kind::Incomplete, 0, ""},
    {"getkey frame", HostFrames::getkey(1, 436), Kind::Key, 19, ""},
    {"getkey frame short of its last byte", HostFrames::getkey(1, 436).substr(0, 18),
     Kind::Incomplete, 0, ""},
    {"setkey frame", HostFrames::setkey(1, 436, 1) + "x", Kind::Key, 20, ""},
    {"key number bytes that look like a line end", HostFrames::getkey(1, 0x0A0D), Kind::Key, 19,
     ""},
    {"frame cut short by a new frame is dropped up to it",
     HostFrames::prefix() + "getval \"sp" + Getval, Kind::Broken, 17, ""},
    {"line past the longest a command can be is dropped", LongLine, Kind::Broken, LongLine.size(),
     ""},
};

class FrameParserTest : public testing::TestWithParam<Row>
{
};

TEST_P(FrameParserTest, CutsTheFrontOfTheInput)
{
    const Row &row = GetParam();
    const ParsedUnit unit = FrameParser::next(row.input);
    EXPECT_EQ(unit.kind, row.kind);
    EXPECT_EQ(unit.length, row.length);
    EXPECT_EQ(std::string(unit.text), row.text);
}

INSTANTIATE_TEST_SUITE_P(Units, FrameParserTest, testing::ValuesIn(Rows));

TEST(FrameParserKeys, DecodesZoneKeyLowByteFirstAndValue)
{
    const ParsedUnit get = FrameParser::next(HostFrames::getkey(0, 436));
    EXPECT_FALSE(get.key.isSet);
    EXPECT_EQ(get.key.zone, 0);
    EXPECT_EQ(get.key.key, 436);
    EXPECT_EQ(get.key.constant, 1);

    const ParsedUnit set = FrameParser::next(HostFrames::setkey(1, 0x1234, 0x7F));
    EXPECT_TRUE(set.key.isSet);
    EXPECT_EQ(set.key.zone, 1);
    EXPECT_EQ(set.key.key, 0x1234);
    EXPECT_EQ(set.key.value, 0x7F);
}

TEST(FrameParserKeys, GetkeyFrameMatchesTheKnownBytes)
{
    const std::string expected{"\x1b\x1c\x26\x20\x56\x31\x20\x67\x65\x74\x6b\x65\x79\x0d\x0a\x01"
                               "\xb4\x01\x01",
                               19};
    EXPECT_EQ(HostFrames::getkey(1, 436), expected);
    EXPECT_EQ(FrameParser::next(expected).kind, Kind::Key);
}

} // namespace
