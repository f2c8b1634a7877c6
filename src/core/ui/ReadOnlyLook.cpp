#include "ReadOnlyLook.h"

#include <QLineEdit>
#include <QPalette>

void ReadOnlyLook::Apply(QLineEdit &edit)
{
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    edit.setPalette(palette);
    edit.setReadOnly(true);
}
