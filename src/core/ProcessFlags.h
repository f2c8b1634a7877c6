#pragma once

#include <QStringList>

// Facts of the run taken from the command line, plus the key-command mode
// that follows each model selection. Only the first argument after the
// program counts, compared exactly.
class ProcessFlags
{
public:
    static ProcessFlags FromArguments(const QStringList &arguments);

    // The first program argument, or an empty text.
    QString FirstArgument;
    bool FactoryMode = false;
    bool ServiceMode = false;
    bool KeyCommandMode = false;

    // The zone byte of key commands: 1 in normal operation, 0 in the factory.
    int ZoneByte() const { return FactoryMode ? 0 : 1; }
};
