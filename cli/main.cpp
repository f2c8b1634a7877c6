#include "PlatformPaths.h"
#include "PrtUtil.h"
#include "SdkPrinterApi.h"
#include "ThreadSleeper.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char **argv)
{
    // Only so the program can find the language file beside itself.
    QCoreApplication application(argc, argv);
    SdkPrinterApi api;
    ThreadSleeper sleeper;
    PrtUtil tool(api, sleeper, std::cout, std::cerr,
                 PlatformPaths::join(PlatformPaths::programFolder(), "UtilityLanguage.ini"));
    return tool.run(argc, argv);
}
