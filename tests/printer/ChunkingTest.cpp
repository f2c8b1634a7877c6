// The host's bytes arrive in pieces of any size: a frame split over several
// reads, several frames in one. The printer must answer the same either way.
#include "HostFrames.h"
#include "VirtualPrinter.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

using virtualprinter::VirtualPrinter;
using F = HostFrames;

// Every kind of input in one stream: text and key frames, label data, a
// frame the host gave up on, a download and a firmware upgrade.
const std::string Script =
    F::getval("dpi") + "^XA stray label data ^XZ" + F::setval("speed", "3") + F::getkey(1, 436) +
    F::setkey(1, 436, 1) + F::getval("autoform_switch") +
    F::doCommand({"download", "bitmaps", "a.bmp"}) + F::packet(0, "0123456789") +
    F::getval("bitmaps") + F::doCommand({"update_firmware"}) + "F_V10.03.01.bin,5," + "12345" +
    "^END" + F::getval("version") + F::prefix() + "getval \"spe" + F::getval("speed");

const std::string Expected = "203" + std::string(1, '\0') + "on" + "OK" + F::acknowledgement(0, 0) +
                             "a.bmp" + "OK" + "V10.03.01" + "3";

std::string feedInPieces(const std::string &bytes, std::size_t pieceSize)
{
    VirtualPrinter printer;
    std::string reply;
    for (std::size_t at = 0; at < bytes.size(); at += pieceSize)
        reply += printer.receive(std::string_view(bytes).substr(at, pieceSize));
    return reply;
}

TEST(Chunking, WholeScriptInOneCall)
{
    EXPECT_EQ(F::hex(feedInPieces(Script, Script.size())), F::hex(Expected));
}

class ChunkSizeTest : public testing::TestWithParam<std::size_t>
{
};

TEST_P(ChunkSizeTest, SameAnswersForAnyPieceSize)
{
    EXPECT_EQ(F::hex(feedInPieces(Script, GetParam())), F::hex(Expected));
}

INSTANTIATE_TEST_SUITE_P(PieceSizes, ChunkSizeTest, testing::Values(1, 2, 3, 7, 13, 19, 64, 1000));

TEST(Chunking, SameAnswersWhereverTheStreamIsCut)
{
    for (std::size_t cut = 1; cut < Script.size(); ++cut) {
        VirtualPrinter printer;
        std::string reply = printer.receive(Script.substr(0, cut));
        reply += printer.receive(Script.substr(cut));
        ASSERT_EQ(F::hex(reply), F::hex(Expected)) << "cut after byte " << cut;
    }
}

TEST(Chunking, DisconnectDropsHalfAFrame)
{
    VirtualPrinter printer;
    // Half a key frame would otherwise swallow the start of the next frame.
    EXPECT_EQ(printer.receive(F::getkey(1, 436).substr(0, 16)), "");
    printer.disconnect();
    EXPECT_EQ(printer.receive(F::getval("dpi")), "203");
}

} // namespace
