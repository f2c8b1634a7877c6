#include "TfrmTestCfg.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace
{

QPushButton *button(const char *text, const char *name, QWidget *parent)
{
    auto *created = new QPushButton(QString::fromLatin1(text), parent);
    created->setObjectName(QString::fromLatin1(name));
    return created;
}

QComboBox *list(const QStringList &entries, const char *name, QWidget *parent)
{
    auto *created = new QComboBox(parent);
    created->setObjectName(QString::fromLatin1(name));
    created->addItems(entries);
    return created;
}

} // namespace

TfrmTestCfg::TfrmTestCfg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmTestCfg"));
    setWindowTitle(QStringLiteral("config"));
    resize(ClientWidth, ClientHeight);

    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("mmoA"));
    m_notes->viewport()->installEventFilter(this);

    auto *pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->addTab(m_notes, QStringLiteral("A"));
    pages->addTab(CreateIdentityPage(), QStringLiteral("Identity"));
    pages->addTab(CreateToolBarPage(), QStringLiteral("ToolBar"));
    pages->setCurrentIndex(0);

    QPushButton *ok = button("x_Ok", "btnOk", this);
    QPushButton *cancel = button("x_Cancel", "btnCancel", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *bar = new QHBoxLayout;
    bar->addStretch(1);
    bar->addWidget(ok);
    bar->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages, 1);
    layout->addLayout(bar);

    m_closeTimer = new QTimer(this);
    m_closeTimer->setObjectName(QStringLiteral("tmCloseF"));
    m_closeTimer->setInterval(CloseAfterMs);
    connect(m_closeTimer, &QTimer::timeout, this, &QDialog::reject);
}

QWidget *TfrmTestCfg::CreateIdentityPage()
{
    auto *page = new QWidget(this);
    m_toolType = list({QStringLiteral("Pelko")}, "cmbToolType", page);
    m_oemCo = list({QStringLiteral("Pelko_Pelko"), QStringLiteral("Pelko_Kest"),
                    QStringLiteral("Pelko_Lumio"), QStringLiteral("Pelko_PROJECT"),
                    QStringLiteral("Pelko_Nesto"), QStringLiteral("Pelko_Tamsa")},
                   "cmbOemCo", page);
    QPushButton *change = button("Change", "btnChange", page);
    change->setMinimumHeight(48);
    connect(change, &QPushButton::clicked, this, &TfrmTestCfg::btnChangeClick);

    auto *layout = new QGridLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("ToolType"), page), 0, 0);
    layout->addWidget(m_toolType, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("OemCo"), page), 1, 0);
    layout->addWidget(m_oemCo, 1, 1);
    layout->addWidget(change, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
    return page;
}

QWidget *TfrmTestCfg::CreateToolBarPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QGridLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("ToolBar"), page), 0, 0);
    layout->addWidget(list({QStringLiteral("old"), QStringLiteral("new")}, "cmbToolBar", page), 0,
                      1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    return page;
}

void TfrmTestCfg::showEvent(QShowEvent *event)
{
    m_closeTimer->start();
    QDialog::showEvent(event);
}

bool TfrmTestCfg::eventFilter(QObject *watched, QEvent *event)
{
    // The developer wants to choose: the dialog stays until closed.
    if (watched == m_notes->viewport() && event->type() == QEvent::MouseButtonDblClick)
        m_closeTimer->stop();
    return QDialog::eventFilter(watched, event);
}

void TfrmTestCfg::btnChangeClick()
{
    // The tool bar choice belongs to builds with two tool bars; this one has
    // a single row of page buttons.
    if (!m_toolType->currentText().isEmpty() && !m_oemCo->currentText().isEmpty())
        m_result = {m_toolType->currentText(), m_oemCo->currentText()};
    accept();
}
