#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Byte layouts the host and the printer agree on.
namespace virtualprinter::protocol
{

// ESC FS "& V1 " opens every command frame.
inline constexpr std::string_view CommandPrefix{"\x1b\x1c& V1 ", 7};
inline constexpr std::string_view LineEnd{"\r\n"};

inline constexpr std::string_view GetKeyWord{"getkey"};
inline constexpr std::string_view SetKeyWord{"setkey"};
inline constexpr std::size_t GetKeyFrameSize = 19;
inline constexpr std::size_t SetKeyFrameSize = 20;
// The byte after the key number is always 1 in a well-formed key frame.
inline constexpr std::uint8_t KeyFrameConstant = 1;
inline constexpr std::uint16_t AutoformSwitchKey = 436;

// Two-byte answers to a download or firmware announcement.
inline constexpr std::string_view Accepted{"OK"};
inline constexpr std::string_view Refused{"ER"};

inline constexpr std::string_view PacketMarker{"\xdd\xcc\xbb\xaa", 4};
inline constexpr std::size_t PacketSize = 1036;
inline constexpr std::size_t PacketDataCapacity = 1024;
inline constexpr std::size_t PacketEchoSize = 8;

inline constexpr std::string_view FirmwareEndMarker{"^END"};

} // namespace virtualprinter::protocol
