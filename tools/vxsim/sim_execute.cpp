#include <cstring>

#include "target/instset.h"
#include "tools/vxsim/sim_interrupt.h"
#include "tools/vxsim/sim_memory.h"

namespace {

constexpr uint8_t ALL_FLAGS = STATUS_C | STATUS_DC | STATUS_Z | STATUS_OV | STATUS_N;

inline void s_flags(sim_state &s, uint8_t mask, uint8_t values)
{
    s.data[SFR_STATUS] = uint8_t((s.data[SFR_STATUS] & ~mask) | values);
}

inline uint8_t s_zn(unsigned result)
{
    return uint8_t(((result & 0xFF) == 0 ? STATUS_Z : 0) | (result & 0x80 ? STATUS_N : 0));
}

inline bool s_carry(const sim_state &s)
{
    return s.data[SFR_STATUS] & STATUS_C;
}

// a + b + carry with every arithmetic flag.
inline uint8_t s_add(sim_state &s, unsigned a, unsigned b, unsigned carry)
{
    unsigned result = a + b + carry;
    uint8_t flags = s_zn(result);
    if (result & 0x100)
        flags |= STATUS_C;
    if (((a & 0x0F) + (b & 0x0F) + carry) & 0x10)
        flags |= STATUS_DC;
    if (~(a ^ b) & (a ^ result) & 0x80)
        flags |= STATUS_OV;
    s_flags(s, ALL_FLAGS, flags);
    return uint8_t(result);
}

// a - b - borrow; C and DC are set when no borrow occurs.
inline uint8_t s_sub(sim_state &s, unsigned a, unsigned b, unsigned borrow)
{
    return s_add(s, a, ~b & 0xFF, 1 - borrow);
}

inline uint16_t s_file(sim_state &s, const sim_op &op)
{
    uint16_t address = op.banked ? uint16_t((s.data[SFR_BSR] << 8) | op.f) : op.addr;
    return sim_resolve(s, address);
}

inline void s_store(sim_state &s, const sim_op &op, uint16_t address, uint8_t value)
{
    if (op.arg)
        sim_write(s, address, value);
    else
        s.data[SFR_WREG] = value;
}

// Skipping a two-word instruction costs the cycle of each skipped word.
inline void s_skip(sim_state &s)
{
    unsigned words = s.ops[s.pc >> 1].words;
    s.pc += 2 * words;
    s.cycles += words;
}

inline void s_branch(sim_state &s, const sim_op &op, bool taken)
{
    if (taken) {
        s.pc = op.value;
        s.cycles++;
    }
}

inline bool s_push(sim_state &s, uint32_t address)
{
    if (s.sp >= RETURN_STACK_DEPTH) {
        s.stack_flags |= STKPTR_FULL;
        return false;
    }
    s.stack[++s.sp] = address;
    return true;
}

inline bool s_pop(sim_state &s, uint32_t *address)
{
    if (s.sp == 0) {
        s.stack_flags |= STKPTR_UNDERFLOW;
        return false;
    }
    *address = s.stack[s.sp--];
    return true;
}

inline void s_save_shadows(sim_state &s)
{
    s.shadow_wreg = s.data[SFR_WREG];
    s.shadow_status = s.data[SFR_STATUS];
    s.shadow_bsr = s.data[SFR_BSR];
}

inline void s_restore_shadows(sim_state &s)
{
    s.data[SFR_WREG] = s.shadow_wreg;
    s.data[SFR_STATUS] = s.shadow_status;
    s.data[SFR_BSR] = s.shadow_bsr;
}

inline uint32_t s_tblptr(const sim_state &s)
{
    return uint32_t(s.data[SFR_TBLPTRL]) | (uint32_t(s.data[SFR_TBLPTRH]) << 8) |
           (uint32_t(s.data[SFR_TBLPTRU] & 0x3F) << 16);
}

inline void s_set_tblptr(sim_state &s, uint32_t value)
{
    s.data[SFR_TBLPTRL] = uint8_t(value);
    s.data[SFR_TBLPTRH] = uint8_t(value >> 8);
    s.data[SFR_TBLPTRU] = uint8_t((value >> 16) & 0x3F);
}

// The table forms differ only in when the pointer moves: `pre` before the
// access, `post` after it, by `step`.
inline void s_table(sim_state &s, bool write, int pre, int post)
{
    uint32_t pointer = (s_tblptr(s) + uint32_t(pre)) & 0x3FFFFF;
    if (write) {
        if (pointer < s.program.size())
            sim_store_program(&s, pointer, &s.data[SFR_TABLAT], 1);
    } else {
        s.data[SFR_TABLAT] = sim_program_byte(s, pointer);
    }
    s_set_tblptr(s, pointer + uint32_t(post));
    s.cycles++;
}

void s_trace(sim_state &s, FILE *trace, uint32_t address)
{
    uint16_t word = 0xFFFF, next = 0xFFFF;
    if (address + 2 <= s.program.size())
        word = uint16_t(s.program[address] | (s.program[address + 1] << 8));
    if (address + 4 <= s.program.size())
        next = uint16_t(s.program[address + 2] | (s.program[address + 3] << 8));
    char text[64] = "(invalid)";
    if (isOpcodeValid_VxCORE(word, 0)) {
        int used = 0;
        std::snprintf(text, sizeof text, "%s", disasm_VxCORE(address, word, next, &used, 0));
        size_t length = std::strlen(text);
        while (length > 0 && text[length - 1] == ' ')
            text[--length] = '\0';
    }
    std::fprintf(trace, "%06X  %-34s WREG=%02X STATUS=%02X\n", unsigned(address), text,
                 s.data[SFR_WREG], s.data[SFR_STATUS]);
}

void s_trace_interrupt(const sim_state &s, FILE *trace)
{
    char text[64];
    std::snprintf(text, sizeof text, "interrupt, returns to 0x%06X", unsigned(s.stack[s.sp]));
    std::fprintf(trace, "%06X  %-34s WREG=%02X STATUS=%02X\n", unsigned(s.pc), text,
                 s.data[SFR_WREG], s.data[SFR_STATUS]);
}

// Runs instructions until one stops the program or the cycles reach
// `next_event`; returns SIM_RUNNING in the second case.
template <bool TRACE>
sim_stop_reason s_run_to_event(sim_state &s, FILE *trace)
{
    uint8_t *const d = s.data;
    const uint32_t program_size = uint32_t(s.program.size());
    const sim_op *const ops = s.ops.data();
    sim_stop_reason stop = SIM_RUNNING;
    uint32_t pc = 0;
    while (stop == SIM_RUNNING) {
        if (s.cycles >= s.next_event)
            return SIM_RUNNING;
        pc = s.pc;
        if (pc >= program_size) {
            stop = SIM_PC_OUT_OF_RANGE;
            break;
        }
        const sim_op &op = ops[pc >> 1];
        s.pc = pc + 2u * op.words;
        s.cycles += op.words;
        s.instructions++;
        uint16_t a;
        uint8_t v;
        uint32_t address;
        switch (op.type) {
        case IT_NOP: case IT_WORD2: case IT_CLRWDT: case IT_PAUSE: case IT_LOG:
            break;
        case IT_SLEEP:
            stop = SIM_SLEEP;
            break;
        case IT_HALT: case IT_STOP:
            stop = SIM_HALT;
            break;
        case IT_RESET:
            {
                uint64_t cycles = s.cycles, instructions = s.instructions, interrupts = s.interrupts;
                sim_reset(&s);
                s.cycles = cycles;
                s.instructions = instructions;
                s.interrupts = interrupts;
            }
            break;

        case IT_ADDWF:
            a = s_file(s, op);
            s_store(s, op, a, s_add(s, sim_read(s, a), d[SFR_WREG], 0));
            break;
        case IT_ADDWFC:
            a = s_file(s, op);
            s_store(s, op, a, s_add(s, sim_read(s, a), d[SFR_WREG], s_carry(s)));
            break;
        case IT_SUBWF:
            a = s_file(s, op);
            s_store(s, op, a, s_sub(s, sim_read(s, a), d[SFR_WREG], 0));
            break;
        case IT_SUBWFB:
            a = s_file(s, op);
            s_store(s, op, a, s_sub(s, sim_read(s, a), d[SFR_WREG], !s_carry(s)));
            break;
        case IT_SUBFWB:
            a = s_file(s, op);
            s_store(s, op, a, s_sub(s, d[SFR_WREG], sim_read(s, a), !s_carry(s)));
            break;
        case IT_INCF:
            a = s_file(s, op);
            s_store(s, op, a, s_add(s, sim_read(s, a), 1, 0));
            break;
        case IT_DECF:
            a = s_file(s, op);
            s_store(s, op, a, s_sub(s, sim_read(s, a), 1, 0));
            break;
        case IT_ANDWF:
            a = s_file(s, op);
            v = sim_read(s, a) & d[SFR_WREG];
            s_store(s, op, a, v);
            s_flags(s, STATUS_Z | STATUS_N, s_zn(v));
            break;
        case IT_IORWF:
            a = s_file(s, op);
            v = sim_read(s, a) | d[SFR_WREG];
            s_store(s, op, a, v);
            s_flags(s, STATUS_Z | STATUS_N, s_zn(v));
            break;
        case IT_XORWF:
            a = s_file(s, op);
            v = sim_read(s, a) ^ d[SFR_WREG];
            s_store(s, op, a, v);
            s_flags(s, STATUS_Z | STATUS_N, s_zn(v));
            break;
        case IT_COMF:
            a = s_file(s, op);
            v = uint8_t(~sim_read(s, a));
            s_store(s, op, a, v);
            s_flags(s, STATUS_Z | STATUS_N, s_zn(v));
            break;
        case IT_MOVF:
            a = s_file(s, op);
            v = sim_read(s, a);
            s_store(s, op, a, v);
            s_flags(s, STATUS_Z | STATUS_N, s_zn(v));
            break;
        case IT_SWAPF:
            a = s_file(s, op);
            v = sim_read(s, a);
            s_store(s, op, a, uint8_t((v << 4) | (v >> 4)));
            break;
        case IT_RLCF:
            a = s_file(s, op);
            v = sim_read(s, a);
            {
                uint8_t r = uint8_t((v << 1) | s_carry(s));
                s_store(s, op, a, r);
                s_flags(s, STATUS_C | STATUS_Z | STATUS_N, uint8_t(s_zn(r) | (v >> 7)));
            }
            break;
        case IT_RRCF:
            a = s_file(s, op);
            v = sim_read(s, a);
            {
                uint8_t r = uint8_t((v >> 1) | (s_carry(s) << 7));
                s_store(s, op, a, r);
                s_flags(s, STATUS_C | STATUS_Z | STATUS_N, uint8_t(s_zn(r) | (v & 1)));
            }
            break;
        case IT_RLNCF:
            a = s_file(s, op);
            v = sim_read(s, a);
            v = uint8_t((v << 1) | (v >> 7));
            s_store(s, op, a, v);
            s_flags(s, STATUS_Z | STATUS_N, s_zn(v));
            break;
        case IT_RRNCF:
            a = s_file(s, op);
            v = sim_read(s, a);
            v = uint8_t((v >> 1) | (v << 7));
            s_store(s, op, a, v);
            s_flags(s, STATUS_Z | STATUS_N, s_zn(v));
            break;
        case IT_INCFSZ:
            a = s_file(s, op);
            v = uint8_t(sim_read(s, a) + 1);
            s_store(s, op, a, v);
            if (v == 0)
                s_skip(s);
            break;
        case IT_DECFSZ:
            a = s_file(s, op);
            v = uint8_t(sim_read(s, a) - 1);
            s_store(s, op, a, v);
            if (v == 0)
                s_skip(s);
            break;
        case IT_INFSNZ:
            a = s_file(s, op);
            v = uint8_t(sim_read(s, a) + 1);
            s_store(s, op, a, v);
            if (v != 0)
                s_skip(s);
            break;
        case IT_DCFSNZ:
            a = s_file(s, op);
            v = uint8_t(sim_read(s, a) - 1);
            s_store(s, op, a, v);
            if (v != 0)
                s_skip(s);
            break;

        case IT_CLRF:
            sim_write(s, s_file(s, op), 0);
            s_flags(s, STATUS_Z, STATUS_Z);
            break;
        case IT_SETF:
            sim_write(s, s_file(s, op), 0xFF);
            break;
        case IT_MOVWF:
            sim_write(s, s_file(s, op), d[SFR_WREG]);
            break;
        case IT_NEGF:
            a = s_file(s, op);
            sim_write(s, a, s_sub(s, 0, sim_read(s, a), 0));
            break;
        case IT_MULWF:
            a = s_file(s, op);
            {
                unsigned product = unsigned(sim_read(s, a)) * d[SFR_WREG];
                d[SFR_PRODL] = uint8_t(product);
                d[SFR_PRODH] = uint8_t(product >> 8);
            }
            break;
        case IT_CPFSEQ:
            if (sim_read(s, s_file(s, op)) == d[SFR_WREG])
                s_skip(s);
            break;
        case IT_CPFSGT:
            if (sim_read(s, s_file(s, op)) > d[SFR_WREG])
                s_skip(s);
            break;
        case IT_CPFSLT:
            if (sim_read(s, s_file(s, op)) < d[SFR_WREG])
                s_skip(s);
            break;
        case IT_TSTFSZ:
            if (sim_read(s, s_file(s, op)) == 0)
                s_skip(s);
            break;

        case IT_BCF:
            a = s_file(s, op);
            sim_write(s, a, uint8_t(sim_read(s, a) & ~(1u << op.arg)));
            break;
        case IT_BSF:
            a = s_file(s, op);
            sim_write(s, a, uint8_t(sim_read(s, a) | (1u << op.arg)));
            break;
        case IT_BTG:
            a = s_file(s, op);
            sim_write(s, a, uint8_t(sim_read(s, a) ^ (1u << op.arg)));
            break;
        case IT_BTFSC:
            if (!(sim_read(s, s_file(s, op)) & (1u << op.arg)))
                s_skip(s);
            break;
        case IT_BTFSS:
            if (sim_read(s, s_file(s, op)) & (1u << op.arg))
                s_skip(s);
            break;

        case IT_ADDLW:
            d[SFR_WREG] = s_add(s, d[SFR_WREG], op.value, 0);
            break;
        case IT_SUBLW:
            d[SFR_WREG] = s_sub(s, op.value, d[SFR_WREG], 0);
            break;
        case IT_ANDLW:
            d[SFR_WREG] &= uint8_t(op.value);
            s_flags(s, STATUS_Z | STATUS_N, s_zn(d[SFR_WREG]));
            break;
        case IT_IORLW:
            d[SFR_WREG] |= uint8_t(op.value);
            s_flags(s, STATUS_Z | STATUS_N, s_zn(d[SFR_WREG]));
            break;
        case IT_XORLW:
            d[SFR_WREG] ^= uint8_t(op.value);
            s_flags(s, STATUS_Z | STATUS_N, s_zn(d[SFR_WREG]));
            break;
        case IT_MOVLW:
            d[SFR_WREG] = uint8_t(op.value);
            break;
        case IT_MOVLB:
            d[SFR_BSR] = uint8_t(op.value & 0x0F);
            break;
        case IT_MULLW:
            {
                unsigned product = op.value * d[SFR_WREG];
                d[SFR_PRODL] = uint8_t(product);
                d[SFR_PRODH] = uint8_t(product >> 8);
            }
            break;
        case IT_DAW:
            {
                unsigned w = d[SFR_WREG];
                uint8_t status = d[SFR_STATUS];
                unsigned correction = 0;
                bool carry = status & STATUS_C;
                if ((status & STATUS_DC) || (w & 0x0F) > 9)
                    correction |= 0x06;
                if (carry || w > 0x99) {
                    correction |= 0x60;
                    carry = true;
                }
                w += correction;
                d[SFR_WREG] = uint8_t(w);
                s_flags(s, STATUS_C, (carry || w > 0xFF) ? STATUS_C : 0);
            }
            break;

        case IT_BC: s_branch(s, op, d[SFR_STATUS] & STATUS_C); break;
        case IT_BNC: s_branch(s, op, !(d[SFR_STATUS] & STATUS_C)); break;
        case IT_BZ: s_branch(s, op, d[SFR_STATUS] & STATUS_Z); break;
        case IT_BNZ: s_branch(s, op, !(d[SFR_STATUS] & STATUS_Z)); break;
        case IT_BN: s_branch(s, op, d[SFR_STATUS] & STATUS_N); break;
        case IT_BNN: s_branch(s, op, !(d[SFR_STATUS] & STATUS_N)); break;
        case IT_BOV: s_branch(s, op, d[SFR_STATUS] & STATUS_OV); break;
        case IT_BNOV: s_branch(s, op, !(d[SFR_STATUS] & STATUS_OV)); break;
        case IT_BRA: s_branch(s, op, true); break;
        case IT_GOTO:
            s.pc = op.value;
            break;
        case IT_RCALL:
            if (!s_push(s, s.pc)) {
                stop = SIM_STACK_OVERFLOW;
                break;
            }
            s.pc = op.value;
            s.cycles++;
            break;
        case IT_CALL:
            if (!s_push(s, s.pc)) {
                stop = SIM_STACK_OVERFLOW;
                break;
            }
            if (op.arg)
                s_save_shadows(s);
            s.pc = op.value;
            break;
        case IT_RETURN: case IT_RETFIE: case IT_RETLW:
            if (!s_pop(s, &address)) {
                stop = SIM_STACK_UNDERFLOW;
                break;
            }
            if (op.type == IT_RETLW)
                d[SFR_WREG] = uint8_t(op.value);
            else if (op.arg)
                s_restore_shadows(s);
            if (op.type == IT_RETFIE)
                sim_retfie_reenable(s);
            s.pc = address & ~1u;
            s.cycles++;
            break;
        case IT_PUSH:
            if (!s_push(s, s.pc))
                stop = SIM_STACK_OVERFLOW;
            break;
        case IT_POP:
            if (!s_pop(s, &address))
                stop = SIM_STACK_UNDERFLOW;
            break;

        case IT_MOVFF:
            v = sim_read(s, sim_resolve(s, op.addr));
            sim_write(s, sim_resolve(s, uint16_t(op.value)), v);
            break;
        case IT_LFSR:
            sim_set_fsr(s, op.arg, op.value);
            break;

        case IT_TBLRD: s_table(s, false, 0, 0); break;
        case IT_TBLRDPOSTINC: s_table(s, false, 0, 1); break;
        case IT_TBLRDPOSTDEC: s_table(s, false, 0, -1); break;
        case IT_TBLRDPREINC: s_table(s, false, 1, 0); break;
        case IT_TBLWT: s_table(s, true, 0, 0); break;
        case IT_TBLWTPOSTINC: s_table(s, true, 0, 1); break;
        case IT_TBLWTPOSTDEC: s_table(s, true, 0, -1); break;
        case IT_TBLWTPREINC: s_table(s, true, 1, 0); break;

        case SIM_OP_NO_WORD2:
            stop = SIM_MISSING_WORD2;
            break;
        case IT_TRAP: case IT_TRET:
            stop = SIM_UNSUPPORTED;
            break;
        default:
            stop = SIM_INVALID_WORD;
            break;
        }
        if constexpr (TRACE) {
            if (stop == SIM_RUNNING || stop == SIM_SLEEP || stop == SIM_HALT)
                s_trace(s, trace, pc);
        }
    }
    // An instruction that could not execute is not counted and leaves the
    // program counter on itself.
    if (stop != SIM_SLEEP && stop != SIM_HALT && stop != SIM_PC_OUT_OF_RANGE) {
        s.cycles -= s.ops[pc >> 1].words;
        s.instructions--;
        s.pc = pc;
    }
    s.stop = stop;
    s.stop_pc = pc;
    return stop;
}

template <bool TRACE>
sim_stop_reason s_run(sim_state &s, uint64_t cycle_limit, FILE *trace)
{
    s.cycle_limit = cycle_limit;
    for (;;) {
        sim_boundary boundary = sim_boundary_events(s);
        if (boundary == SIM_BOUNDARY_LIMIT || boundary == SIM_BOUNDARY_OVERFLOW) {
            // Stopped before the instruction at the program counter.
            s.stop = boundary == SIM_BOUNDARY_LIMIT ? SIM_CYCLE_LIMIT : SIM_STACK_OVERFLOW;
            s.stop_pc = s.pc;
            return s.stop;
        }
        if constexpr (TRACE) {
            if (boundary == SIM_BOUNDARY_INTERRUPT)
                s_trace_interrupt(s, trace);
        }
        sim_stop_reason stop = s_run_to_event<TRACE>(s, trace);
        if (stop != SIM_RUNNING)
            return stop;
    }
}

} // namespace

sim_stop_reason sim_run(sim_state *s, uint64_t cycle_limit)
{
    return s_run<false>(*s, cycle_limit, nullptr);
}

sim_stop_reason sim_run_traced(sim_state *s, uint64_t cycle_limit, FILE *trace)
{
    return s_run<true>(*s, cycle_limit, trace);
}
