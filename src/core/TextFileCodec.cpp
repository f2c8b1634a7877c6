#include "TextFileCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString TextFileCodec::decode(const QByteArray &bytes)
{
    // Without a mark the text is UTF-8; the decoder drops a mark it finds.
    const auto encoding = QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8);
    QStringDecoder decoder(encoding);
    return decoder(bytes);
}

QByteArray TextFileCodec::encode(const QString &text)
{
    QStringEncoder encoder(QStringConverter::Utf8);
    return encoder(text);
}
