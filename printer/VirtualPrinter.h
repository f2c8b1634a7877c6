#pragma once

#include <string>
#include <string_view>

namespace virtualprinter {

// The printer's side of the conversation: bytes from the host in, the
// printer's answer out. Holds the printer's parameters and stored files for
// as long as the object lives.
class VirtualPrinter {
public:
    explicit VirtualPrinter(std::string model = "PM44PRO FULL");
    ~VirtualPrinter();

    // Takes bytes as they arrive from the host, in pieces of any size (a frame
    // may be split across calls, several frames may come in one call) and
    // returns what the printer sends back for the frames they complete.
    std::string receive(std::string_view bytes);

    // The host went away: a half-received frame is dropped.
    void disconnect();
};

} // namespace virtualprinter
