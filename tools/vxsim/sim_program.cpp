#include <cstring>

#include "target/instset.h"
#include "tools/vxsim/sim_state.h"

namespace {

constexpr uint16_t ERASED_WORD = 0xFFFF;

uint16_t s_word(const sim_state &s, uint32_t address)
{
    if (uint64_t(address) + 2 > s.program.size())
        return ERASED_WORD;
    return uint16_t(s.program[address] | (s.program[address + 1] << 8));
}

int32_t s_sign_extend(unsigned value, unsigned bits)
{
    unsigned sign = 1u << (bits - 1);
    return int32_t((value ^ sign) - sign);
}

bool s_is_word2(uint16_t word)
{
    return (word & 0xF000) == 0xF000;
}

sim_op s_decode(uint32_t address, uint16_t word, uint16_t next)
{
    sim_op op{};
    op.words = 1;
    if (!isOpcodeValid_VxCORE(word, 0))
        return op;
    unsigned type = getInstType_VxCORE(word);
    unsigned one = getOperandOne_VxCORE(word);
    unsigned two = getOperandTwo_VxCORE(word);
    unsigned three = getOperandThree_VxCORE(word);
    op.type = uint8_t(type);
    switch (type) {
    case IT_ADDWF: case IT_ADDWFC: case IT_ANDWF: case IT_COMF: case IT_DCFSNZ: case IT_DECF:
    case IT_DECFSZ: case IT_INCF: case IT_INCFSZ: case IT_INFSNZ: case IT_IORWF: case IT_MOVF:
    case IT_RLCF: case IT_RLNCF: case IT_RRCF: case IT_RRNCF: case IT_SUBFWB: case IT_SUBWF:
    case IT_SUBWFB: case IT_SWAPF: case IT_XORWF:
    case IT_BCF: case IT_BSF: case IT_BTFSC: case IT_BTFSS: case IT_BTG:
        op.f = uint8_t(one);
        op.arg = uint8_t(two);
        op.banked = uint8_t(three);
        op.addr = uint16_t(access_bank_address(one));
        break;
    case IT_CLRF: case IT_CPFSEQ: case IT_CPFSGT: case IT_CPFSLT: case IT_MOVWF: case IT_MULWF:
    case IT_NEGF: case IT_SETF: case IT_TSTFSZ:
        op.f = uint8_t(one);
        op.banked = uint8_t(two);
        op.addr = uint16_t(access_bank_address(one));
        break;
    case IT_ADDLW: case IT_ANDLW: case IT_IORLW: case IT_MOVLB: case IT_MOVLW: case IT_MULLW:
    case IT_RETLW: case IT_SUBLW: case IT_XORLW:
        op.value = one;
        break;
    case IT_BC: case IT_BN: case IT_BNC: case IT_BNN: case IT_BNOV: case IT_BNZ: case IT_BOV:
    case IT_BZ:
        op.value = uint32_t(int32_t(address) + 2 + 2 * s_sign_extend(one, 8));
        break;
    case IT_BRA: case IT_RCALL:
        op.value = uint32_t(int32_t(address) + 2 + 2 * s_sign_extend(one, 11));
        break;
    case IT_RETURN: case IT_RETFIE:
        op.arg = uint8_t(one);
        break;
    case IT_CALL: case IT_GOTO:
        op.words = 2;
        op.arg = type == IT_CALL ? uint8_t(two) : 0;
        op.value = (((next & 0xFFFu) << 8) | one) * 2;
        break;
    case IT_LFSR:
        op.words = 2;
        if (one > 2)
            op.type = SIM_OP_INVALID;
        op.arg = uint8_t(one);
        op.value = (two << 8) | (next & 0xFFu);
        break;
    case IT_MOVFF:
        op.words = 2;
        op.addr = uint16_t(one);
        op.value = next & 0xFFFu;
        break;
    default:
        break;
    }
    if (op.words == 2 && !s_is_word2(next) && op.type != SIM_OP_INVALID)
        op.type = SIM_OP_NO_WORD2;
    return op;
}

} // namespace

void sim_init(sim_state *s, uint32_t program_bytes)
{
    std::memset(s->data, 0, sizeof s->data);
    s->program.assign((program_bytes + 1) & ~1u, 0xFF);
    s->ops.assign(s->program.size() / 2 + 2, sim_op{SIM_OP_INVALID, 1, 0, 0, 0, 0, 0});
    sim_decode_all(s);
    s->irqs.clear();
    s->irq_next = 0;
    s->irq_due = SIM_NEVER;
    s->transmit = nullptr;
    sim_reset(s);
}

void sim_reset(sim_state *s)
{
    std::memset(s->data + SFR_FIRST, 0, DATA_MEMORY_SIZE - SFR_FIRST);
    s->data[SFR_TXSTA] = TXSTA_TRMT;
    s->data[VOID_CELL] = 0;
    s->pc = 0;
    std::memset(s->stack, 0, sizeof s->stack);
    s->sp = 0;
    s->stack_flags = 0;
    s->shadow_wreg = s->shadow_status = s->shadow_bsr = 0;
    s->cycles = 0;
    s->instructions = 0;
    s->interrupts = 0;
    s->next_event = 0;
    s->timer_counted = 0;
    s->prescaler = 0;
    s->stop = SIM_RUNNING;
    s->stop_pc = 0;
}

void sim_decode(sim_state *s, uint32_t word_index)
{
    if (word_index >= s->program.size() / 2)
        return;
    uint32_t address = word_index * 2;
    s->ops[word_index] = s_decode(address, s_word(*s, address), s_word(*s, address + 2));
}

void sim_decode_all(sim_state *s)
{
    for (uint32_t i = 0; i < s->program.size() / 2; i++)
        sim_decode(s, i);
}

bool sim_store_program(sim_state *s, uint32_t address, const uint8_t *bytes, uint32_t count)
{
    if (uint64_t(address) + count > s->program.size())
        return false;
    if (count == 0)
        return true;
    std::memcpy(&s->program[address], bytes, count);
    // The word before may be the first word of a two-word instruction.
    uint32_t first = address / 2;
    uint32_t last = (address + count - 1) / 2;
    for (uint32_t i = first == 0 ? 0 : first - 1; i <= last; i++)
        sim_decode(s, i);
    return true;
}

const char *sim_stop_text(sim_stop_reason reason)
{
    switch (reason) {
    case SIM_RUNNING: return "running";
    case SIM_SLEEP: return "SLEEP";
    case SIM_HALT: return "HALT";
    case SIM_CYCLE_LIMIT: return "cycle limit reached";
    case SIM_INVALID_WORD: return "invalid instruction word";
    case SIM_MISSING_WORD2: return "two-word instruction without its second word";
    case SIM_UNSUPPORTED: return "instruction not supported by the simulator";
    case SIM_STACK_OVERFLOW: return "return stack overflow";
    case SIM_STACK_UNDERFLOW: return "return stack underflow";
    case SIM_PC_OUT_OF_RANGE: return "program counter outside program memory";
    }
    return "unknown";
}
