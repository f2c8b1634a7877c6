#pragma once

#include <string>

namespace prtsdk
{

// Which device file a port name such as COM3 or LPT1 stands for. A user can
// point any name at another device: the environment variable PRT_<NAME>
// (PRT_COM1=/dev/ttyUSB0) comes first, then a line "COM1=/dev/ttyUSB0" in
// the file ports.conf in the user data folder, then the system's default.
class PortMap
{
public:
    // name is "COM" or "LPT"; number counts from 1.
    static std::string device(const std::string &name, int number);

    // ${XDG_DATA_HOME:-$HOME/.local/share}/prtsdk/ports.conf
    static std::string mapFile();

private:
    static std::string defaultDevice(const std::string &name, int number);
    static std::string fromFile(const std::string &key);
};

} // namespace prtsdk
