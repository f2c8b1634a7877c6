#include "PortDialog.h"

#include "ControlCaption.h"
#include "ProgramIcon.h"
#include "TConstLangV.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

PortDialog::PortDialog(const Context &context, const char *name, Captions captions, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      m_context(context), m_captions(std::move(captions))
{
    setObjectName(QString::fromLatin1(name));
    setModal(true);
    m_captions << std::pair{"btnOK", "FormCOM_btnOK"}
               << std::pair{"btnCancel", "FormCOM_btnCancel"};
}

void PortDialog::SetFields(QLayout *fields)
{
    auto *ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PortDialog::btnOKClick);
    auto *cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PortDialog::showEvent(QShowEvent *event)
{
    ApplyTexts();
    setWindowIcon(ProgramIcon::Load(m_context.programFolder));
    Reset();
    QDialog::showEvent(event);
}

void PortDialog::ApplyTexts()
{
    for (const auto &[control, key] : m_captions) {
        const QString name = QString::fromLatin1(control);
        QWidget *target = name == objectName() ? this : findChild<QWidget *>(name);
        if (target)
            ControlCaption::Set(*target, m_context.texts.UiText(QString::fromLatin1(key)));
    }
}

void PortDialog::btnOKClick()
{
    Confirm();
    accept();
}
