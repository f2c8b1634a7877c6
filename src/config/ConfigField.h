#pragma once

#include "ValueWords.h"

#include <QString>
#include <QStringList>

#include <optional>

// One control of the configuration pages as the model sees it: what it
// holds, where it is saved, which printer value it stands for and which
// input rules apply to it. The key is the control's design name, so a
// window finds its control by object name.
struct ConfigField {
    enum class Kind { Text, List };
    // Which keys a field lets through.
    enum class Filter { None, Digits, SignedDigits };

    QString key = {};
    Kind kind = Kind::Text;
    QString page = {};
    // The key in a parameter file; empty for controls that are not saved.
    QString fileKey = {};
    // The printer's name for the value, quotes included; empty for none.
    QString parameter = {};
    // Addresses are split over several fields: the part this field holds,
    // from 1; 0 for a field that holds the whole value.
    int part = 0;
    // Lists whose position stands for a printer word.
    std::optional<ValueWords::List> words = {};
    // Lists whose entries are fixed texts; for lists without printer words
    // the selected text is what goes to the printer.
    QStringList entries = {};
    // Lists whose entries are language captions: how many there are.
    int captionCount = 0;
    Filter filter = Filter::None;
    int maxLength = 0; // 0: no limit
    // Leaving the field cuts the value back to this bound either way; 0: no
    // bound.
    int bound = 0;
    // Shown in millimetres, the printer counts dots.
    bool millimetres = false;
    // Sent with its capitals, and only when it is not blank.
    bool exact = false;
    bool readOnly = false;
    // The language key of the field's label, to name it in messages.
    QString captionKey = {};

    int entryCount() const { return entries.isEmpty() ? captionCount : int(entries.size()); }
    bool numeric() const { return filter != Filter::None; }
};
