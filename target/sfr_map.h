// The VxCORE data memory map: where the special-function registers live and
// which addresses the access bank reaches.  The linker defines the register
// names from this table and the simulator gives the same addresses their
// behaviour, so both always agree.
#pragma once
#include <cstdint>
#include <cstring>

constexpr unsigned DATA_MEMORY_SIZE = 0x1000;
constexpr unsigned BANK_SIZE = 0x100;
constexpr unsigned SFR_FIRST = 0xF60;   // special-function registers: 0xF60 .. 0xFFF
constexpr unsigned ACCESS_LOW_END = 0x60; // access-bit-0 operands below this reach bank 0

enum sfr_address : uint16_t {
    SFR_TXSTA = 0xFD3,
    SFR_TXREG = 0xFD4,
    SFR_RCON = 0xFD5,
    SFR_INTCON2 = 0xFD6,
    SFR_T0CON = 0xFD7,
    SFR_STATUS = 0xFD8,
    SFR_FSR2L = 0xFD9,
    SFR_FSR2H = 0xFDA,
    SFR_PLUSW2 = 0xFDB,
    SFR_PREINC2 = 0xFDC,
    SFR_POSTDEC2 = 0xFDD,
    SFR_POSTINC2 = 0xFDE,
    SFR_INDF2 = 0xFDF,
    SFR_BSR = 0xFE0,
    SFR_FSR1L = 0xFE1,
    SFR_FSR1H = 0xFE2,
    SFR_PLUSW1 = 0xFE3,
    SFR_PREINC1 = 0xFE4,
    SFR_POSTDEC1 = 0xFE5,
    SFR_POSTINC1 = 0xFE6,
    SFR_INDF1 = 0xFE7,
    SFR_WREG = 0xFE8,
    SFR_FSR0L = 0xFE9,
    SFR_FSR0H = 0xFEA,
    SFR_PLUSW0 = 0xFEB,
    SFR_PREINC0 = 0xFEC,
    SFR_POSTDEC0 = 0xFED,
    SFR_POSTINC0 = 0xFEE,
    SFR_INDF0 = 0xFEF,
    SFR_TMR0L = 0xFF0,
    SFR_TMR0H = 0xFF1,
    SFR_INTCON = 0xFF2,
    SFR_PRODL = 0xFF3,
    SFR_PRODH = 0xFF4,
    SFR_TABLAT = 0xFF5,
    SFR_TBLPTRL = 0xFF6,
    SFR_TBLPTRH = 0xFF7,
    SFR_TBLPTRU = 0xFF8,
    SFR_PCL = 0xFF9,
    SFR_PCLATH = 0xFFA,
    SFR_PCLATU = 0xFFB,
    SFR_STKPTR = 0xFFC,
    SFR_TOSL = 0xFFD,
    SFR_TOSH = 0xFFE,
    SFR_TOSU = 0xFFF,
};

// Each pointer's registers sit at fixed offsets from its low byte, so the
// indirect-access registers of all three pointers decode the same way.
enum fsr_register_offset : unsigned {
    FSR_OFFSET_LOW = 0,
    FSR_OFFSET_HIGH = 1,
    FSR_OFFSET_PLUSW = 2,
    FSR_OFFSET_PREINC = 3,
    FSR_OFFSET_POSTDEC = 4,
    FSR_OFFSET_POSTINC = 5,
    FSR_OFFSET_INDF = 6,
};
constexpr uint16_t FSR_LOW_ADDRESS[3] = {SFR_FSR0L, SFR_FSR1L, SFR_FSR2L};

enum status_bit : uint8_t {
    STATUS_C = 0x01,
    STATUS_DC = 0x02,
    STATUS_Z = 0x04,
    STATUS_OV = 0x08,
    STATUS_N = 0x10,
};

// Each enable bit sits three places above its flag, and each priority bit
// of INTCON2 at its flag's place, so the requests are the flags ANDed with
// the enables shifted down, and the high-priority ones that AND INTCON2.
// With priorities on (RCON_IPEN) bit 7 enables the high-priority requests
// and bit 6 the low-priority ones; with them off bit 7 enables all, and
// bit 6 (PEIE) gates nothing, as every source is a core one.
enum intcon_bit : uint8_t {
    INTCON_RBIF = 0x01,
    INTCON_INT0IF = 0x02,
    INTCON_TMR0IF = 0x04,
    INTCON_RBIE = 0x08,
    INTCON_INT0IE = 0x10,
    INTCON_TMR0IE = 0x20,
    INTCON_GIEL = 0x40,
    INTCON_GIE = 0x80,
    INTCON_GIEH = 0x80,
};
constexpr uint8_t INTCON_FLAGS = INTCON_RBIF | INTCON_INT0IF | INTCON_TMR0IF;
constexpr unsigned INTCON_ENABLE_SHIFT = 3;

// INT0 has no priority bit: it is always a high-priority request.
enum intcon2_bit : uint8_t {
    INTCON2_RBIP = 0x01,
    INTCON2_TMR0IP = 0x04,
};

enum rcon_bit : uint8_t {
    RCON_IPEN = 0x80,
};

// TMR0 counts instruction cycles while TMR0ON is set, one step per
// 2^T0PS cycles, over 8 bits (TMR0L alone) when T08BIT is set, else over
// the 16 bits of TMR0H:TMR0L; leaving its top value sets INTCON_TMR0IF.
enum t0con_bit : uint8_t {
    T0CON_T0PS = 0x07,
    T0CON_T08BIT = 0x40,
    T0CON_TMR0ON = 0x80,
};

// The serial transmitter.  A byte written to TXREG goes out at once, so
// TXSTA_TRMT ("transmit register empty") always reads as set and a program
// that polls it before each write never waits.
enum txsta_bit : uint8_t {
    TXSTA_TRMT = 0x02,
};

struct sfr_name {
    const char *name;
    uint16_t address;
};

// Multi-byte registers are named by their low byte.
inline constexpr sfr_name SFR_NAMES[] = {
    {"STATUS", SFR_STATUS},     {"WREG", SFR_WREG},         {"BSR", SFR_BSR},
    {"FSR0", SFR_FSR0L},        {"FSR0L", SFR_FSR0L},       {"FSR0H", SFR_FSR0H},
    {"FSR1", SFR_FSR1L},        {"FSR1L", SFR_FSR1L},       {"FSR1H", SFR_FSR1H},
    {"FSR2", SFR_FSR2L},        {"FSR2L", SFR_FSR2L},       {"FSR2H", SFR_FSR2H},
    {"INDF0", SFR_INDF0},       {"POSTINC0", SFR_POSTINC0}, {"POSTDEC0", SFR_POSTDEC0},
    {"PREINC0", SFR_PREINC0},   {"PLUSW0", SFR_PLUSW0},     {"INDF1", SFR_INDF1},
    {"POSTINC1", SFR_POSTINC1}, {"POSTDEC1", SFR_POSTDEC1}, {"PREINC1", SFR_PREINC1},
    {"PLUSW1", SFR_PLUSW1},     {"INDF2", SFR_INDF2},       {"POSTINC2", SFR_POSTINC2},
    {"POSTDEC2", SFR_POSTDEC2}, {"PREINC2", SFR_PREINC2},   {"PLUSW2", SFR_PLUSW2},
    {"PROD", SFR_PRODL},        {"PRODL", SFR_PRODL},       {"PRODH", SFR_PRODH},
    {"TBLPTR", SFR_TBLPTRL},    {"TBLPTRL", SFR_TBLPTRL},   {"TBLPTRH", SFR_TBLPTRH},
    {"TBLPTRU", SFR_TBLPTRU},   {"TABLAT", SFR_TABLAT},     {"PCL", SFR_PCL},
    {"PCLATH", SFR_PCLATH},     {"PCLATU", SFR_PCLATU},     {"STKPTR", SFR_STKPTR},
    {"TOSL", SFR_TOSL},         {"TOSH", SFR_TOSH},         {"TOSU", SFR_TOSU},
    {"INTCON", SFR_INTCON},     {"INTCON2", SFR_INTCON2},   {"RCON", SFR_RCON},
    {"T0CON", SFR_T0CON},       {"TMR0", SFR_TMR0L},        {"TMR0L", SFR_TMR0L},
    {"TMR0H", SFR_TMR0H},       {"TXREG", SFR_TXREG},       {"TXSTA", SFR_TXSTA},
};

// Returns 1 and the address when `name` is a register of the table.
inline int sfr_lookup(const char *name, unsigned *address)
{
    for (const sfr_name &entry : SFR_NAMES) {
        if (std::strcmp(entry.name, name) == 0) {
            *address = entry.address;
            return 1;
        }
    }
    return 0;
}

// The data address that an 8-bit file operand reaches with the access bit 0.
constexpr unsigned access_bank_address(unsigned f)
{
    return f < ACCESS_LOW_END ? f : 0xF00 + f;
}

constexpr bool in_access_bank(unsigned address)
{
    return address < ACCESS_LOW_END || (address >= SFR_FIRST && address < DATA_MEMORY_SIZE);
}
