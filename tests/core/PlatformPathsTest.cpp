#include "PlatformPaths.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QByteArray &value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

TEST(PlatformPathsTest, LocalAppDataComesFromTheEnvironmentWhenSet)
{
    const ScopedEnvironment local("LOCALAPPDATA", "/home/user/AppData/Local");
    EXPECT_EQ(PlatformPaths::localAppData(), QStringLiteral("/home/user/AppData/Local/"));
}

TEST(PlatformPathsTest, LocalAppDataFallsBackToTheXdgDataFolder)
{
    QTemporaryDir data;
    const ScopedEnvironment local("LOCALAPPDATA", QByteArray());
    const ScopedEnvironment xdg("XDG_DATA_HOME", data.path().toUtf8());
    EXPECT_EQ(PlatformPaths::localAppData(), data.path() + QDir::separator());
}

TEST(PlatformPathsTest, AnEmptyLocalAppDataCountsAsUnset)
{
    QTemporaryDir data;
    const ScopedEnvironment local("LOCALAPPDATA", QByteArray(""));
    const ScopedEnvironment xdg("XDG_DATA_HOME", data.path().toUtf8());
    EXPECT_EQ(PlatformPaths::localAppData(), data.path() + QDir::separator());
}

struct SeparatorCase {
    const char *folder;
    const char *expected;
};

class WithSeparatorTest : public ::testing::TestWithParam<SeparatorCase>
{
};

TEST_P(WithSeparatorTest, EndsEveryFolderTextWithOneSeparator)
{
    EXPECT_EQ(PlatformPaths::withSeparator(QString::fromUtf8(GetParam().folder)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Rows, WithSeparatorTest,
                         ::testing::Values(SeparatorCase{"/opt/app", "/opt/app/"},
                                           SeparatorCase{"/opt/app/", "/opt/app/"},
                                           SeparatorCase{"", ""}));

TEST(PlatformPathsTest, JoinPutsOneSeparatorBetweenFolderAndName)
{
    EXPECT_EQ(PlatformPaths::join(QStringLiteral("/a"), QStringLiteral("b.ini")),
              QStringLiteral("/a/b.ini"));
    EXPECT_EQ(PlatformPaths::join(QStringLiteral("/a/"), QStringLiteral("b.ini")),
              QStringLiteral("/a/b.ini"));
}

TEST(PlatformPathsTest, EnsureFolderCreatesMissingParents)
{
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("Pelko/UserData"));
    EXPECT_TRUE(PlatformPaths::ensureFolder(folder));
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_TRUE(PlatformPaths::ensureFolder(folder));
    EXPECT_FALSE(PlatformPaths::ensureFolder(QString()));
}

TEST(PlatformPathsTest, LibraryNamesCarryThePlatformSuffix)
{
#if defined(Q_OS_LINUX)
    EXPECT_EQ(PlatformPaths::libraryFileName(QStringLiteral("PrtLangDll")),
              QStringLiteral("PrtLangDll.so"));
#else
    GTEST_SKIP() << "suffix checked on Linux only";
#endif
}

} // namespace
