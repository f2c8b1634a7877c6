#pragma once

#include <QDialog>

class PortSelection;
class QBoxLayout;
class TConstLangV;

// What the three port dialogs share: a small fixed dialog with only a close
// box, centred on its owner, whose texts and icon are loaded each time it is
// shown; OK hands the chosen port to the port selection, Cancel changes
// nothing.
class PortDialog : public QDialog
{
    Q_OBJECT

public:
    struct Context {
        PortSelection &ports;
        TConstLangV &texts;
        QString programFolder;
    };

    // The control named by the first text takes the window text of the key
    // named by the second.
    using Captions = QList<std::pair<const char *, const char *>>;

protected:
    PortDialog(const Context &context, const char *name, Captions captions, QWidget *owner);

    // The controls above the OK and Cancel buttons.
    void SetFields(QLayout *fields);
    PortSelection &Ports() { return m_context.ports; }

    // What the dialog shows each time it opens; by default what it showed
    // when it was last closed.
    virtual void Reset() {}
    // Hands the choice to the port selection.
    virtual void Confirm() = 0;

    void showEvent(QShowEvent *event) override;

private:
    void ApplyTexts();
    void btnOKClick();

    Context m_context;
    Captions m_captions;
};
