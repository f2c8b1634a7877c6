#pragma once

#include "DeviceFileTransport.h"
#include "SerialSettings.h"

#include <string>

struct termios;

namespace prtsdk
{

// A printer on a serial port, with every field of its descriptor applied.
// The terminal interface is used directly rather than a serial library, as
// the pseudo-terminals that virtual printers and serial-over-network
// adapters provide must work like any other port.
class SerialTransport : public DeviceFileTransport
{
public:
    SerialTransport(std::string device, SerialSettings settings);

    int32_t open() override;
    // Returns once the bytes have left the port, so a pause after a command
    // counts from the end of its transmission.
    int32_t write(const uint8_t *bytes, size_t count, int timeoutMs) override;

    // The terminal settings for a descriptor's fields: raw bytes, and the
    // speed, framing and flow control the descriptor names.
    static void applySettings(termios &tio, const SerialSettings &settings);

private:
    int32_t configure();
    int32_t drain(int64_t deadline);

    SerialSettings m_settings;
};

} // namespace prtsdk
