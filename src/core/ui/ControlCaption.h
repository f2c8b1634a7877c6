#pragma once

#include <QString>

class QWidget;

// Puts a language text on a control the way the control shows a caption:
// the text of a button, label or edit box, the title of a group box, the
// tab of a page, the title of a window.
class ControlCaption
{
public:
    static void Set(QWidget &control, const QString &text);
};
