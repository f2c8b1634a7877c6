#include "SimApplication.h"
#include "SimCommandLine.h"

#include <iostream>

int main(int argc, char **argv)
{
    int exitCode = 0;
    const auto settings = prtsim::SimCommandLine::parse(argc, argv, exitCode);
    if (!settings)
        return exitCode;
    return prtsim::SimApplication::run(*settings, std::cout, std::cerr);
}
