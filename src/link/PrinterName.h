#pragma once

// The printer's names for its parameters and functions. Each is stored with
// its double quotes and goes into a frame as it is. The spellings are the
// printer's own (configguration_page among them) and are sent exactly as
// written.
namespace PrinterName
{

// Printer functions
inline constexpr char calibrate_sensor[] = "\"calibrate_sensor\"";
inline constexpr char factory_default[] = "\"factory_default\"";
inline constexpr char reset_printer[] = "\"reset_printer\"";
inline constexpr char graph_sensor[] = "\"graph_sensor\"";
inline constexpr char configguration_page[] = "\"configguration_page\"";
inline constexpr char dump_text[] = "\"dump_text\"";
inline constexpr char tph_test_page[] = "\"tph_test_page\"";
inline constexpr char switch_test[] = "\"switch_test\"";

// Data dump, with the arguments in DumpStage
inline constexpr char dump[] = "\"dump\"";

// Stored files
inline constexpr char download[] = "\"download\"";
inline constexpr char delete_[] = "\"delete\"";
inline constexpr char print[] = "\"print\"";

// Parameter zone, sent as key commands
inline constexpr char save_param_zone[] = "\"save_param_zone\"";
inline constexpr char unlock_para[] = "\"unlock_para\"";

// Identity and counters
inline constexpr char version[] = "\"version\"";
inline constexpr char mileage_reset[] = "\"mileage_reset\"";
inline constexpr char mileage[] = "\"mileage\"";

// Printer state, a binary reply of 5 bytes
inline constexpr char printer_status[] = "\"printer_status\"";

// Media and printing
inline constexpr char dpi[] = "\"dpi\"";
inline constexpr char print_method[] = "\"print_method\"";
inline constexpr char print_mode[] = "\"print_mode\"";
inline constexpr char paper_height[] = "\"paper_height\"";
inline constexpr char sns_lock[] = "\"sns_lock\"";
inline constexpr char media_sensor[] = "\"media_sensor\"";
inline constexpr char tear_off[] = "\"tear_off\"";
inline constexpr char max_length[] = "\"max_length\"";
inline constexpr char heat_sw[] = "\"heat_sw\"";
inline constexpr char speed_sw[] = "\"speed_sw\"";
inline constexpr char media_power_up[] = "\"media_power_up\"";
inline constexpr char head_close[] = "\"head_close\"";

// Emulation pages
inline constexpr char darkness[] = "\"darkness\"";
inline constexpr char print_speed[] = "\"print_speed\"";
inline constexpr char label_width[] = "\"label_width\"";
inline constexpr char align_center[] = "\"align_center\"";
inline constexpr char control_codes[] = "\"control_codes\"";
inline constexpr char column_offset[] = "\"column_offset\"";
inline constexpr char row_offset[] = "\"row_offset\"";
inline constexpr char density[] = "\"density\"";
inline constexpr char speed[] = "\"speed\"";
inline constexpr char top_of_form_backup[] = "\"top_of_form_backup\"";
inline constexpr char reference_x[] = "\"reference_x\"";
inline constexpr char reference_y[] = "\"reference_y\"";
inline constexpr char direction[] = "\"direction\"";
inline constexpr char paper_width[] = "\"paper_width\"";

// Serial port
inline constexpr char com_baud[] = "\"com_baud\"";
inline constexpr char com_flow[] = "\"com_flow\"";
inline constexpr char com_wordlength[] = "\"com_wordlength\"";
inline constexpr char com_stopbits[] = "\"com_stopbits\"";
inline constexpr char com_parity[] = "\"com_parity\"";

// Bluetooth; bt_mac is read only
inline constexpr char bt_name[] = "\"bt_name\"";
inline constexpr char bt_pwd[] = "\"bt_pwd\"";
inline constexpr char bt_mac[] = "\"bt_mac\"";

// Ethernet; eth_mac is read only
inline constexpr char eth_dhcp[] = "\"eth_dhcp\"";
inline constexpr char eth_ip[] = "\"eth_ip\"";
inline constexpr char eth_mask[] = "\"eth_mask\"";
inline constexpr char eth_gateway[] = "\"eth_gateway\"";
inline constexpr char eth_mac[] = "\"eth_mac\"";

// Wireless; wlan_mac is read only
inline constexpr char wlan_ssid[] = "\"wlan_ssid\"";
inline constexpr char wlan_encry[] = "\"wlan_encry\"";
inline constexpr char wlan_key[] = "\"wlan_key\"";
inline constexpr char wlan_dhcp[] = "\"wlan_dhcp\"";
inline constexpr char wlan_ip[] = "\"wlan_ip\"";
inline constexpr char wlan_mask[] = "\"wlan_mask\"";
inline constexpr char wlan_gateway[] = "\"wlan_gateway\"";
inline constexpr char wlan_mod[] = "\"wlan_mod\"";
inline constexpr char wlan_mac[] = "\"wlan_mac\"";

// Clock; time_zone is set only
inline constexpr char year[] = "\"year\"";
inline constexpr char month[] = "\"month\"";
inline constexpr char date[] = "\"date\"";
inline constexpr char hour[] = "\"hour\"";
inline constexpr char minute[] = "\"minute\"";
inline constexpr char second[] = "\"second\"";
inline constexpr char time_zone[] = "\"time_zone\"";

// Sensor calibration
inline constexpr char calibration_paper_len[] = "\"calibration_paper_len\"";
inline constexpr char calibration_gap_len[] = "\"calibration_gap_len\"";

// Storage
inline constexpr char fonts[] = "\"fonts\"";
inline constexpr char bitmaps[] = "\"bitmaps\"";
inline constexpr char labels[] = "\"labels\"";
inline constexpr char autoform[] = "\"autoform\"";
inline constexpr char use_capacity[] = "\"use_capacity\"";
inline constexpr char remain_capacity[] = "\"remain_capacity\"";
inline constexpr char autoform_switch[] = "\"autoform_switch\"";

} // namespace PrinterName

// Argument texts of the dump function.
namespace DumpStage
{
inline constexpr char start[] = "start";
inline constexpr char end[] = "end";
inline constexpr char data[] = "data";
} // namespace DumpStage
