#pragma once

#include "FieldUpdate.h"

#include <QHash>
#include <QObject>
#include <QString>

// The values of the configuration pages and of the Z page, without any
// widget: every field text and list position by the control's design name,
// the resolution of the latest read, and which controls are enabled. The
// reader fills it, the pages show and edit it, the writer sends from it and
// parameter files are its saved form.
//
// Lives on the user-interface thread; a reader on another thread hands its
// results over through apply() with a queued connection.
class ConfigModel : public QObject
{
    Q_OBJECT

public:
    // The buttons whose enabled state the model keeps. Plain constants, so
    // other files may build their own constants from them at start-up.
    static constexpr char btnGet[] = "btnGet";
    static constexpr char btnSet[] = "btnSet";
    static constexpr char btnGet_tabZ[] = "btnGet_tabZ";
    static constexpr char btnSet_tabZ[] = "btnSet_tabZ";
    static constexpr char tabZ[] = "tabZ";
    // The list positions the pages' rules depend on.
    static constexpr int DhcpOff = 1;
    static constexpr int Station = 1;
    static constexpr int Gap = 0;

    explicit ConfigModel(QObject *parent = nullptr);

    QString text(const QString &key) const;
    // -1 when nothing is selected.
    int index(const QString &key) const;
    bool isEnabled(const QString &key) const;
    const QString &Resolution() const { return m_resolution; }

    // What the field sends: the printer word of the selected position, the
    // selected entry's text or the field's text; a null text for a list
    // without a selection.
    QString PrinterValue(const QString &key) const;

public slots:
    // Keys that are no field of the pages are ignored.
    void setText(const QString &key, const QString &text);
    // A position outside the list leaves it without a selection.
    void setIndex(const QString &key, int index);
    void setEnabled(const QString &key, bool enabled);
    void setResolution(const QString &resolution);
    void apply(const FieldUpdate &update);

    // The Ethernet address fields follow the automatic-address list; the
    // wireless ones and the wireless automatic-address list follow the
    // working mode. The pages call these when the user changes the list.
    void cmbDHCPChange();
    void cmbWDHCPChange();

    // The Z page has buttons of its own: while it is shown, the read and set
    // buttons of the other pages are off, and coming back restores them.
    void stbSSChange(const QString &page);
    void RememberButtonStates();

    void BeginRead();
    void EndRead(bool succeeded);
    void FileLoaded();

signals:
    void textChanged(const QString &key, const QString &text);
    void indexChanged(const QString &key, int index);
    void enabledChanged(const QString &key, bool enabled);
    void resolutionChanged(const QString &resolution);

private:
    void enableParts(const QString &parameter, bool enabled);

    QHash<QString, QString> m_texts;
    QHash<QString, int> m_indexes;
    QHash<QString, bool> m_enabled;
    QString m_resolution;
    bool m_rememberedGet = true;
    bool m_rememberedSet = false;
    bool m_onTabZ = false;
};
