#pragma once

#include <QList>
#include <QString>

// The keys the text table loads from the language files, in load order:
// 719 lookups of 705 distinct keys. Some keys are asked first of the
// language library, the others of the language files alone.
class TextTableCatalogue
{
public:
    struct Lookup {
        QString key;
        bool viaLibrary;
    };

    static const QList<Lookup> &Lookups();
};
