#pragma once

#include "CommandProtocol.h"
#include "ConfigModel.h"
#include "PrinterLink.h"
#include "RecordingMessages.h"
#include "RecordingSleeper.h"
#include "SdkPrinterApi.h"
#include "ServedPrinter.h"
#include "TappedPrinterApi.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

// A virtual printer served over TCP and the program's side of the link to
// it, with the pauses recorded rather than spent.
class ServedReader : public ::testing::Test
{
protected:
    // A fresh printer with these values changed.
    void serve(const std::map<std::string, std::string> &settings = {},
               prtsim::ServerOptions options = {});

    std::unique_ptr<ServedPrinter> served;
    SdkPrinterApi sdk;
    TappedPrinterApi api{sdk};
    RecordingSleeper sleeper;
    RecordingMessages messages;
    PrinterLink link{api, sleeper, messages};
    CommandProtocol protocol{link};
    ConfigModel model;
};
