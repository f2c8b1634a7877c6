#include "ConfigPagesBuilder.h"

#include "ConfigFields.h"
#include "ReadOnlyLook.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <QStringList>

#include <vector>

namespace
{

struct Row {
    QString label;
    QStringList controls;
    QString hint = {};
    // For the one label the language files hold no text for.
    QString fixedCaption = {};
};

struct PageRows {
    QString page;
    std::vector<Row> rows;
    QStringList buttons = {};
};

QStringList numbered(const QString &prefix, int count)
{
    QStringList names;
    for (int part = 1; part <= count; ++part)
        names << prefix + QString::number(part);
    return names;
}

const std::vector<PageRows> &pageRows()
{
    static const std::vector<PageRows> rows = {
        {"tabComSet",
         {{"lblRibbon", {"cmbRibbon"}},
          {"lblZPrintMode", {"cmbZPrintMode"}},
          {"lblMaximumLen", {"txtMaxiMumLen"}},
          {"lblPaperSensor", {"cmbPaperSensor"}},
          {"lblLabelTypeLock", {"cbxLabelTypeLock"}},
          {"lblZTearOff", {"txtZTearOff"}},
          {"Label24", {"Edit1"}},
          {"Label13", {"ComboBox2"}},
          {"Label14", {"ComboBox3"}},
          {"lblZMediaPowerUp", {"cmbZMediaPowerUp"}},
          {"lblZHeadClose", {"cmbZHeadClose"}},
          {"lblResolution", {"ComboBox8"}, {}, "DPI:"}}},
        {"tabD",
         {{"lblDensity", {"ComboBox4"}},
          {"lblSpeed", {"ComboBox5"}},
          {"lblDControlCodes", {"cmbDControlCodes"}},
          {"lblDColumnOffse", {"txtDColumnOffse"}},
          {"lblDRowOffset", {"txtDRowOffset"}}}},
        {"E_Setting",
         {{"Label8", {"ComboBox1"}},
          {"lblDLabelWidth", {"ComboBox6"}},
          {"Label17", {"ComboBox7"}},
          {"Label16", {"Edit4", "Edit5"}},
          {"lblDPresentSensor", {"cmbPresentSensor"}},
          {"Label7", {"Edit3"}}}},
        {"tabZ",
         {{"lblLabelWidth", {"txtLabelWidth"}, "lblLabelWidthRange"},
          {"lblAlignCenter", {"cbxAlignCenter"}},
          {"lblDensityZ", {"cbxDensityZ"}},
          {"lblSpeedZ", {"cbxSpeedZ"}}},
         {"btnGet_tabZ", "btnSet_tabZ"}},
        {"tabRS232",
         {{"lblBaudRate", {"cmbBaudRate"}},
          {"lblDataBits", {"cmbDataBits"}},
          {"lblParity", {"cmbParity"}},
          {"lblStopBits", {"cmbStopBits"}},
          {"Label27", {"cmbFlow"}}}},
        {"tabBT",
         {{"lblBTName", {"txtBTName"}, "lblBTNameLen"},
          {"lblBTPWD", {"txtBTPWD"}, "lblBTPWDLen"},
          {"lblMAC", numbered("txtBTMAC", 6)}}},
        {"tabNet",
         {{"lblDHCP", {"cmbDHCP"}},
          {"lblIP", numbered("txtIP", 4)},
          {"lblSub", numbered("txtSN", 4)},
          {"lblGate", numbered("txtGate", 4)},
          {"lblIPMAC", numbered("txtIPMAC", 6)}}},
        {"tabWifi",
         {{"lblWName", {"txtWName"}, "lblWNameLen"},
          {"lblWPWDType", {"cmbWPWDType"}},
          {"lblWPWD", {"txtWPWD"}, "lblWPWDLen"},
          {"Label9", {"ComboBox9"}},
          {"lblWDHCP", {"cmbWDHCP"}},
          {"lblWIP", numbered("txtWIP", 4)},
          {"lblWSN", numbered("txtWSN", 4)},
          {"lblWGate", numbered("txtWGate", 4)},
          {"lblWMAC", numbered("txtWMAC", 6)}}},
    };
    return rows;
}

// Parts of an address sit side by side and hold a few characters each.
const int kPartWidth = 52;
const int kFieldWidth = 200;

template <typename Control> Control *named(Control *control, const QString &name)
{
    control->setObjectName(name);
    return control;
}

QWidget *createControl(const QString &name, QWidget *parent)
{
    const ConfigField *field = ConfigFields::find(name);
    if (field && field->kind == ConfigField::Kind::List) {
        auto *list = named(new QComboBox(parent), name);
        list->addItems(field->entries);
        list->setCurrentIndex(-1);
        return list;
    }
    // Hints are labels, and so is the one field the model fills for show.
    if (!field || (field->readOnly && name.startsWith(QStringLiteral("lbl"))))
        return named(new QLabel(parent), name);
    auto *edit = named(new QLineEdit(parent), name);
    if (field->readOnly)
        ReadOnlyLook::Apply(*edit);
    return edit;
}

QLayout *createFields(const Row &row, QWidget *parent)
{
    auto *fields = new QHBoxLayout;
    const bool parts = row.controls.size() > 1;
    for (const QString &name : row.controls) {
        QWidget *control = createControl(name, parent);
        if (parts)
            control->setFixedWidth(kPartWidth);
        else
            control->setMinimumWidth(kFieldWidth);
        fields->addWidget(control);
    }
    if (parts)
        fields->addStretch(1);
    return fields;
}

void addRow(QGridLayout &grid, int index, const Row &row, QWidget *page)
{
    auto *label = named(new QLabel(page), row.label);
    label->setText(row.fixedCaption);
    grid.addWidget(label, index, 0);
    grid.addLayout(createFields(row, page), index, 1);
    if (!row.hint.isEmpty())
        grid.addWidget(createControl(row.hint, page), index, 2);
}

void fillPage(QWidget &page, const PageRows &rows)
{
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    int index = 0;
    for (const Row &row : rows.rows)
        addRow(*grid, index++, row, &page);
    grid->setColumnStretch(3, 1);
    auto *layout = new QVBoxLayout(&page);
    layout->addLayout(grid);
    if (!rows.buttons.isEmpty()) {
        auto *buttons = new QHBoxLayout;
        for (const QString &name : rows.buttons)
            buttons->addWidget(named(new QPushButton(&page), name));
        buttons->addStretch(1);
        layout->addLayout(buttons);
    }
    layout->addStretch(1);
}

} // namespace

void ConfigPagesBuilder::Fill(QTabWidget &pages)
{
    for (const PageRows &rows : pageRows()) {
        if (auto *page = pages.findChild<QWidget *>(rows.page))
            fillPage(*page, rows);
    }
}

QWidget *ConfigPagesBuilder::CreateReadingPanel(QWidget &window)
{
    auto *panel = named(new QGroupBox(&window), QStringLiteral("pnlReading"));
    panel->setAlignment(Qt::AlignHCenter);
    auto *bar = named(new QProgressBar(panel), QStringLiteral("pgbReading"));
    bar->setTextVisible(false);
    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(bar);
    panel->setAutoFillBackground(true);
    panel->resize(360, 72);
    panel->hide();
    return panel;
}
