#include "FileDescriptor.h"

#include <unistd.h>

#include <utility>

namespace prtsim
{

FileDescriptor::~FileDescriptor()
{
    reset();
}

FileDescriptor::FileDescriptor(FileDescriptor &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
{
}

FileDescriptor &FileDescriptor::operator=(FileDescriptor &&other) noexcept
{
    if (this != &other)
        reset(std::exchange(other.m_fd, -1));
    return *this;
}

void FileDescriptor::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

} // namespace prtsim
