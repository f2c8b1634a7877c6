#pragma once

#include <QByteArray>
#include <QString>

// Text files on disk: written as UTF-8, read as UTF-8 with or without a byte
// order mark, or as UTF-16 when a mark says so (files saved by Windows tools
// are often UTF-16LE with a mark).
class TextFileCodec
{
public:
    static QString decode(const QByteArray &bytes);
    static QByteArray encode(const QString &text);
};
