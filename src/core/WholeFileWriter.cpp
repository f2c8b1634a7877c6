#include "WholeFileWriter.h"

#include <QSaveFile>

std::optional<QString> WholeFileWriter::write(const QString &path, const QByteArray &contents)
{
    // Unbuffered, so a disk that takes only part of the file says so here;
    // a buffered write would hand the shortfall to commit(), which can miss
    // it and put a cut-off file in place of the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    if (file.write(contents) != contents.size()) {
        const QString reason = file.error() == QFileDevice::NoError
                                   ? QStringLiteral("the disk took only part of the file")
                                   : file.errorString();
        file.cancelWriting();
        return QStringLiteral("%1: %2").arg(path, reason);
    }
    if (!file.commit())
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    return std::nullopt;
}
