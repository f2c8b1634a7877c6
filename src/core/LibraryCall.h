#pragma once

#include <QString>

// Calls into the optional libraries: skipped when the entry point is not
// bound, with texts handed over as NUL-terminated UTF-16.
class LibraryCall
{
public:
    template <typename Function, typename... Arguments>
    static void ifBound(Function function, Arguments... arguments)
    {
        if (function)
            function(arguments...);
    }

    // Valid as long as the text it was taken from.
    static const char16_t *text(const QString &value)
    {
        return reinterpret_cast<const char16_t *>(value.utf16());
    }
};
