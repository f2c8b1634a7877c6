#include "TfrmLPTSet.h"

#include "PortDescriptors.h"
#include "PortSelection.h"

#include <QComboBox>
#include <QVBoxLayout>

TfrmLPTSet::TfrmLPTSet(const Context &context, QWidget *owner)
    : PortDialog(context, "TfrmLPTSet", {{"TfrmLPTSet", "FormLPT_Caption"}}, owner)
{
    m_port = new QComboBox(this);
    m_port->setObjectName(QStringLiteral("cmbLPT"));
    m_port->addItems(PortDescriptors::ParallelPorts());
    m_port->setMinimumContentsLength(16);
    auto *fields = new QVBoxLayout;
    fields->addWidget(m_port);
    SetFields(fields);
}

void TfrmLPTSet::Reset()
{
    m_port->setCurrentIndex(0);
}

void TfrmLPTSet::Confirm()
{
    Ports().ConfirmParallel(m_port->currentText());
}
