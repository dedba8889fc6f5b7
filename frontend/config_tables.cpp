// The configuration registers of the VxCORE devices.  Every device has the
// same six bytes from 0x300000 on; they differ in the number of program
// blocks that the guard bits cover, one per 16 KB of program memory, and in
// whether the extended instruction set can be switched on.  The bytes of a
// layout are shared by its devices: a run selects one device and resets its
// bytes before it touches them.
#include "frontend/config_tables.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "target/procdb.h"

namespace {

using value_pair = std::array<config_value, 3>;

constexpr config_value s_clock_sources[] = {
    {"LPXTAL", "Low-power crystal up to 200 kHz", 0x00},
    {"XTAL", "Crystal or resonator up to 25 MHz", 0x02},
    {"XTALX4", "Crystal or resonator, frequency multiplied by four", 0x06},
    {"EXTIN", "External clock on the CLKIN pin", 0x05},
    {"EXTRC", "External RC network, instruction clock on the CLKOUT pin", 0x07},
    {"INTRC", "Internal RC oscillator, instruction clock on the CLKOUT pin", 0x09},
    {"INTRCIO", "Internal RC oscillator, CLKOUT is a port pin", 0x08},
    {nullptr, nullptr, 0},
};

constexpr value_pair s_on_off(uint32_t on_bits, const char *on, uint32_t off_bits, const char *off)
{
    return {{{"ON", on, on_bits}, {"OFF", off, off_bits}, {nullptr, nullptr, 0}}};
}

constexpr value_pair s_clock_guard_values =
    s_on_off(0x10, "Switch to the internal oscillator when the clock fails", 0x00, "Clock failure monitor disabled");
constexpr value_pair s_clock_swap_values =
    s_on_off(0x20, "Run from the internal oscillator until the clock is stable", 0x00,
             "Start on the selected clock source");

constexpr config_setting s_clock_settings[] = {
    {"CLKSRC", "Clock source", 0x0F, s_clock_sources},
    {"CLKGUARD", "Clock failure monitor", 0x10, s_clock_guard_values.data()},
    {"CLKSWAP", "Two-speed start-up", 0x20, s_clock_swap_values.data()},
    {nullptr, nullptr, 0, nullptr},
};

constexpr value_pair s_power_delay_values =
    s_on_off(0x80, "Hold reset for 64 ms after power-up", 0x00, "No power-up delay");

constexpr config_value s_brownout_modes[] = {
    {"OFF", "Brown-out reset disabled", 0x00},
    {"SOFT", "Brown-out reset switched by software", 0x10},
    {"AWAKE", "Brown-out reset enabled while running, disabled in sleep", 0x20},
    {"HARD", "Brown-out reset always enabled", 0x30},
    {nullptr, nullptr, 0},
};

constexpr config_value s_brownout_levels[] = {
    {"V46", "Reset below 4.6 V", 0x00},
    {"V43", "Reset below 4.3 V", 0x04},
    {"V28", "Reset below 2.8 V", 0x08},
    {"V21", "Reset below 2.1 V", 0x0C},
    {nullptr, nullptr, 0},
};

constexpr config_value s_reset_pin_functions[] = {
    {"RESET", "The pin resets the device", 0x01},
    {"INPUT", "The pin is a digital input", 0x00},
    {nullptr, nullptr, 0},
};

constexpr config_setting s_power_settings[] = {
    {"PWRDELAY", "Power-up delay", 0x80, s_power_delay_values.data()},
    {"VDROP", "Brown-out reset", 0x30, s_brownout_modes},
    {"VDROPLVL", "Brown-out reset level", 0x0C, s_brownout_levels},
    {"RSTPIN", "Reset pin function", 0x01, s_reset_pin_functions},
    {nullptr, nullptr, 0, nullptr},
};

constexpr value_pair s_watchdog_values =
    s_on_off(0x80, "Watchdog timer always enabled", 0x00, "Watchdog timer switched by software");

constexpr config_value s_watchdog_dividers[] = {
    {"D1", "1:1", 0x00},         {"D2", "1:2", 0x01},         {"D4", "1:4", 0x02},
    {"D8", "1:8", 0x03},         {"D16", "1:16", 0x04},       {"D32", "1:32", 0x05},
    {"D64", "1:64", 0x06},       {"D128", "1:128", 0x07},     {"D256", "1:256", 0x08},
    {"D512", "1:512", 0x09},     {"D1024", "1:1024", 0x0A},   {"D2048", "1:2048", 0x0B},
    {"D4096", "1:4096", 0x0C},   {"D8192", "1:8192", 0x0D},   {"D16384", "1:16384", 0x0E},
    {"D32768", "1:32768", 0x0F}, {nullptr, nullptr, 0},
};

constexpr config_setting s_watchdog_settings[] = {
    {"WATCHDOG", "Watchdog timer", 0x80, s_watchdog_values.data()},
    {"WDSCALE", "Watchdog timer divider", 0x0F, s_watchdog_dividers},
    {nullptr, nullptr, 0, nullptr},
};

constexpr value_pair s_stack_reset_values = s_on_off(0x02, "Stack overflow or underflow resets the device", 0x00,
                                                     "Stack errors only set a status flag");
// The debugger pins are given up by default, so the enabling choice clears its bit.
constexpr value_pair s_debugger_values =
    s_on_off(0x00, "Debugger enabled, its pins are reserved", 0x10, "Debugger disabled, its pins are port pins");
constexpr value_pair s_extended_values =
    s_on_off(0x20, "Extended instructions and indexed addressing enabled", 0x00, "Extended instruction set disabled");

constexpr config_setting s_debug_settings[] = {
    {"STKRESET", "Stack overflow and underflow reset", 0x02, s_stack_reset_values.data()},
    {"DEBUGGER", "In-circuit debugger", 0x10, s_debugger_values.data()},
    {nullptr, nullptr, 0, nullptr},
};

constexpr config_setting s_debug_settings_extended[] = {
    {"STKRESET", "Stack overflow and underflow reset", 0x02, s_stack_reset_values.data()},
    {"DEBUGGER", "In-circuit debugger", 0x10, s_debugger_values.data()},
    {"INSTEXT", "Extended instruction set", 0x20, s_extended_values.data()},
    {nullptr, nullptr, 0, nullptr},
};

constexpr size_t MAX_GUARD_BLOCKS = 6;
constexpr unsigned GUARD_BLOCK_BYTES = 16384;
constexpr uint32_t BOOT_GUARD_MASK = 0x80;
constexpr unsigned BOOT_GUARD_BIT = 7;

// An erased guard bit leaves its block open, so guarding clears the bit.
constexpr std::array<value_pair, 8> s_guard_values = [] {
    std::array<value_pair, 8> values{};
    for (unsigned bit = 0; bit < values.size(); ++bit)
        values[bit] = s_on_off(0x00, "Block guarded", 1u << bit, "Block not guarded");
    return values;
}();

constexpr const char *s_code_guard_names[MAX_GUARD_BLOCKS] = {"CGUARD0", "CGUARD1", "CGUARD2",
                                                              "CGUARD3", "CGUARD4", "CGUARD5"};
constexpr const char *s_code_guard_descriptions[MAX_GUARD_BLOCKS] = {
    "Code guard, program block 0", "Code guard, program block 1", "Code guard, program block 2",
    "Code guard, program block 3", "Code guard, program block 4", "Code guard, program block 5"};
constexpr const char *s_table_guard_names[MAX_GUARD_BLOCKS] = {"TGUARD0", "TGUARD1", "TGUARD2",
                                                               "TGUARD3", "TGUARD4", "TGUARD5"};
constexpr const char *s_table_guard_descriptions[MAX_GUARD_BLOCKS] = {
    "Table-read guard, program block 0", "Table-read guard, program block 1", "Table-read guard, program block 2",
    "Table-read guard, program block 3", "Table-read guard, program block 4", "Table-read guard, program block 5"};

// One guard bit per program block from bit 0 up, then the boot block's bit
// and the terminator.
template <size_t Blocks>
constexpr std::array<config_setting, Blocks + 2> s_guard_settings(const char *const (&names)[MAX_GUARD_BLOCKS],
                                                                 const char *const (&descriptions)[MAX_GUARD_BLOCKS],
                                                                 const char *boot_name, const char *boot_description)
{
    std::array<config_setting, Blocks + 2> settings{};
    for (size_t block = 0; block < Blocks; ++block)
        settings[block] = {names[block], descriptions[block], 1u << block, s_guard_values[block].data()};
    settings[Blocks] = {boot_name, boot_description, BOOT_GUARD_MASK, s_guard_values[BOOT_GUARD_BIT].data()};
    return settings;
}

template <size_t Blocks>
constexpr auto s_code_guards = s_guard_settings<Blocks>(s_code_guard_names, s_code_guard_descriptions, "BGUARD",
                                                        "Code guard, boot block");
template <size_t Blocks>
constexpr auto s_table_guards = s_guard_settings<Blocks>(s_table_guard_names, s_table_guard_descriptions,
                                                         "BTGUARD", "Table-read guard, boot block");

constexpr uint8_t s_open_guards(size_t blocks)
{
    return static_cast<uint8_t>(((1u << blocks) - 1) | BOOT_GUARD_MASK);
}

constexpr config_register s_register(uint32_t address, uint8_t default_value, const config_setting *settings)
{
    return {address, 0, default_value, default_value, 0, settings};
}

constexpr unsigned REGISTER_COUNT = 6;

template <size_t Blocks, bool Extended>
config_register s_layout[REGISTER_COUNT] = {
    s_register(0x300000, 0x07, s_clock_settings),
    s_register(0x300001, 0x3D, s_power_settings),
    s_register(0x300002, 0x8F, s_watchdog_settings),
    s_register(0x300003, 0x12, Extended ? s_debug_settings_extended : s_debug_settings),
    s_register(0x300004, s_open_guards(Blocks), s_code_guards<Blocks>.data()),
    s_register(0x300005, s_open_guards(Blocks), s_table_guards<Blocks>.data()),
};

// Indexed by the number of guard blocks - 1 and the extended-mode flag.
config_register *const s_layouts[MAX_GUARD_BLOCKS][2] = {
    {s_layout<1, false>, s_layout<1, true>}, {s_layout<2, false>, s_layout<2, true>},
    {s_layout<3, false>, s_layout<3, true>}, {s_layout<4, false>, s_layout<4, true>},
    {s_layout<5, false>, s_layout<5, true>}, {s_layout<6, false>, s_layout<6, true>},
};

} // namespace

config_register *get_config_bytes(int processor, unsigned *count)
{
    if (processor < FIRST_CONFIGURABLE_PROCESSOR || processor > LAST_CONFIGURABLE_PROCESSOR) {
        *count = 0;
        return nullptr;
    }
    unsigned blocks = (getProgramLocations(processor) + GUARD_BLOCK_BYTES - 1) / GUARD_BLOCK_BYTES;
    blocks = std::clamp(blocks, 1u, static_cast<unsigned>(MAX_GUARD_BLOCKS));
    *count = REGISTER_COUNT;
    return s_layouts[blocks - 1][supports_extended_mode(processor) ? 1 : 0];
}
