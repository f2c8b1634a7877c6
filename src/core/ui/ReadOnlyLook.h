#pragma once

class QLineEdit;

// An edit box that shows a value the user cannot change: read-only, on the
// colour of a button face, so it reads as a display and not as a field.
class ReadOnlyLook
{
public:
    static void Apply(QLineEdit &edit);
};
