#include "NamedMutex.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

class NamedMutexTest : public ::testing::Test
{
protected:
    QTemporaryDir m_folder;
    const QString m_name = QStringLiteral("LOG_Mutex_0E6D16E74D5F41099016BA0F1AD3D876");
};

TEST_F(NamedMutexTest, TheFirstHolderCreatesTheNameAndALaterOneOpensIt)
{
    NamedMutex first(m_name, m_folder.path());
    ASSERT_TRUE(first.isOpen());
    EXPECT_FALSE(first.openedExisting());
    EXPECT_TRUE(QFile::exists(first.filePath()));

    NamedMutex second(m_name, m_folder.path());
    ASSERT_TRUE(second.isOpen());
    EXPECT_TRUE(second.openedExisting());
    EXPECT_EQ(second.filePath(), first.filePath());
}

TEST_F(NamedMutexTest, HoldersOfOneNameExcludeEachOther)
{
    NamedMutex first(m_name, m_folder.path());
    NamedMutex second(m_name, m_folder.path());
    ASSERT_TRUE(first.lock());
    EXPECT_FALSE(second.tryLock());
    first.unlock();
    EXPECT_TRUE(second.tryLock());
    EXPECT_FALSE(first.tryLock());
    second.unlock();
}

TEST_F(NamedMutexTest, DifferentNamesDoNotShareALock)
{
    NamedMutex log(m_name, m_folder.path());
    NamedMutex settings(QStringLiteral("THP_Gypfy_BMA45HJ99242984F2P431Z2OPVD93216"),
                        m_folder.path());
    ASSERT_TRUE(log.lock());
    EXPECT_TRUE(settings.tryLock());
    settings.unlock();
    log.unlock();
}

TEST_F(NamedMutexTest, ClosingAHolderReleasesItsLock)
{
    NamedMutex waiting(m_name, m_folder.path());
    {
        NamedMutex holder(m_name, m_folder.path());
        ASSERT_TRUE(holder.lock());
        EXPECT_FALSE(waiting.tryLock());
    }
    EXPECT_TRUE(waiting.tryLock());
    waiting.unlock();
}

TEST_F(NamedMutexTest, CreatesAMissingFolder)
{
    NamedMutex mutex(m_name, m_folder.filePath(QStringLiteral("run/user")));
    EXPECT_TRUE(mutex.isOpen());
}

TEST_F(NamedMutexTest, NamesThatWouldLeaveTheFolderAreRefused)
{
    for (const QString &name : {QString(), QStringLiteral("../escape"), QStringLiteral("a/b"),
                                QStringLiteral("a\\b"), QStringLiteral("..")}) {
        NamedMutex mutex(name, m_folder.path());
        EXPECT_FALSE(mutex.isOpen()) << name.toStdString();
        EXPECT_FALSE(mutex.lock()) << name.toStdString();
    }
}

} // namespace
