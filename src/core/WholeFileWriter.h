#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Replaces a file with new contents in one step: the contents go to a
// temporary file beside it, which takes the file's place only once every
// byte is on disk. A crash or a full disk leaves the old file as it was.
class WholeFileWriter
{
public:
    // Nothing on success, otherwise "path: reason".
    static std::optional<QString> write(const QString &path, const QByteArray &contents);
};
