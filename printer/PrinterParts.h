#pragma once

#include "DownloadReceiver.h"
#include "DumpRecorder.h"
#include "FaultOptions.h"
#include "FileStore.h"
#include "FirmwareReceiver.h"
#include "FunctionLog.h"
#include "ParameterStore.h"
#include "PrinterClock.h"
#include "PrinterStatus.h"

#include <string>

namespace virtualprinter
{

// Everything one printer keeps, shared by the parts that act on it.
struct PrinterParts {
    PrinterParts(std::string firmwareVersion, PrinterClock::TimeSource now)
        : parameters(std::move(firmwareVersion)), clock(std::move(now)), download(files, faults),
          firmware(faults)
    {
    }
    // The receivers hold references into the same object.
    PrinterParts(const PrinterParts &) = delete;
    PrinterParts &operator=(const PrinterParts &) = delete;

    FaultOptions faults;
    ParameterStore parameters;
    PrinterClock clock;
    PrinterStatus status;
    FileStore files;
    DownloadReceiver download;
    FirmwareReceiver firmware;
    DumpRecorder dump;
    FunctionLog functions;
};

} // namespace virtualprinter
