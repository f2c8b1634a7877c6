#include "TransportFactory.h"

#include "DeviceFileTransport.h"
#include "PortMap.h"
#include "SerialSettings.h"
#include "SerialTransport.h"
#include "SimTransport.h"
#include "TcpTransport.h"
#include "UsbPortTransport.h"
#include "prtsdk.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

namespace prtsdk
{
namespace
{

constexpr uint16_t kDefaultNetPort = 9100;

std::string trimmed(std::string_view text)
{
    const auto isBlank = [](unsigned char c) {
        return std::isspace(c) != 0;
    };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        fields.push_back(trimmed(std::string_view(text).substr(start, end - start)));
        if (end == std::string::npos)
            return fields;
        start = end + 1;
    }
}

std::optional<int> numberIn(const std::string &text, int low, int high)
{
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

bool startsWith(const std::string &text, std::string_view prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

TransportFactory::Result failure(int32_t status)
{
    return {status, nullptr};
}

// "a.b.c.d" or "a.b.c.d:port", four decimal fields of 0-255.
TransportFactory::Result network(const std::string &address)
{
    std::string host = address;
    uint16_t port = kDefaultNetPort;
    if (const size_t colon = address.find(':'); colon != std::string::npos) {
        host = address.substr(0, colon);
        const auto parsed = numberIn(address.substr(colon + 1), 1, 65535);
        if (!parsed)
            return failure(PRT_ERR_DESCRIPTOR_FIELD);
        port = static_cast<uint16_t>(*parsed);
    }
    const auto fields = split(host, '.');
    if (fields.size() != 4)
        return failure(PRT_ERR_DESCRIPTOR_FIELD);
    std::array<uint8_t, 4> octets{};
    for (size_t i = 0; i < fields.size(); ++i) {
        const auto parsed = numberIn(fields[i], 0, 255);
        if (!parsed)
            return failure(PRT_ERR_DESCRIPTOR_FIELD);
        octets[i] = static_cast<uint8_t>(*parsed);
    }
    return {PRT_OK, std::make_unique<TcpTransport>(octets, port)};
}

std::optional<SerialSettings> serialSettings(const std::vector<std::string> &fields)
{
    static constexpr std::array kBauds = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    if (fields.size() != 5 && fields.size() != 6)
        return std::nullopt;
    SerialSettings settings;
    const auto port = numberIn(fields[0].substr(3), 1, 255);
    const auto baud = numberIn(fields[1], 1, 4000000);
    const auto dataBits = numberIn(fields[3], 7, 8);
    const auto stopBits = numberIn(fields[4], 1, 2);
    const std::string parity = upper(fields[2]);
    const std::string flow = fields.size() == 6 ? upper(fields[5]) : "N";
    if (!port || !baud || std::find(kBauds.begin(), kBauds.end(), *baud) == kBauds.end() ||
        !dataBits || !stopBits || parity.size() != 1 ||
        std::string("NOE").find(parity) == std::string::npos || (flow != "N" && flow != "C"))
        return std::nullopt;
    settings.portNumber = *port;
    settings.baud = *baud;
    settings.parity = static_cast<char>(std::tolower(parity[0]));
    settings.dataBits = *dataBits;
    settings.stopBits = *stopBits;
    settings.rtsCts = flow == "C";
    return settings;
}

TransportFactory::Result serial(const std::string &descriptor)
{
    const auto settings = serialSettings(split(descriptor, ','));
    if (!settings)
        return failure(PRT_ERR_DESCRIPTOR_FIELD);
    return {PRT_OK, std::make_unique<SerialTransport>(PortMap::device("COM", settings->portNumber),
                                                      *settings)};
}

TransportFactory::Result parallel(const std::string &name)
{
    const auto number = numberIn(name.substr(3), 1, 4);
    if (!number)
        return failure(PRT_ERR_DESCRIPTOR_FIELD);
    return {PRT_OK, std::make_unique<DeviceFileTransport>(
                        PortMap::device("LPT", *number),
                        DeviceFileTransport::Codes{PRT_ERR_LPT_NOT_FOUND, PRT_ERR_LPT_ACCESS})};
}

} // namespace

TransportFactory::Result TransportFactory::create(const std::string &descriptor)
{
    const std::string text = upper(trimmed(descriptor));
    if (text == "SIM")
        return {PRT_OK, std::make_unique<SimTransport>()};
    if (startsWith(text, "NET,"))
        return network(trimmed(text.substr(4)));
    if (text == "USB")
        return {PRT_OK, std::make_unique<UsbPortTransport>()};
    if (startsWith(text, "COM"))
        return serial(text);
    if (startsWith(text, "LPT"))
        return parallel(text);
    return failure(PRT_ERR_DESCRIPTOR);
}

} // namespace prtsdk
