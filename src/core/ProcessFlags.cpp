#include "ProcessFlags.h"

ProcessFlags ProcessFlags::FromArguments(const QStringList &arguments)
{
    ProcessFlags flags;
    flags.FirstArgument = arguments.value(1);
    flags.FactoryMode = flags.FirstArgument == QStringLiteral("-Bench7x");
    flags.ServiceMode = flags.FirstArgument == QStringLiteral("-Qlm4vud");
    return flags;
}
