#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace prtsim
{

// How the server reaches its clients and how it misbehaves on purpose.
struct ServerOptions {
    // HOST:PORT of the TCP endpoint; none when only the pseudo-terminal serves.
    std::optional<std::string> listen;
    bool pty = false;
    // Wait before each reply.
    std::chrono::milliseconds delay{0};
    // Close each TCP connection once it has sent this many bytes.
    std::optional<std::uint64_t> dropAfter;
    // Saved after changes once the host pauses, when it disconnects, and at
    // exit.
    std::optional<std::filesystem::path> stateFile;
};

} // namespace prtsim
