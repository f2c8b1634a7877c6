#include "ParameterCatalog.h"

#include <algorithm>

namespace virtualprinter
{
namespace
{

ValueRule onOff()
{
    return ValueRule::words({"on", "off"});
}

ValueRule speeds()
{
    return ValueRule::words({"2", "3", "4"});
}

// Lengths in printer dots; 9999 dots is more than a metre at 203 dpi.
ValueRule dots()
{
    return ValueRule::integer(0, 9999);
}

std::vector<ParameterSpec> mediaAndPrinting()
{
    return {
        {"dpi", "203", ValueRule::words({"203", "300"})},
        {"print_method", "thermal_transfer",
         ValueRule::words({"thermal_transfer", "direct_thermal"})},
        {"print_mode", "tear", ValueRule::words({"tear", "cutter", "peel"})},
        {"paper_height", "2000", dots()},
        {"sns_lock", "off", onOff()},
        {"media_sensor", "gap", ValueRule::words({"gap", "black_mark", "continuous"})},
        {"tear_off", "0", ValueRule::integer(-120, 120)},
        {"max_length", "250", dots()},
        {"heat_sw", "yes", ValueRule::words({"yes", "no"})},
        {"speed_sw", "yes", ValueRule::words({"yes", "no"})},
        {"media_power_up", "feed", ValueRule::words({"feed", "calibation", "none"})},
        {"head_close", "feed", ValueRule::words({"feed", "calibation", "none"})},
    };
}

std::vector<ParameterSpec> emulation()
{
    return {
        {"darkness", "15", ValueRule::integer(0, 30)},
        {"print_speed", "4", speeds()},
        {"label_width", "832", ValueRule::integer(1, 9999)},
        {"align_center", "off", onOff()},
        {"control_codes", "standard", ValueRule::words({"standard", "alternate", "alternate-2"})},
        {"column_offset", "0", ValueRule::integer(-90, 90)},
        {"row_offset", "0", ValueRule::integer(-90, 90)},
        {"density", "8", ValueRule::integer(0, 15)},
        {"speed", "4", speeds()},
        {"top_of_form_backup", "enable", ValueRule::words({"enable", "disable"})},
        {"reference_x", "0", dots()},
        {"reference_y", "0", dots()},
        {"direction", "zt", ValueRule::words({"zt", "zb"})},
        {"paper_width", "832", ValueRule::integer(1, 9999)},
    };
}

std::vector<ParameterSpec> ports()
{
    return {
        {"com_baud", "9600",
         ValueRule::words({"1200", "4800", "9600", "19200", "38400", "57600", "115200"})},
        {"com_flow", "none", ValueRule::words({"none", "rts/cts"})},
        {"com_wordlength", "8", ValueRule::words({"7", "8"})},
        {"com_stopbits", "1", ValueRule::words({"1", "2"})},
        {"com_parity", "none", ValueRule::words({"none", "odd", "even"})},
        {"bt_name", "PRINTER-BT", ValueRule::text(1, 16)},
        {"bt_pwd", "0000", ValueRule::digits(1, 4)},
        {"bt_mac", "02:50:4D:00:00:03", ValueRule::readOnly()},
        {"eth_dhcp", "on", onOff()},
        {"eth_ip", "10.0.20.222", ValueRule::address()},
        {"eth_mask", "255.255.255.0", ValueRule::address()},
        {"eth_gateway", "10.0.20.1", ValueRule::address()},
        {"eth_mac", "02:50:4D:00:00:01", ValueRule::readOnly()},
        {"wlan_ssid", "PRINTER-AP", ValueRule::text(1, 32)},
        {"wlan_encry", "wpa", ValueRule::words({"wpa", "wep1", "wep2"})},
        {"wlan_key", "12345678", ValueRule::text(0, 64)},
        {"wlan_dhcp", "on", onOff()},
        {"wlan_ip", "10.0.21.1", ValueRule::address()},
        {"wlan_mask", "255.255.255.0", ValueRule::address()},
        {"wlan_gateway", "10.0.21.1", ValueRule::address()},
        {"wlan_mod", "ap", ValueRule::words({"ap", "sta"})},
        {"wlan_mac", "02:50:4D:00:00:02", ValueRule::readOnly()},
    };
}

// The version is filled in from the model when the printer is made.
std::vector<ParameterSpec> identityAndMaintenance()
{
    return {
        {"version", "", ValueRule::readOnly()},
        {"mileage", "1250", ValueRule::readOnly()},
        {"mileage_reset", "120", ValueRule::readOnly()},
        {"time_zone", "0", ValueRule::integer(-720, 840)},
        {"calibration_paper_len", "30", ValueRule::integer(0, 108)},
        {"calibration_gap_len", "3", ValueRule::integer(0, 108)},
        {"autoform_switch", "off", onOff()},
    };
}

std::vector<ParameterSpec> buildCatalog()
{
    std::vector<ParameterSpec> catalog;
    for (auto group : {mediaAndPrinting(), emulation(), ports(), identityAndMaintenance()})
        catalog.insert(catalog.end(), group.begin(), group.end());
    return catalog;
}

} // namespace

const std::vector<ParameterSpec> &ParameterCatalog::all()
{
    static const std::vector<ParameterSpec> catalog = buildCatalog();
    return catalog;
}

const ParameterSpec *ParameterCatalog::find(std::string_view name)
{
    const auto &catalog = all();
    const auto found =
        std::find_if(catalog.begin(), catalog.end(),
                     [name](const ParameterSpec &spec) { return spec.name == name; });
    return found == catalog.end() ? nullptr : &*found;
}

} // namespace virtualprinter
