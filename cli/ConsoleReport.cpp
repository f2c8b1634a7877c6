#include "ConsoleReport.h"

#include "PrinterLink.h"
#include "prtsdk.h"

#include <ostream>

int ConsoleReport::Fail(const QString &message)
{
    m_err << "prtutil: " << message.toStdString() << '\n';
    return Failure;
}

int ConsoleReport::FailOpen(const PrinterLink &link)
{
    return Fail(QStringLiteral("cannot open port ") + link.CurrentPort() + ": " +
                Meaning(link.LastResult()));
}

QString ConsoleReport::Meaning(int32_t code)
{
    return QString::fromUtf8(prt_error_message(code)) + " (" + QString::number(code) + ')';
}
