#pragma once

#include "VirtualPrinter.h"

#include <map>
#include <string>

// Puts values into a virtual printer the way it keeps them across power
// cycles, so a test can start from a printer someone has changed, the
// read-only identity (version, MAC addresses) included.
class PrinterSettings
{
public:
    static bool Load(virtualprinter::VirtualPrinter &printer,
                     const std::map<std::string, std::string> &parameters);
};
