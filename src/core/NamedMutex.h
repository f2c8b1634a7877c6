#pragma once

#include <QString>

// A lock shared by name between processes: a lock file in the user's runtime
// folder, opened when it exists and created otherwise. Every process (and
// every object) that opens the same name shares one lock.
class NamedMutex
{
public:
    explicit NamedMutex(const QString &name, const QString &folder = defaultFolder());
    ~NamedMutex();

    NamedMutex(const NamedMutex &) = delete;
    NamedMutex &operator=(const NamedMutex &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // True when another holder had created the name before this one opened it.
    bool openedExisting() const { return m_openedExisting; }
    const QString &filePath() const { return m_path; }

    // Waits without time limit.
    bool lock();
    bool tryLock();
    void unlock();

    static QString defaultFolder();

private:
    bool applyLock(int operation);

    QString m_path;
    int m_fd = -1;
    bool m_openedExisting = false;
};
