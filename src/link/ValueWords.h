#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The printer's value words for selection lists: a list position becomes the
// word sent to the printer, and a reply becomes a list position. Captions
// shown to the user are language texts and never take part.
class ValueWords
{
public:
    enum List {
        OnOff = 0,            // sns_lock, eth_dhcp, wlan_dhcp
        MediaSensor = 1,      // media_sensor
        SensorAction = 4,     // media_power_up, head_close
        ControlCodes = 5,     // control_codes
        PrintMode = 6,        // print_mode
        WlanEncryption = 7,   // wlan_encry
        PrintMethod = 8,      // print_method
        TopOfFormBackup = 10, // top_of_form_backup
        YesNo = 11,           // heat_sw, speed_sw
        WlanMode = 12,        // wlan_mod
        AlignCenter = 13,     // align_center
    };

    static const QStringList &words(List list);

    // Reading: the position of the first word equal to the reply (exact,
    // case-sensitive), 0 when none is; nothing for an empty reply, which
    // leaves the selection as it was.
    static std::optional<int> indexOf(List list, const QString &reply);

    // Writing: the word at a position, or a null string for no selection (-1)
    // or a position beyond the list.
    static QString word(List list, int index);
};
