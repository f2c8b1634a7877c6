#include "ConfigPageBinder.h"

#include "ConfigFields.h"
#include "ConfigModel.h"
#include "ConfigService.h"
#include "InputRules.h"
#include "KeyFilter.h"
#include "LeaveFilter.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QTabWidget>

namespace
{

const QString kReadingPanel = QStringLiteral("pnlReading");
const QString kReadingBar = QStringLiteral("pgbReading");
// The reading panel sits this far above the window's middle.
const int kPanelRaise = 50;

// Built on use: the names are statics of another file, not yet made while
// this file's statics are.
QStringList modelButtons()
{
    return {ConfigModel::btnGet, ConfigModel::btnSet, ConfigModel::btnGet_tabZ,
            ConfigModel::btnSet_tabZ};
}

} // namespace

ConfigPageBinder::ConfigPageBinder(QWidget &window, ConfigModel &model, ConfigService &service)
    : QObject(&window), m_model(model), m_service(service)
{
    for (QWidget *found : window.findChildren<QWidget *>()) {
        if (found->window() == &window && !found->objectName().isEmpty())
            m_controls.insert(found->objectName(), found);
    }
    BindFields();
    BindButtons();
    BindPages();
    BindReadingPanel();
    connect(&m_model, &ConfigModel::textChanged, this, &ConfigPageBinder::ShowText);
    connect(&m_model, &ConfigModel::indexChanged, this, &ConfigPageBinder::ShowIndex);
    connect(&m_model, &ConfigModel::enabledChanged, this, &ConfigPageBinder::ShowEnabled);
    Refresh();
}

QWidget *ConfigPageBinder::control(const QString &key) const
{
    return m_controls.value(key);
}

void ConfigPageBinder::BindFields()
{
    for (const ConfigField &field : ConfigFields::all()) {
        QWidget *shown = control(field.key);
        if (!shown)
            continue;
        if (field.kind == ConfigField::Kind::List)
            BindList(field.key, *shown);
        else
            BindText(field.key, *shown);
    }
}

void ConfigPageBinder::BindText(const QString &key, QWidget &control)
{
    auto *edit = qobject_cast<QLineEdit *>(&control);
    if (!edit || edit->isReadOnly())
        return;
    if (const int limit = InputRules::MaxLength(key))
        edit->setMaxLength(limit);
    if (ConfigFields::find(key)->numeric())
        edit->installEventFilter(
            new KeyFilter([key](int typed) { return InputRules::AcceptsKey(key, typed); }, edit));
    connect(edit, &QLineEdit::textEdited, &m_model,
            [this, key](const QString &text) { m_model.setText(key, text); });
    edit->installEventFilter(new LeaveFilter([this, key] { m_service.CheckValue(key); }, edit));
}

void ConfigPageBinder::BindList(const QString &key, QWidget &control)
{
    auto *list = qobject_cast<QComboBox *>(&control);
    if (!list)
        return;
    connect(list, &QComboBox::activated, &m_model, [this, key](int index) {
        m_model.setIndex(key, index);
        if (key == QLatin1String("cmbDHCP"))
            m_model.cmbDHCPChange();
        else if (key == QLatin1String("ComboBox9"))
            m_model.cmbWDHCPChange();
    });
}

void ConfigPageBinder::BindButtons()
{
    const std::pair<QString, void (ConfigService::*)()> actions[] = {
        {ConfigModel::btnGet, &ConfigService::btnGetClick},
        {ConfigModel::btnSet, &ConfigService::btnSetClick},
        {ConfigModel::btnGet_tabZ, &ConfigService::btnGet_tabZClick},
        {ConfigModel::btnSet_tabZ, &ConfigService::btnSet_tabZClick},
        {QStringLiteral("btnLoad"), &ConfigService::btnLoadClick},
        {QStringLiteral("btnSave"), &ConfigService::btnSaveClick},
    };
    for (const auto &[name, action] : actions) {
        if (auto *button = qobject_cast<QAbstractButton *>(control(name)))
            connect(button, &QAbstractButton::clicked, &m_service, action);
    }
}

void ConfigPageBinder::BindPages()
{
    auto *pages = qobject_cast<QTabWidget *>(control(QStringLiteral("stbSS")));
    if (!pages)
        return;
    connect(pages, &QTabWidget::currentChanged, &m_model, [this, pages](int index) {
        if (QWidget *page = pages->widget(index))
            m_model.stbSSChange(page->objectName());
    });
}

void ConfigPageBinder::BindReadingPanel()
{
    TPBThread &progress = m_service.Progress();
    connect(&progress, &TPBThread::panelShown, this, &ConfigPageBinder::ShowReadingPanel);
    connect(&progress, &TPBThread::progressChanged, this, [this](int value) {
        if (auto *bar = qobject_cast<QProgressBar *>(control(kReadingBar)))
            bar->setValue(value);
    });
    connect(&progress, &TPBThread::panelHidden, this, [this] {
        if (QWidget *panel = control(kReadingPanel))
            panel->hide();
    });
}

void ConfigPageBinder::ShowReadingPanel(int maximum)
{
    QWidget *panel = control(kReadingPanel);
    if (!panel)
        return;
    if (auto *bar = qobject_cast<QProgressBar *>(control(kReadingBar))) {
        bar->setMaximum(maximum);
        bar->setValue(0);
    }
    const QWidget *window = panel->parentWidget();
    panel->move((window->width() - panel->width()) / 2,
                (window->height() - panel->height()) / 2 - kPanelRaise);
    panel->show();
    panel->raise();
}

void ConfigPageBinder::Refresh()
{
    for (const ConfigField &field : ConfigFields::all()) {
        if (field.kind == ConfigField::Kind::List)
            ShowIndex(field.key, m_model.index(field.key));
        else
            ShowText(field.key, m_model.text(field.key));
        ShowEnabled(field.key, m_model.isEnabled(field.key));
    }
    for (const QString &button : modelButtons())
        ShowEnabled(button, m_model.isEnabled(button));
}

void ConfigPageBinder::ShowText(const QString &key, const QString &text)
{
    QWidget *shown = control(key);
    if (auto *edit = qobject_cast<QLineEdit *>(shown)) {
        // Setting the same text again would move the user's cursor.
        if (edit->text() != text)
            edit->setText(text);
    } else if (auto *label = qobject_cast<QLabel *>(shown)) {
        label->setText(text);
    }
}

void ConfigPageBinder::ShowIndex(const QString &key, int index)
{
    if (auto *list = qobject_cast<QComboBox *>(control(key))) {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(index);
    }
}

void ConfigPageBinder::ShowEnabled(const QString &key, bool enabled)
{
    // Displays keep the look of a display; the model never enables them.
    const ConfigField *field = ConfigFields::find(key);
    if (field && field->readOnly)
        return;
    if (QWidget *shown = control(key))
        shown->setEnabled(enabled);
}
