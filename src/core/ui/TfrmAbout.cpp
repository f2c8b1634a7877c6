#include "TfrmAbout.h"

#include "AboutTexts.h"
#include "ControlCaption.h"
#include "ProgramIcon.h"
#include "TConstLangV.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

// The contact lines: caption label and value label.
const char *const kContactRows[][2] = {{"lblWS", "lblWS1"}, {"lblE", "lblE1"}, {"lblT", "lblT1"}};

QFont contactFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(13);
    return font;
}

} // namespace

TfrmAbout::TfrmAbout(TConstLangV &texts, const QString &programFolder, DesktopShell::Open open,
                     QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_texts(texts), m_open(std::move(open))
{
    setObjectName(QStringLiteral("TfrmAbout"));
    setFixedSize(ClientWidth, ClientHeight);
    setWindowIcon(ProgramIcon::Load(programFolder));
    CreateControls();
}

QLabel *TfrmAbout::AddLabel(const char *name)
{
    auto *label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(contactFont());
    return label;
}

void TfrmAbout::CreateControls()
{
    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setPixmap(QPixmap(QStringLiteral(":/about/logo.png")));

    auto *unit = new QLabel(QStringLiteral("Vasko Utility For Label"), this);
    unit->setObjectName(QStringLiteral("lblUnit"));
    QFont unitFont = unit->font();
    unitFont.setBold(true);
    unitFont.setItalic(true);
    unitFont.setPixelSize(16);
    unit->setFont(unitFont);
    unit->setStyleSheet(QStringLiteral("color: gray"));

    auto *heading = new QHBoxLayout;
    heading->addWidget(logo, 0, Qt::AlignTop);
    heading->addSpacing(16);
    heading->addWidget(unit, 1, Qt::AlignVCenter);

    auto *contacts = new QGridLayout;
    contacts->setHorizontalSpacing(12);
    for (int row = 0; row < 3; ++row) {
        contacts->addWidget(AddLabel(kContactRows[row][0]), row, 0);
        contacts->addWidget(AddLabel(kContactRows[row][1]), row, 1);
    }
    m_homePage = findChild<QLabel *>(QStringLiteral("lblWS1"));
    m_homePage->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline"));
    m_homePage->setCursor(Qt::PointingHandCursor);
    m_homePage->installEventFilter(this);
    auto *contactRow = new QHBoxLayout;
    contactRow->addStretch(1);
    contactRow->addLayout(contacts);
    contactRow->addStretch(1);

    auto *rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Button2"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto *close = new QPushButton(this);
    close->setObjectName(QStringLiteral("btnClose"));
    close->setMinimumSize(86, 31);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 28, 7);
    layout->addLayout(heading);
    layout->addWidget(AddLabel("lblVersion"));
    QLabel *rights = AddLabel("lblCR");
    rights->setWordWrap(true);
    layout->addWidget(rights);
    layout->addSpacing(8);
    layout->addLayout(contactRow);
    layout->addStretch(1);
    layout->addWidget(rule);
    layout->addLayout(buttons);
}

void TfrmAbout::showEvent(QShowEvent *event)
{
    ApplyTexts();
    QDialog::showEvent(event);
}

void TfrmAbout::ApplyTexts()
{
    for (const auto &[control, text] : AboutTexts::Plan(m_texts)) {
        QWidget *target = control == objectName() ? this : findChild<QWidget *>(control);
        if (target)
            ControlCaption::Set(*target, text);
    }
}

bool TfrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_homePage && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        m_open(m_homePage->text());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
