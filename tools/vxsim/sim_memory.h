// Data-memory access with the behaviour of the special-function registers:
// indirect access through the three pointers, the program-counter latches,
// the return-stack window, the interrupt and timer registers, the serial
// transmitter and the registers narrower than a byte.
#pragma once
#include "tools/vxsim/sim_state.h"

inline uint16_t sim_fsr(const sim_state &s, unsigned n)
{
    unsigned low = FSR_LOW_ADDRESS[n];
    return uint16_t(((s.data[low + 1] & 0x0F) << 8) | s.data[low]);
}

inline void sim_set_fsr(sim_state &s, unsigned n, unsigned value)
{
    unsigned low = FSR_LOW_ADDRESS[n];
    s.data[low] = uint8_t(value);
    s.data[low + 1] = uint8_t((value >> 8) & 0x0F);
}

inline bool sim_is_indirect_register(unsigned address)
{
    if (address < SFR_PLUSW2 || address > SFR_INDF0)
        return false;
    unsigned n = address >= SFR_FSR0L ? 0 : address >= SFR_FSR1L ? 1 : 2;
    unsigned offset = address - FSR_LOW_ADDRESS[n];
    return offset >= FSR_OFFSET_PLUSW && offset <= FSR_OFFSET_INDF;
}

uint16_t sim_resolve_indirect(sim_state &s, uint16_t address);

// The data address that an operand names, after indirection.  An indirect
// register is resolved exactly once per operand, so a read-modify-write
// through POSTINC moves the pointer once.
inline uint16_t sim_resolve(sim_state &s, uint16_t address)
{
    if (address >= SFR_PLUSW2 && address <= SFR_INDF0)
        return sim_resolve_indirect(s, address);
    return address;
}

uint8_t sim_read_special(sim_state &s, uint16_t address);
void sim_write_special(sim_state &s, uint16_t address, uint8_t value);

// Registers from PCL upward, and the void cell, have side effects on read.
inline uint8_t sim_read(sim_state &s, uint16_t address)
{
    if (address >= SFR_PCL)
        return sim_read_special(s, address);
    return s.data[address];
}

// Registers from TXSTA upward have side effects or narrow widths on write.
constexpr uint16_t FIRST_SPECIAL_WRITE = SFR_TXSTA;
static_assert(SFR_TXREG > FIRST_SPECIAL_WRITE && SFR_RCON > FIRST_SPECIAL_WRITE &&
              SFR_INTCON2 > FIRST_SPECIAL_WRITE && SFR_T0CON > FIRST_SPECIAL_WRITE &&
              SFR_FSR2L > FIRST_SPECIAL_WRITE && SFR_TMR0L > FIRST_SPECIAL_WRITE &&
              SFR_INTCON > FIRST_SPECIAL_WRITE);

inline void sim_write(sim_state &s, uint16_t address, uint8_t value)
{
    if (address >= FIRST_SPECIAL_WRITE)
        sim_write_special(s, address, value);
    else
        s.data[address] = value;
}

inline uint8_t sim_program_byte(const sim_state &s, uint32_t address)
{
    return address < s.program.size() ? s.program[address] : 0;
}
