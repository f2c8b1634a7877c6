#pragma once

#include <QString>

// The printer model names shared by the OEM profiles, the main window's
// model list, the firmware check and the capability table. A few names have
// two constants of their own, one for each group of users, so either can
// change without the other.
class ModelNames
{
public:
    enum Id {
        PM29,
        PM30,
        PM31,
        PM32,
        PM33,
        PM34,
        PM35,
        PM36,
        PM37,
        PM38,
        Orbis,
        PM39,
        PM40,
        PM41,
        PM42,
        PM43,
        PM44ProFull,
        PM44Pro,
        PM45,
        PM46,
        PM47,
        PM48,
        PM49,
        PM50,
        PM51,
        PM52,
        PM53,
        PM54,
        PM55,
        PM56,
        PM57,
        PM58,
        PM59,
        PM60,
        PM61,
        // The capability table's own constants.
        FeaturePM40,
        FeaturePM41,
        FeaturePM44ProFull,
        FeaturePM44Pro,
    };

    static QString text(Id id);

    // PM31, PM32 and PM33 also come in a form with a kind: 0 gives the name,
    // 2 gives the text handed in, any other kind a related older model.
    static QString text(Id id, int kind, const QString &given);
};
