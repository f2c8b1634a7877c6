#pragma once

class QTabWidget;
class QWidget;

// The controls of the configuration pages, each under its design name, laid
// out in rows of a label, the field or fields and a hint. Which kind of
// control a name stands for comes from the configuration fields; the texts
// come later from the window's text plan.
class ConfigPagesBuilder
{
public:
    // Fills the pages of the page control, found by their names.
    static void Fill(QTabWidget &pages);
    // The panel shown over the window while the printer is read: hidden
    // until a read starts.
    static QWidget *CreateReadingPanel(QWidget &window);
};
