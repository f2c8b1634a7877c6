#pragma once

namespace prtsdk
{

// The fields of a serial port descriptor, already checked against the values
// printers support.
struct SerialSettings {
    int portNumber = 1; // COM1 is 1
    int baud = 9600;
    char parity = 'n'; // 'n', 'o' or 'e'
    int dataBits = 8;
    int stopBits = 1;
    bool rtsCts = false;
};

} // namespace prtsdk
