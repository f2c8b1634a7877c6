#pragma once

#include <QObject>

#include <functional>

// Lets a field's rule decide which typed characters reach it; a character
// the rule refuses is swallowed. Keys that type nothing (arrows, tab) are no
// characters and always pass.
class KeyFilter : public QObject
{
    Q_OBJECT

public:
    // The rule gets the character's code.
    using Rule = std::function<bool(int key)>;

    KeyFilter(Rule accepts, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Rule m_accepts;
};
