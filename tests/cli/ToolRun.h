#pragma once

#include "PrinterApi.h"

#include <QString>

#include <string>
#include <vector>

// One run of prtutil inside the test, with its output kept and its pauses
// recorded instead of spent.
class ToolRun
{
public:
    struct Outcome {
        int status;
        std::string out;
        std::string err;
    };

    static Outcome Run(PrinterApi &api, std::vector<std::string> args,
                       const QString &languageFile = QString());
};
