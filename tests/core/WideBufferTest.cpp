#include "WideBuffer.h"

#include <gtest/gtest.h>

namespace
{

TEST(WideBufferTest, StartsEmptyAndZeroFilled)
{
    const WideBuffer buffer;
    EXPECT_TRUE(buffer.text().isEmpty());
    for (int i = 0; i <= WideBuffer::Capacity; ++i)
        ASSERT_EQ(buffer.data()[i], u'\0') << i;
}

TEST(WideBufferTest, HoldsAShortTextWithItsEnd)
{
    const WideBuffer buffer(QStringLiteral("436 权限"));
    EXPECT_EQ(buffer.text(), QStringLiteral("436 权限"));
    EXPECT_EQ(buffer.data()[6], u'\0');
}

TEST(WideBufferTest, CutsALongTextSoThatItStaysTerminated)
{
    const WideBuffer buffer(QString(400, u'k'));
    EXPECT_EQ(buffer.text(), QString(WideBuffer::Capacity - 1, u'k'));
    EXPECT_EQ(buffer.data()[WideBuffer::Capacity - 1], u'\0');
}

TEST(WideBufferTest, ReadingAFullBufferStopsAtItsCapacity)
{
    WideBuffer buffer;
    std::fill_n(buffer.data(), WideBuffer::Capacity, u'x');
    EXPECT_EQ(buffer.text(), QString(WideBuffer::Capacity, u'x'));
}

} // namespace
