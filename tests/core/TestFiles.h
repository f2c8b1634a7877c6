#pragma once

#include <QByteArray>
#include <QString>

// Small file helpers for tests that work in a temporary folder.
class TestFiles
{
public:
    static void write(const QString &path, const QByteArray &bytes);
    static void writeText(const QString &path, const QString &text);
    static QByteArray read(const QString &path);
    static QByteArray utf16LeWithMark(const QString &text);
};
