#include "ToolRun.h"

#include "PrtUtil.h"
#include "RecordingSleeper.h"

#include <sstream>

ToolRun::Outcome ToolRun::Run(PrinterApi &api, std::vector<std::string> args,
                              const QString &languageFile)
{
    RecordingSleeper sleeper;
    std::ostringstream out, err;
    args.insert(args.begin(), "prtutil");
    std::vector<char *> argv;
    for (auto &arg : args)
        argv.push_back(arg.data());
    PrtUtil tool(api, sleeper, out, err, languageFile);
    const int status = tool.run(static_cast<int>(argv.size()), argv.data());
    return {status, out.str(), err.str()};
}
