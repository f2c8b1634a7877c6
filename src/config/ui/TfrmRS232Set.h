#pragma once

#include "PortDescriptors.h"
#include "PortDialog.h"

class QComboBox;

// The serial port dialog: port, baud rate, data bits, parity, stop bits and
// flow control, back at their usual values each time it opens.
class TfrmRS232Set : public PortDialog
{
    Q_OBJECT

public:
    TfrmRS232Set(const Context &context, QWidget *owner);

    PortDescriptors::SerialChoice Choice() const;

protected:
    void Reset() override;
    void Confirm() override;

private:
    QComboBox *AddList(const char *name, const QStringList &entries);

    QComboBox *m_port = nullptr;
    QComboBox *m_baud = nullptr;
    QComboBox *m_dataBits = nullptr;
    QComboBox *m_parity = nullptr;
    QComboBox *m_stopBits = nullptr;
    QComboBox *m_flow = nullptr;
};
