// The simulated VxCORE: data memory with its special-function registers,
// program memory with one predecoded operation per program word, the return
// stack and the counters.
#pragma once
#include <cstdint>
#include <cstdio>
#include <vector>

#include "target/sfr_map.h"

constexpr unsigned RETURN_STACK_DEPTH = 31;

constexpr uint32_t HIGH_PRIORITY_VECTOR = 0x0008;
constexpr uint32_t LOW_PRIORITY_VECTOR = 0x0018;
// Taking an interrupt costs as many cycles as a CALL.
constexpr unsigned INTERRUPT_CYCLES = 2;

constexpr uint64_t SIM_NEVER = UINT64_MAX;

// Every data access that the hardware turns into nothing (an indirect access
// whose pointer names an indirect-access register) lands on this extra cell.
constexpr uint16_t VOID_CELL = DATA_MEMORY_SIZE;

// Operation codes besides the instruction type codes of target/instset.h.
enum sim_special_op : uint8_t {
    SIM_OP_INVALID = 0,     // a word that is no instruction of the non-extended set
    SIM_OP_NO_WORD2 = 250,  // a two-word instruction whose second word is missing
};

// One program word, decoded once at load time.  The meaning of the fields
// depends on the type: `f`, `banked` and `addr` for file operands (`addr` is
// the access-bank address of `f`), `arg` for the destination bit, bit
// number, fast-return bit or pointer number, `value` for literals, branch
// and call targets (byte addresses) and the destination of MOVFF.
struct sim_op {
    uint8_t type;
    uint8_t words;
    uint8_t f;
    uint8_t arg;
    uint8_t banked;
    uint16_t addr;
    uint32_t value;
};

// The two interrupt request lines that the outside world can raise: the
// high one sets INT0IF, always a high-priority request; the low one sets
// RBIF, a low-priority request unless the program sets INTCON2_RBIP.
enum sim_irq_line : uint8_t {
    SIM_IRQ_HIGH,
    SIM_IRQ_LOW,
};

struct sim_irq {
    uint64_t cycle;
    sim_irq_line line;
};

enum sim_stop_reason {
    SIM_RUNNING,
    SIM_SLEEP,
    SIM_HALT,
    SIM_CYCLE_LIMIT,
    SIM_INVALID_WORD,
    SIM_MISSING_WORD2,
    SIM_UNSUPPORTED,
    SIM_STACK_OVERFLOW,
    SIM_STACK_UNDERFLOW,
    SIM_PC_OUT_OF_RANGE,
};

struct sim_state {
    uint8_t data[DATA_MEMORY_SIZE + 1];
    std::vector<uint8_t> program;
    std::vector<sim_op> ops; // two more than program words, so a skip at the end stays inside
    uint32_t pc;             // during an instruction: the address of the next one
    uint32_t stack[RETURN_STACK_DEPTH + 1]; // entries 1 .. sp are in use
    unsigned sp;
    uint8_t stack_flags; // the overflow and underflow bits of STKPTR
    uint8_t shadow_wreg, shadow_status, shadow_bsr;
    uint64_t cycles;
    uint64_t instructions;
    uint64_t interrupts;
    std::vector<sim_irq> irqs; // by cycle; those before `irq_next` are raised
    size_t irq_next;
    uint64_t irq_due; // the cycle of irqs[irq_next], or SIM_NEVER
    // The run loop looks after interrupts, the timer and its own cycle limit
    // only at the boundary where `cycles` reaches `next_event`; writes to
    // the interrupt and timer registers set it to 0 to be seen at once.
    uint64_t cycle_limit;
    uint64_t next_event;
    uint64_t timer_counted; // TMR0 has counted the cycles up to this one
    uint32_t prescaler;     // cycles counted towards the timer's next step
    sim_stop_reason stop;
    uint32_t stop_pc;
    // Where the bytes written to TXREG go, flushed one by one so that a
    // watcher sees each as it is sent; null drops them.
    FILE *transmit;
};

constexpr uint8_t STKPTR_FULL = 0x80;
constexpr uint8_t STKPTR_UNDERFLOW = 0x40;

// Program memory of `program_bytes` bytes, erased (every word 0xFFFF), and
// the power-on state, with no transmit stream.
void sim_init(sim_state *s, uint32_t program_bytes);

// The power-on state of the registers, the stack and the counters; memory
// contents stay.
void sim_reset(sim_state *s);

// Decodes the word at `word_index` (and, for a two-word instruction, its
// successor) into the operation table.
void sim_decode(sim_state *s, uint32_t word_index);
void sim_decode_all(sim_state *s);

// Stores `count` bytes at `address` and decodes the words they touch.
// Returns false when the bytes do not fit the program memory.
bool sim_store_program(sim_state *s, uint32_t address, const uint8_t *bytes, uint32_t count);

// Raises `line` at the first instruction boundary at or after `cycle`.
// Requests survive sim_reset, as they come from outside the device.
void sim_request_interrupt(sim_state *s, uint64_t cycle, sim_irq_line line);

// Runs until a stop; the reason is also left in `s->stop`.  Between two
// instructions it raises the requests that are due and takes an enabled
// interrupt; after each instruction the timer counts its cycles.
sim_stop_reason sim_run(sim_state *s, uint64_t cycle_limit);

// The same, writing one line per executed instruction to `trace`.
sim_stop_reason sim_run_traced(sim_state *s, uint64_t cycle_limit, FILE *trace);

const char *sim_stop_text(sim_stop_reason reason);
