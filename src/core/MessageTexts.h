#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Captions and error texts that many windows show in their message boxes,
// read in the window language when the main window is first shown.
class MessageTexts
{
public:
    QString MessageTitle;     // notices
    QString ErrorTitle;       // errors
    QString WarnTitle;        // questions and warnings
    QString ErrCreatePrinter; // the printer object could not be made
    QString ErrOpenPort;
    QString ErrWriteData;
    QString ErrReadData;
    QString ErrCheckSum;
    QString ErrImageType;  // a picture of a kind that cannot be sent
    QString ErrImageWidth; // a picture wider than the printer

    // Fills every text from its language key.
    void Load(const std::function<QString(const QString &key)> &lookup);

    static QStringList Keys();
};
