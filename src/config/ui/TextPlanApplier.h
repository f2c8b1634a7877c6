#pragma once

#include "MainWindowTexts.h"

#include <QMultiHash>
#include <QString>

#include <functional>

class QWidget;

// Carries out a window's text plan on the controls that carry the planned
// design names. Controls of other windows (the dialogs the window owns) are
// left alone; names that no control carries yet belong to pages still to
// come and are passed over. Lists change without their change events, as
// only the user's choices count as changes.
class TextPlanApplier
{
public:
    using Hold = std::function<void(const QString &name, const QString &text)>;

    explicit TextPlanApplier(QWidget &window);

    void Apply(const QList<MainWindowTexts::Assignment> &plan, const Hold &hold);

private:
    void ApplyOne(const MainWindowTexts::Assignment &assignment, QWidget &control);

    QWidget &m_window;
    QMultiHash<QString, QWidget *> m_controls;
};
