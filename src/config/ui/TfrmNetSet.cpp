#include "TfrmNetSet.h"

#include "InputRules.h"
#include "KeyFilter.h"
#include "PortDescriptors.h"
#include "PortSelection.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace
{
const char *const kAddressFields[] = {"txtIP1", "txtIP2", "txtIP3", "txtIP4"};
}

TfrmNetSet::TfrmNetSet(const Context &context, QWidget *owner)
    : PortDialog(
          context, "TfrmNetSet",
          {{"TfrmNetSet", "FormTCPIP_Caption"}, {"lblIP", "lblIP"}, {"lblPort", "FormETH_lblPort"}},
          owner)
{
    auto *address = new QHBoxLayout;
    const QStringList start = PortDescriptors::DefaultAddress();
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            address->addWidget(new QLabel(QStringLiteral("."), this));
        m_address << AddField(kAddressFields[i], start.value(i), 44);
        address->addWidget(m_address.back());
    }
    auto *addressLabel = new QLabel(this);
    addressLabel->setObjectName(QStringLiteral("lblIP"));
    auto *portLabel = new QLabel(this);
    portLabel->setObjectName(QStringLiteral("lblPort"));

    auto *fields = new QFormLayout;
    fields->addRow(addressLabel, address);
    fields->addRow(portLabel, AddField("txtPort", PortDescriptors::DefaultNetworkPort(), 64));
    SetFields(fields);
}

QLineEdit *TfrmNetSet::AddField(const char *name, const QString &text, int width)
{
    auto *field = new QLineEdit(text, this);
    field->setObjectName(QString::fromLatin1(name));
    field->setFixedWidth(width);
    field->installEventFilter(new KeyFilter(InputRules::CheckImportNumber, field));
    return field;
}

void TfrmNetSet::Confirm()
{
    // The port number is the printer's usual one and is not part of the
    // descriptor.
    QStringList fields;
    for (const QLineEdit *field : m_address)
        fields << field->text();
    Ports().ConfirmNetwork(fields);
}
