#include "tools/vxsim/sim_memory.h"

#include "tools/vxsim/sim_interrupt.h"

uint16_t sim_resolve_indirect(sim_state &s, uint16_t address)
{
    unsigned n = address >= SFR_FSR0L ? 0 : address >= SFR_FSR1L ? 1 : 2;
    unsigned fsr = sim_fsr(s, n);
    unsigned target;
    switch (address - FSR_LOW_ADDRESS[n]) {
    case FSR_OFFSET_PLUSW:
        target = fsr + unsigned(int8_t(s.data[SFR_WREG]));
        break;
    case FSR_OFFSET_PREINC:
        target = fsr + 1;
        sim_set_fsr(s, n, target);
        break;
    case FSR_OFFSET_POSTDEC:
        target = fsr;
        sim_set_fsr(s, n, fsr - 1);
        break;
    case FSR_OFFSET_POSTINC:
        target = fsr;
        sim_set_fsr(s, n, fsr + 1);
        break;
    case FSR_OFFSET_INDF:
        target = fsr;
        break;
    default:
        return address;
    }
    target &= DATA_MEMORY_SIZE - 1;
    return sim_is_indirect_register(target) ? VOID_CELL : uint16_t(target);
}

uint8_t sim_read_special(sim_state &s, uint16_t address)
{
    switch (address) {
    case SFR_PCL:
        s.data[SFR_PCLATH] = uint8_t(s.pc >> 8);
        s.data[SFR_PCLATU] = uint8_t((s.pc >> 16) & 0x1F);
        return uint8_t(s.pc);
    case SFR_STKPTR:
        return uint8_t(s.sp | s.stack_flags);
    case SFR_TOSL:
        return uint8_t(s.stack[s.sp]);
    case SFR_TOSH:
        return uint8_t(s.stack[s.sp] >> 8);
    case SFR_TOSU:
        return uint8_t((s.stack[s.sp] >> 16) & 0x1F);
    case VOID_CELL:
        return 0;
    default:
        return s.data[address];
    }
}

void sim_write_special(sim_state &s, uint16_t address, uint8_t value)
{
    switch (address) {
    case SFR_FSR0H:
    case SFR_FSR1H:
    case SFR_FSR2H:
    case SFR_BSR:
        s.data[address] = value & 0x0F;
        break;
    case SFR_PCLATU:
        s.data[address] = value & 0x1F;
        break;
    case SFR_TBLPTRU:
        s.data[address] = value & 0x3F;
        break;
    case SFR_TXSTA:
        s.data[address] = value | TXSTA_TRMT;
        break;
    case SFR_TXREG:
        s.data[address] = value;
        if (s.transmit) {
            std::fputc(value, s.transmit);
            std::fflush(s.transmit);
        }
        break;
    case SFR_RCON:
    case SFR_INTCON2:
    case SFR_INTCON:
        s.data[address] = value;
        sim_rearm(s);
        break;
    case SFR_T0CON:
        sim_timer_catch_up(s);
        s.data[address] = value;
        sim_rearm(s);
        break;
    case SFR_TMR0L:
    case SFR_TMR0H:
        // The timer was brought up to the start of this instruction, whose
        // own cycles it skips, so that it counts on from the value written.
        s.data[address] = value;
        s.timer_counted = s.cycles;
        s.prescaler = 0;
        break;
    case SFR_PCL:
        // A computed jump: the latches supply the upper bits and the jump
        // costs the cycle of a taken branch.
        s.data[SFR_PCL] = value;
        s.pc = ((uint32_t(s.data[SFR_PCLATU]) << 16) | (uint32_t(s.data[SFR_PCLATH]) << 8) | value) &
               ~1u;
        s.cycles++;
        break;
    case SFR_STKPTR:
        // The pointer is writable; the overflow and underflow bits can only be cleared.
        s.sp = value & 0x1F;
        s.stack_flags &= value & (STKPTR_FULL | STKPTR_UNDERFLOW);
        break;
    case SFR_TOSL:
        s.stack[s.sp] = (s.stack[s.sp] & ~0xFFu) | value;
        break;
    case SFR_TOSH:
        s.stack[s.sp] = (s.stack[s.sp] & ~0xFF00u) | (uint32_t(value) << 8);
        break;
    case SFR_TOSU:
        s.stack[s.sp] = (s.stack[s.sp] & 0xFFFFu) | (uint32_t(value & 0x1F) << 16);
        break;
    case VOID_CELL:
        break;
    default:
        s.data[address] = value;
        break;
    }
}
