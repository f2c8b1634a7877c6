#pragma once

#include "ServerOptions.h"

#include <QByteArray>

#include <string>
#include <vector>

// The queries of the full read in the order of its eight steps, as written
// down from the steps themselves, and helpers to script a printer against
// that order.
class ReadOrder
{
public:
    static const std::vector<std::string> &Full();
    static std::vector<QByteArray> Frames(const std::vector<std::string> &names);
    // A printer that hangs up once the host has sent the queries before
    // `name`, so `name` is the first one left unanswered.
    static prtsim::ServerOptions SilentFrom(const std::vector<std::string> &order,
                                            const std::string &name);
};
