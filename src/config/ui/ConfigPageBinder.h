#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class ConfigModel;
class ConfigService;
class QWidget;

// Ties the controls of the configuration pages to the model and their
// buttons to the service: what the user types or chooses goes to the model,
// what the model holds shows in the controls, and the reading panel follows
// the read's progress. The controls are found by their design names.
class ConfigPageBinder : public QObject
{
    Q_OBJECT

public:
    ConfigPageBinder(QWidget &window, ConfigModel &model, ConfigService &service);

    // Shows every value and enabled state the model holds; the language
    // texts empty the caption lists, so this runs again after them.
    void Refresh();

private:
    void BindFields();
    void BindText(const QString &key, QWidget &control);
    void BindList(const QString &key, QWidget &control);
    void BindButtons();
    void BindPages();
    void BindReadingPanel();
    void ShowText(const QString &key, const QString &text);
    void ShowIndex(const QString &key, int index);
    void ShowEnabled(const QString &key, bool enabled);
    void ShowReadingPanel(int maximum);
    QWidget *control(const QString &key) const;

    QHash<QString, QWidget *> m_controls;
    ConfigModel &m_model;
    ConfigService &m_service;
};
