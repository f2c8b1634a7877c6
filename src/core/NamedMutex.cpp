#include "NamedMutex.h"

#include "PlatformPaths.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace
{
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && name != u"." &&
           name != u"..";
}

int openLockFile(const QByteArray &path, bool *openedExisting)
{
    const int created = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    *openedExisting = created < 0 && errno == EEXIST;
    if (!*openedExisting)
        return created;
    return ::open(path.constData(), O_RDWR | O_CLOEXEC);
}
} // namespace

NamedMutex::NamedMutex(const QString &name, const QString &folder)
{
    if (!isPlainName(name) || !PlatformPaths::ensureFolder(folder))
        return;
    m_path = PlatformPaths::join(folder, name + QStringLiteral(".lock"));
    m_fd = openLockFile(QFile::encodeName(m_path), &m_openedExisting);
}

NamedMutex::~NamedMutex()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool NamedMutex::lock()
{
    return applyLock(LOCK_EX);
}

bool NamedMutex::tryLock()
{
    return applyLock(LOCK_EX | LOCK_NB);
}

void NamedMutex::unlock()
{
    applyLock(LOCK_UN);
}

QString NamedMutex::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

bool NamedMutex::applyLock(int operation)
{
    if (m_fd < 0)
        return false;
    int result;
    do {
        result = ::flock(m_fd, operation);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}
