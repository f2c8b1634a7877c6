#pragma once

#include <QMetaType>
#include <QString>

// How a read of the printer's values ended.
struct ReadOutcome {
    enum class Result {
        Success,
        OpenFailed,      // the port could not be opened; the link has said so
        Unanswered,      // detail: the parameter without an answer
        ConversionError, // detail: the reply that is not a number
    };

    Result result = Result::Success;
    QString detail;

    bool succeeded() const { return result == Result::Success; }
    bool operator==(const ReadOutcome &) const = default;
};

Q_DECLARE_METATYPE(ReadOutcome)
