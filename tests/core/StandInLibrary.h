#pragma once

#include <QString>
#include <QStringList>

// A recording stand-in of an optional library, copied into a test's program
// folder. Every copy is a library of its own, with an empty journal. The test
// keeps its own system handle, so the journal stays readable after the
// program under test has unloaded the library.
class StandInLibrary
{
public:
    enum class Kind { Commands, Language };
    enum class Variant { Full, Partial };

    StandInLibrary(Kind kind, Variant variant, const QString &programFolder);
    ~StandInLibrary();

    // The calls received so far, one "Name(arguments)" line each.
    QStringList calls();
    void reset();

    // Commands library only: the next permission answer.
    void setPermission(int result, bool granted, const QString &message);
    // Language library only: fill result buffers without a closing NUL.
    void fillWithoutEnd(bool enabled);

private:
    template <typename Function> Function entry(const char *name);

    void *m_handle = nullptr;
};
