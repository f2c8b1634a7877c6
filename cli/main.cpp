#include "PrtUtil.h"
#include "SdkPrinterApi.h"
#include "ThreadSleeper.h"

#include <iostream>

int main(int argc, char **argv)
{
    SdkPrinterApi api;
    ThreadSleeper sleeper;
    PrtUtil tool(api, sleeper, std::cout, std::cerr);
    return tool.run(argc, argv);
}
