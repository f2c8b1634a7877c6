#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <utility>

extern char **environ;

std::optional<ChildProcess> ChildProcess::start(const std::string &program,
                                                const std::vector<std::string> &arguments,
                                                bool mergeErrors)
{
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    if (mergeErrors)
        ::posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    std::vector<char *> argv{const_cast<char *>(program.c_str())};
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int status =
        ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (status != 0) {
        ::close(pipeFds[0]);
        return std::nullopt;
    }
    return ChildProcess(pid, pipeFds[0]);
}

ChildProcess::ChildProcess(ChildProcess &&other) noexcept
    : m_pid(std::exchange(other.m_pid, -1)), m_output(std::exchange(other.m_output, -1)),
      m_buffered(std::move(other.m_buffered)), m_ended(other.m_ended)
{
}

ChildProcess::~ChildProcess()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    if (m_output >= 0)
        ::close(m_output);
}

bool ChildProcess::fill(std::chrono::milliseconds bound)
{
    pollfd entry{m_output, POLLIN, 0};
    if (m_ended || ::poll(&entry, 1, static_cast<int>(bound.count())) != 1)
        return false;
    char buffer[4096];
    const ssize_t got = ::read(m_output, buffer, sizeof buffer);
    if (got <= 0) {
        m_ended = true;
        return false;
    }
    m_buffered.append(buffer, static_cast<std::size_t>(got));
    return true;
}

std::optional<std::string> ChildProcess::readLine(std::chrono::milliseconds bound)
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (m_buffered.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !fill(left))
            return std::nullopt;
    }
    const std::size_t end = m_buffered.find('\n');
    std::string line = m_buffered.substr(0, end);
    m_buffered.erase(0, end + 1);
    return line;
}

std::string ChildProcess::readAll(std::chrono::milliseconds bound)
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !fill(left))
            break;
    }
    return std::exchange(m_buffered, {});
}

void ChildProcess::signal(int number) const
{
    ::kill(m_pid, number);
}

// A process descriptor turns the wait for the exit into a poll with a bound.
std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds bound)
{
    const int processFd = static_cast<int>(::syscall(SYS_pidfd_open, m_pid, 0));
    pollfd entry{processFd, POLLIN, 0};
    const bool ended = processFd >= 0 && ::poll(&entry, 1, static_cast<int>(bound.count())) == 1;
    if (processFd >= 0)
        ::close(processFd);
    int status = 0;
    if (!ended || ::waitpid(m_pid, &status, 0) != m_pid)
        return std::nullopt;
    m_pid = -1;
    if (!WIFEXITED(status))
        return std::nullopt;
    return WEXITSTATUS(status);
}
