#pragma once

#include "PortDialog.h"

class QComboBox;

// The parallel port dialog: one of LPT1 to LPT4, LPT1 each time it opens.
class TfrmLPTSet : public PortDialog
{
    Q_OBJECT

public:
    TfrmLPTSet(const Context &context, QWidget *owner);

protected:
    void Reset() override;
    void Confirm() override;

private:
    QComboBox *m_port = nullptr;
};
