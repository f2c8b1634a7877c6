#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// A program started for a test, with its standard output readable line by
// line and its end awaited with a bound.
class ChildProcess
{
public:
    static constexpr std::chrono::milliseconds Bound{10000};

    // With mergeErrors, standard error goes to the same pipe as the output.
    static std::optional<ChildProcess> start(const std::string &program,
                                             const std::vector<std::string> &arguments,
                                             bool mergeErrors = false);
    ChildProcess(ChildProcess &&other) noexcept;
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;
    ChildProcess &operator=(ChildProcess &&) = delete;
    // Kills the program if it is still running.
    ~ChildProcess();

    // One line of standard output without its line end; nothing at its end
    // or when the bound passes.
    std::optional<std::string> readLine(std::chrono::milliseconds bound = Bound);
    // Everything it writes until it closes its output.
    std::string readAll(std::chrono::milliseconds bound = Bound);
    void signal(int number) const;
    // The exit code; nothing when it did not exit normally within the bound.
    std::optional<int> waitForExit(std::chrono::milliseconds bound = Bound);

private:
    ChildProcess(int pid, int output) : m_pid(pid), m_output(output) {}
    bool fill(std::chrono::milliseconds bound);

    int m_pid = -1;
    int m_output = -1;
    std::string m_buffered;
    bool m_ended = false;
};
