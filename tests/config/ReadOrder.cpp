#include "ReadOrder.h"

#include "HostFrames.h"

#include <algorithm>

const std::vector<std::string> &ReadOrder::Full()
{
    static const std::vector<std::string> order = {
        "version",      "mileage_reset",  "mileage",        "dpi",
        "print_method", "print_mode",     "paper_height",   "version",
        "sns_lock",     "media_sensor",   "tear_off",       "max_length",
        "heat_sw",      "speed_sw",       "media_power_up", "head_close",
        "darkness",     "print_speed",    "control_codes",  "column_offset",
        "row_offset",   "density",        "speed",          "top_of_form_backup",
        "reference_x",  "reference_y",    "direction",      "paper_width",
        "com_baud",     "com_wordlength", "com_parity",     "com_stopbits",
        "com_flow",     "bt_name",        "bt_pwd",         "bt_mac",
        "eth_dhcp",     "eth_ip",         "eth_mask",       "eth_gateway",
        "eth_mac",      "wlan_ssid",      "wlan_encry",     "wlan_key",
        "wlan_mod",     "wlan_dhcp",      "wlan_ip",        "wlan_mask",
        "wlan_gateway", "wlan_mac"};
    return order;
}

std::vector<QByteArray> ReadOrder::Frames(const std::vector<std::string> &names)
{
    std::vector<QByteArray> frames;
    for (const std::string &name : names)
        frames.push_back(QByteArray::fromStdString(HostFrames::getval(name)));
    return frames;
}

prtsim::ServerOptions ReadOrder::SilentFrom(const std::vector<std::string> &order,
                                            const std::string &name)
{
    std::uint64_t bytes = 0;
    const auto end = std::find(order.begin(), order.end(), name);
    for (auto it = order.begin(); it != end; ++it)
        bytes += HostFrames::getval(*it).size();
    prtsim::ServerOptions options;
    options.dropAfter = bytes;
    return options;
}
