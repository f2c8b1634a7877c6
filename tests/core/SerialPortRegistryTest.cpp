#include "SerialPortRegistry.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

TEST(SerialPortRegistryTest, KeepsOneValuePerPort)
{
    QTemporaryDir folder;
    SerialPortRegistry registry(folder.path());
    ASSERT_TRUE(
        registry.WritePortSettings(QStringLiteral("COM1"), QStringLiteral("115200,n,8,1,c")));
    ASSERT_TRUE(registry.WritePortSettings(QStringLiteral("COM2"), QStringLiteral("9600,o,7,2,n")));
    ASSERT_TRUE(registry.WritePortSettings(QStringLiteral("COM1"), QStringLiteral("4800,e,8,1")));

    const SerialPortRegistry reopened(folder.path());
    EXPECT_EQ(reopened.ReadPortSettings(QStringLiteral("COM1")), QStringLiteral("4800,e,8,1"));
    EXPECT_EQ(reopened.ReadPortSettings(QStringLiteral("COM2")), QStringLiteral("9600,o,7,2,n"));
    EXPECT_TRUE(reopened.ReadPortSettings(QStringLiteral("COM3")).isEmpty());
}

TEST(SerialPortRegistryTest, AWriteThatCannotBeStoredFailsQuietly)
{
    QTemporaryDir folder;
    SerialPortRegistry registry(folder.filePath(QStringLiteral("missing")));
    EXPECT_FALSE(registry.WritePortSettings(QStringLiteral("COM1"), QStringLiteral("9600,n,8,1")));
    EXPECT_TRUE(registry.ReadPortSettings(QStringLiteral("COM1")).isEmpty());
}

} // namespace
