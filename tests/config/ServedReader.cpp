#include "ServedReader.h"

#include "PrinterSettings.h"

void ServedReader::serve(const std::map<std::string, std::string> &settings,
                         prtsim::ServerOptions options)
{
    served = std::make_unique<ServedPrinter>(options);
    ASSERT_TRUE(served->opened());
    ASSERT_TRUE(PrinterSettings::Load(served->printer, settings));
    ASSERT_EQ(link.CreatePrinter(), 0);
    link.SelectPort(served->descriptor());
}
