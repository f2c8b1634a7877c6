#pragma once

#include "FaultOptions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace virtualprinter
{

struct FirmwareImage {
    std::string name;
    std::string data;
};

// Takes a firmware image after the update command: a header "name,size,",
// answered OK or ER, then exactly size raw bytes, then the end marker ^END.
class FirmwareReceiver
{
public:
    static constexpr std::size_t MaxHeaderLength = 512;
    static constexpr std::uint64_t MaxImageSize = 32 * 1024 * 1024;

    struct Step {
        std::size_t consumed = 0;
        std::string reply;
        std::string event; // what happened, for the log; empty when nothing did
    };

    explicit FirmwareReceiver(const FaultOptions &faults) : m_faults(faults) {}

    // The version a file name carries: PM44PF_V10.02.05.bin gives V10.02.05.
    static std::optional<std::string> versionInName(std::string_view name);

    void begin();
    bool active() const { return m_stage != Stage::Idle; }
    // Consumes what belongs to the upgrade from the front of the input.
    Step consume(std::string_view pending);
    void abandon();
    // The image completed by the last step, once.
    std::optional<FirmwareImage> takeFinished();

private:
    enum class Stage { Idle, Header, Data, EndMarker };

    Step consumeHeader(std::string_view pending);
    Step startImage(std::string_view name, std::string_view sizeText, std::size_t consumed);
    Step consumeData(std::string_view pending);
    Step consumeEndMarker(std::string_view pending);

    const FaultOptions &m_faults;
    Stage m_stage = Stage::Idle;
    FirmwareImage m_image;
    std::uint64_t m_expected = 0;
    std::size_t m_markerMatched = 0;
    std::optional<FirmwareImage> m_finished;
};

} // namespace virtualprinter
