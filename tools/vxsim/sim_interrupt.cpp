#include "tools/vxsim/sim_interrupt.h"

#include <algorithm>
#include <cstddef>

namespace {

// The flags whose enable bits are set, when the global enable is set.
uint8_t s_enabled_requests(const sim_state &s)
{
    uint8_t intcon = s.data[SFR_INTCON];
    if (!(intcon & INTCON_GIEH))
        return 0;
    return intcon & uint8_t(intcon >> INTCON_ENABLE_SHIFT) & INTCON_FLAGS;
}

// The vector for the enabled requests, or 0 when the priority enables hold
// all of them back.
uint32_t s_vector(const sim_state &s, uint8_t requests)
{
    if (!(s.data[SFR_RCON] & RCON_IPEN))
        return HIGH_PRIORITY_VECTOR;
    uint8_t high = INTCON_INT0IF | (s.data[SFR_INTCON2] & (INTCON2_RBIP | INTCON2_TMR0IP));
    if (requests & high)
        return HIGH_PRIORITY_VECTOR;
    return s.data[SFR_INTCON] & INTCON_GIEL ? LOW_PRIORITY_VECTOR : 0;
}

// Pushes the return address and goes to `vector`, holding back further
// requests of the same priority (and, from the high vector, all).
bool s_enter(sim_state &s, uint32_t vector)
{
    if (s.sp >= RETURN_STACK_DEPTH) {
        s.stack_flags |= STKPTR_FULL;
        return false;
    }
    s.stack[++s.sp] = s.pc;
    uint8_t *d = s.data;
    if (vector == HIGH_PRIORITY_VECTOR) {
        // Only a high-priority entry fills the shadow registers: a
        // low-priority routine saves its context itself and returns with
        // RETFIE 0, and leaves the shadows of a fast call it interrupts.
        s.shadow_wreg = d[SFR_WREG];
        s.shadow_status = d[SFR_STATUS];
        s.shadow_bsr = d[SFR_BSR];
        d[SFR_INTCON] &= uint8_t(~INTCON_GIEH);
    } else {
        d[SFR_INTCON] &= uint8_t(~INTCON_GIEL);
    }
    s.pc = vector;
    s.cycles += INTERRUPT_CYCLES;
    s.interrupts++;
    return true;
}

void s_raise_due_requests(sim_state &s)
{
    while (s.irq_next < s.irqs.size() && s.irqs[s.irq_next].cycle <= s.cycles) {
        s.data[SFR_INTCON] |= s.irqs[s.irq_next].line == SIM_IRQ_HIGH ? INTCON_INT0IF : INTCON_RBIF;
        s.irq_next++;
    }
    s.irq_due = s.irq_next < s.irqs.size() ? s.irqs[s.irq_next].cycle : SIM_NEVER;
}

} // namespace

void sim_timer_catch_up(sim_state &s)
{
    uint8_t *d = s.data;
    uint8_t control = d[SFR_T0CON];
    uint64_t cycles = s.cycles - s.timer_counted;
    s.timer_counted = s.cycles;
    if (!(control & T0CON_TMR0ON) || cycles == 0)
        return;
    unsigned shift = control & T0CON_T0PS;
    uint64_t counted = s.prescaler + cycles;
    uint64_t steps = counted >> shift;
    s.prescaler = uint32_t(counted & ((1u << shift) - 1));
    if (steps == 0)
        return;
    uint64_t value = d[SFR_TMR0L] + steps;
    uint64_t limit = 0x100;
    if (!(control & T0CON_T08BIT)) {
        value += uint64_t(d[SFR_TMR0H]) << 8;
        limit = 0x10000;
        d[SFR_TMR0H] = uint8_t(value >> 8);
    }
    d[SFR_TMR0L] = uint8_t(value);
    if (value >= limit)
        d[SFR_INTCON] |= INTCON_TMR0IF;
}

void sim_retfie_reenable(sim_state &s)
{
    bool priorities = s.data[SFR_RCON] & RCON_IPEN;
    bool high_enabled = s.data[SFR_INTCON] & INTCON_GIEH;
    s.data[SFR_INTCON] |= priorities && high_enabled ? INTCON_GIEL : INTCON_GIEH;
    sim_rearm(s);
}

sim_boundary sim_boundary_events(sim_state &s)
{
    if (s.cycles >= s.cycle_limit)
        return SIM_BOUNDARY_LIMIT;
    sim_timer_catch_up(s);
    s_raise_due_requests(s);
    sim_boundary result = SIM_BOUNDARY_NOTHING;
    if (uint8_t requests = s_enabled_requests(s)) {
        if (uint32_t vector = s_vector(s, requests)) {
            if (!s_enter(s, vector))
                return SIM_BOUNDARY_OVERFLOW;
            result = SIM_BOUNDARY_INTERRUPT;
        }
    }
    // Every instruction adds a cycle, so cycles + 1 is the next boundary.
    bool every = (s.data[SFR_T0CON] & T0CON_TMR0ON) || (s.data[SFR_INTCON] & INTCON_GIEH);
    s.next_event = every ? s.cycles + 1 : std::min(s.cycle_limit, s.irq_due);
    return result;
}

void sim_request_interrupt(sim_state *s, uint64_t cycle, sim_irq_line line)
{
    auto later = std::upper_bound(s->irqs.begin() + std::ptrdiff_t(s->irq_next), s->irqs.end(), cycle,
                                  [](uint64_t c, const sim_irq &irq) { return c < irq.cycle; });
    s->irqs.insert(later, sim_irq{cycle, line});
    s->irq_due = s->irqs[s->irq_next].cycle;
    sim_rearm(*s);
}
