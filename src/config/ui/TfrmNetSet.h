#pragma once

#include "PortDialog.h"

class QLineEdit;

// The network dialog: the printer's IPv4 address in four fields, which keep
// what was typed last, and the printer's port number.
class TfrmNetSet : public PortDialog
{
    Q_OBJECT

public:
    TfrmNetSet(const Context &context, QWidget *owner);

protected:
    void Confirm() override;

private:
    QLineEdit *AddField(const char *name, const QString &text, int width);

    QList<QLineEdit *> m_address;
};
