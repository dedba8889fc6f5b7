#include "tools/vxsim/sim_memory.h"
#include "tools/vxsim/sim_state.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "target/instset.h"

namespace {

constexpr unsigned TO_W = 0, TO_F = 1;
constexpr unsigned ACCESS = 0, BANKED = 1;
constexpr unsigned REG = 0x10; // an access-bank scratch register
constexpr uint8_t C = STATUS_C, DC = STATUS_DC, Z = STATUS_Z, OV = STATUS_OV, N = STATUS_N;

// Builds a program word by word through the instruction-set encoders.
struct program {
    std::vector<uint16_t> words;

    uint32_t here() const { return uint32_t(words.size() * 2); }

    program &op(unsigned type, unsigned one = 0, unsigned two = 0, unsigned three = 0)
    {
        uint16_t word = 0;
        setInstType_VxCORE(&word, type);
        setOperandOne_VxCORE(&word, one);
        setOperandTwo_VxCORE(&word, two);
        setOperandThree_VxCORE(&word, three);
        words.push_back(word);
        return *this;
    }
    program &word2(unsigned value) { return op(IT_WORD2, value); }
    program &call(uint32_t target, unsigned fast = 0)
    {
        return op(IT_CALL, (target >> 1) & 0xFF, fast).word2(target >> 9);
    }
    program &jump(uint32_t target) { return op(IT_GOTO, (target >> 1) & 0xFF).word2(target >> 9); }
    program &movff(unsigned source, unsigned destination)
    {
        return op(IT_MOVFF, source).word2(destination);
    }
    program &lfsr(unsigned n, unsigned value)
    {
        return op(IT_LFSR, n, value >> 8).word2(value & 0xFF);
    }
    program &branch(unsigned type, uint32_t target)
    {
        return op(type, unsigned(int(target) - int(here()) - 2) / 2);
    }
    // MOVLW value; MOVWF to an access-bank register (SFR or bank 0).
    program &set(unsigned address, unsigned value)
    {
        return op(IT_MOVLW, value).op(IT_MOVWF, address & 0xFF, ACCESS);
    }
    program &sleep() { return op(IT_SLEEP); }
    void pad_to(uint32_t address)
    {
        while (here() < address)
            op(IT_NOP);
    }
};

std::unique_ptr<sim_state> load(const program &p, uint32_t size = 0x10000)
{
    auto s = std::make_unique<sim_state>();
    sim_init(s.get(), size);
    std::vector<uint8_t> bytes;
    for (uint16_t word : p.words) {
        bytes.push_back(uint8_t(word));
        bytes.push_back(uint8_t(word >> 8));
    }
    EXPECT_TRUE(sim_store_program(s.get(), 0, bytes.data(), uint32_t(bytes.size())));
    return s;
}

std::unique_ptr<sim_state> run(const program &p, uint64_t limit = 100000)
{
    auto s = load(p);
    sim_run(s.get(), limit);
    return s;
}

uint8_t status(const sim_state &s)
{
    return s.data[SFR_STATUS] & 0x1F;
}

std::string flags(uint8_t value)
{
    std::string text;
    text += value & N ? "N" : "-";
    text += value & OV ? "V" : "-";
    text += value & Z ? "Z" : "-";
    text += value & DC ? "D" : "-";
    text += value & C ? "C" : "-";
    return text;
}

// ---------------------------------------------------------------------------
// Arithmetic and logic: result and every flag at the boundary values.

struct file_case {
    unsigned type;
    uint8_t w, f, status_in;
    uint8_t result, status_out;
};

class FileOperation : public ::testing::TestWithParam<file_case> {};

TEST_P(FileOperation, ResultAndFlags)
{
    const file_case &c = GetParam();
    program p;
    p.set(REG, c.f).set(SFR_STATUS, c.status_in).op(IT_MOVLW, c.w);
    p.op(c.type, REG, TO_F, ACCESS).sleep();
    auto s = run(p);
    ASSERT_EQ(s->stop, SIM_SLEEP);
    EXPECT_EQ(s->data[REG], c.result) << getInstName(c.type);
    EXPECT_EQ(flags(status(*s)), flags(c.status_out)) << getInstName(c.type);
    EXPECT_EQ(s->data[SFR_WREG], c.w) << "the result goes to the file register";
}

const file_case file_cases[] = {
    // ADDWF: carry, digit carry, zero, overflow from 0x7F and at 0x80.
    {IT_ADDWF, 0x01, 0xFF, 0, 0x00, C | DC | Z},
    {IT_ADDWF, 0x01, 0x7F, 0, 0x80, DC | OV | N},
    {IT_ADDWF, 0x80, 0x80, 0, 0x00, C | Z | OV},
    {IT_ADDWF, 0x01, 0x0F, 0, 0x10, DC},
    {IT_ADDWF, 0x01, 0x01, C | DC | Z | OV | N, 0x02, 0},
    {IT_ADDWF, 0xFF, 0x80, 0, 0x7F, C | OV},
    // ADDWFC adds the carry in.
    {IT_ADDWFC, 0x01, 0xFE, C, 0x00, C | DC | Z},
    {IT_ADDWFC, 0x01, 0x7E, C, 0x80, DC | OV | N},
    {IT_ADDWFC, 0x01, 0x7E, 0, 0x7F, 0},
    // SUBWF: f - W; C and DC mean no borrow.
    {IT_SUBWF, 0x05, 0x05, 0, 0x00, C | DC | Z},
    {IT_SUBWF, 0x01, 0x00, 0, 0xFF, N},
    {IT_SUBWF, 0x01, 0x80, 0, 0x7F, C | OV},
    {IT_SUBWF, 0xFF, 0x7F, 0, 0x80, DC | OV | N},
    {IT_SUBWF, 0x01, 0x10, 0, 0x0F, C},
    // SUBWFB: f - W - borrow (borrow = !C).
    {IT_SUBWFB, 0x04, 0x05, 0, 0x00, C | DC | Z},
    {IT_SUBWFB, 0x04, 0x05, C, 0x01, C | DC},
    {IT_SUBWFB, 0x00, 0x00, 0, 0xFF, N},
    // SUBFWB: W - f - borrow.
    {IT_SUBFWB, 0x10, 0x01, C, 0x0F, C},
    {IT_SUBFWB, 0x10, 0x10, 0, 0xFF, N},
    {IT_SUBFWB, 0x80, 0x01, C, 0x7F, C | OV},
    // INCF and DECF set every arithmetic flag.
    {IT_INCF, 0x00, 0xFF, 0, 0x00, C | DC | Z},
    {IT_INCF, 0x00, 0x7F, 0, 0x80, DC | OV | N},
    {IT_INCF, 0x00, 0x0E, C, 0x0F, 0},
    {IT_DECF, 0x00, 0x00, 0, 0xFF, N},
    {IT_DECF, 0x00, 0x80, 0, 0x7F, C | OV},
    {IT_DECF, 0x00, 0x01, 0, 0x00, C | DC | Z},
    {IT_DECF, 0x00, 0x10, 0, 0x0F, C},
    // Logic: Z and N only, the other flags stay.
    {IT_ANDWF, 0x0F, 0xF0, C | DC | OV, 0x00, C | DC | OV | Z},
    {IT_ANDWF, 0x80, 0xFF, 0, 0x80, N},
    {IT_IORWF, 0x00, 0x00, C, 0x00, C | Z},
    {IT_IORWF, 0x80, 0x01, Z, 0x81, N},
    {IT_XORWF, 0xFF, 0xFF, N | OV, 0x00, OV | Z},
    {IT_XORWF, 0x7F, 0xFF, Z, 0x80, N},
    {IT_COMF, 0x00, 0xFF, C, 0x00, C | Z},
    {IT_COMF, 0x00, 0x7F, Z, 0x80, N},
    {IT_MOVF, 0x00, 0x00, DC, 0x00, DC | Z},
    {IT_MOVF, 0x00, 0x90, Z, 0x90, N},
    // Rotates through carry set C, Z and N.
    {IT_RLCF, 0x00, 0x80, 0, 0x00, C | Z},
    {IT_RLCF, 0x00, 0x40, C, 0x81, N},
    {IT_RRCF, 0x00, 0x01, 0, 0x00, C | Z},
    {IT_RRCF, 0x00, 0x02, C, 0x81, N},
    {IT_RLNCF, 0x00, 0x80, C, 0x01, C},
    {IT_RLNCF, 0x00, 0x00, 0, 0x00, Z},
    {IT_RRNCF, 0x00, 0x01, 0, 0x80, N},
    // SWAPF changes no flag.
    {IT_SWAPF, 0x00, 0xA5, Z | C, 0x5A, Z | C},
};
INSTANTIATE_TEST_SUITE_P(Flags, FileOperation, ::testing::ValuesIn(file_cases));

struct single_case {
    unsigned type;
    uint8_t f, status_in;
    uint8_t result, status_out;
};

class SingleOperand : public ::testing::TestWithParam<single_case> {};

// The file-and-access-bit forms without a destination bit.
TEST_P(SingleOperand, ResultAndFlags)
{
    const single_case &c = GetParam();
    program p;
    p.set(REG, c.f).set(SFR_STATUS, c.status_in).op(IT_MOVLW, 0x33);
    p.op(c.type, REG, ACCESS).sleep();
    auto s = run(p);
    EXPECT_EQ(s->data[REG], c.result) << getInstName(c.type);
    EXPECT_EQ(flags(status(*s)), flags(c.status_out)) << getInstName(c.type);
}

const single_case single_cases[] = {
    {IT_NEGF, 0x80, 0, 0x80, DC | OV | N},
    {IT_NEGF, 0x00, 0, 0x00, C | DC | Z},
    {IT_NEGF, 0x01, C | Z, 0xFF, N},
    {IT_NEGF, 0x10, 0, 0xF0, DC | N},
    {IT_CLRF, 0x55, C | N | OV, 0x00, C | Z | N | OV},
    {IT_SETF, 0x00, Z, 0xFF, Z},
    {IT_MOVWF, 0x00, C | Z, 0x33, C | Z},
};
INSTANTIATE_TEST_SUITE_P(Flags, SingleOperand, ::testing::ValuesIn(single_cases));

struct literal_case {
    unsigned type;
    uint8_t w, k, status_in;
    uint8_t result, status_out;
};

class LiteralOperation : public ::testing::TestWithParam<literal_case> {};

TEST_P(LiteralOperation, ResultAndFlags)
{
    const literal_case &c = GetParam();
    program p;
    p.set(SFR_STATUS, c.status_in).op(IT_MOVLW, c.w).op(c.type, c.k).sleep();
    auto s = run(p);
    EXPECT_EQ(s->data[SFR_WREG], c.result) << getInstName(c.type);
    EXPECT_EQ(flags(status(*s)), flags(c.status_out)) << getInstName(c.type);
}

const literal_case literal_cases[] = {
    {IT_ADDLW, 0x80, 0x80, 0, 0x00, C | Z | OV},
    {IT_ADDLW, 0x7F, 0x01, 0, 0x80, DC | OV | N},
    {IT_ADDLW, 0x08, 0x08, C, 0x10, DC},
    {IT_SUBLW, 0x01, 0x00, 0, 0xFF, N},             // k - W
    {IT_SUBLW, 0x01, 0x80, 0, 0x7F, C | OV},
    {IT_SUBLW, 0x22, 0x22, 0, 0x00, C | DC | Z},
    {IT_ANDLW, 0xF0, 0x0F, C | DC | OV, 0x00, C | DC | OV | Z},
    {IT_IORLW, 0x00, 0x80, Z, 0x80, N},
    {IT_XORLW, 0x5A, 0x5A, N, 0x00, Z},
    {IT_MOVLW, 0x00, 0x00, N | C, 0x00, N | C},
};
INSTANTIATE_TEST_SUITE_P(Flags, LiteralOperation, ::testing::ValuesIn(literal_cases));

struct bcd_case {
    uint8_t a, b;
    uint8_t sum;
    bool carry;
};

class DecimalAdjust : public ::testing::TestWithParam<bcd_case> {};

// MOVLW a; ADDLW b; DAW gives the packed-BCD sum with the decimal carry.
TEST_P(DecimalAdjust, AdjustsThePackedSum)
{
    const bcd_case &c = GetParam();
    program p;
    p.op(IT_MOVLW, c.a).op(IT_ADDLW, c.b).op(IT_DAW).sleep();
    auto s = run(p);
    EXPECT_EQ(s->data[SFR_WREG], c.sum);
    EXPECT_EQ(bool(s->data[SFR_STATUS] & C), c.carry);
}

const bcd_case bcd_cases[] = {
    {0x15, 0x27, 0x42, false}, {0x09, 0x01, 0x10, false}, {0x09, 0x09, 0x18, false},
    {0x99, 0x01, 0x00, true},  {0x50, 0x50, 0x00, true},  {0x90, 0x90, 0x80, true},
    {0x45, 0x54, 0x99, false}, {0x00, 0x00, 0x00, false},
};
INSTANTIATE_TEST_SUITE_P(Bcd, DecimalAdjust, ::testing::ValuesIn(bcd_cases));

TEST(Multiply, LeavesTheProductInProdAndNoFlag)
{
    program p;
    p.set(SFR_STATUS, Z).set(REG, 0xFF).op(IT_MOVLW, 0xFF).op(IT_MULWF, REG, ACCESS);
    p.movff(SFR_PRODL, 0x20).movff(SFR_PRODH, 0x21);
    p.op(IT_MOVLW, 0x10).op(IT_MULLW, 0x10).sleep();
    auto s = run(p);
    EXPECT_EQ(s->data[0x20], 0x01);
    EXPECT_EQ(s->data[0x21], 0xFE);
    EXPECT_EQ(s->data[SFR_PRODL], 0x00);
    EXPECT_EQ(s->data[SFR_PRODH], 0x01);
    EXPECT_EQ(status(*s), Z);
}

// Flags written by the instruction win over its result written to STATUS.
TEST(Destination, FlagsOverrideAResultInStatus)
{
    program p;
    p.set(SFR_STATUS, 0x00).op(IT_CLRF, SFR_STATUS & 0xFF, ACCESS).sleep();
    auto s = run(p);
    EXPECT_EQ(status(*s), Z);
}

// ---------------------------------------------------------------------------
// Bit operations.

TEST(BitOperations, SetClearToggleEveryBit)
{
    for (unsigned bit = 0; bit < 8; bit++) {
        program p;
        p.set(REG, 0x00).op(IT_BSF, REG, bit, ACCESS);
        p.movff(REG, 0x20).op(IT_BTG, REG, bit, ACCESS).movff(REG, 0x21);
        p.op(IT_BTG, REG, bit, ACCESS).op(IT_BCF, REG, bit, ACCESS).sleep();
        auto s = run(p);
        EXPECT_EQ(s->data[0x20], 1u << bit);
        EXPECT_EQ(s->data[0x21], 0u);
        EXPECT_EQ(s->data[REG], 0u);
    }
}

// ---------------------------------------------------------------------------
// Skips: condition, and the cost over one- and two-word instructions.

struct skip_case {
    unsigned type;
    uint8_t f, w;
    unsigned bit;
    bool skips;
    uint8_t f_after;
};

class Skip : public ::testing::TestWithParam<skip_case> {};

TEST_P(Skip, OverOneAndTwoWordInstructions)
{
    const skip_case &c = GetParam();
    for (bool two_words : {false, true}) {
        program p;
        p.set(REG, c.f).set(0x21, 0x00).set(0x30, 0x77).op(IT_MOVLW, c.w);
        uint32_t setup_cycles = 7;
        switch (c.type) {
        case IT_BTFSC: case IT_BTFSS:
            p.op(c.type, REG, c.bit, ACCESS);
            break;
        case IT_CPFSEQ: case IT_CPFSGT: case IT_CPFSLT: case IT_TSTFSZ:
            p.op(c.type, REG, ACCESS);
            break;
        default:
            p.op(c.type, REG, TO_F, ACCESS);
            break;
        }
        if (two_words)
            p.movff(0x30, 0x21);
        else
            p.op(IT_INCF, 0x21, TO_F, ACCESS);
        p.sleep();
        auto s = run(p);
        ASSERT_EQ(s->stop, SIM_SLEEP) << getInstName(c.type);
        uint8_t executed = two_words ? 0x77 : 0x01;
        EXPECT_EQ(s->data[0x21], c.skips ? 0 : executed) << getInstName(c.type) << " f=" << int(c.f);
        EXPECT_EQ(s->data[REG], c.f_after) << getInstName(c.type);
        uint64_t skip_cost = c.skips ? (two_words ? 3 : 2) : 1;
        uint64_t follower = c.skips ? 0 : (two_words ? 2 : 1);
        EXPECT_EQ(s->cycles, setup_cycles + skip_cost + follower + 1) << getInstName(c.type);
    }
}

const skip_case skip_cases[] = {
    {IT_BTFSC, 0xFE, 0, 0, true, 0xFE},   {IT_BTFSC, 0x01, 0, 0, false, 0x01},
    {IT_BTFSC, 0x7F, 0, 7, true, 0x7F},   {IT_BTFSS, 0x80, 0, 7, true, 0x80},
    {IT_BTFSS, 0x7F, 0, 7, false, 0x7F},  {IT_CPFSEQ, 0x42, 0x42, 0, true, 0x42},
    {IT_CPFSEQ, 0x42, 0x43, 0, false, 0x42}, {IT_CPFSGT, 0x43, 0x42, 0, true, 0x43},
    {IT_CPFSGT, 0x42, 0x42, 0, false, 0x42}, {IT_CPFSGT, 0x80, 0x7F, 0, true, 0x80},
    {IT_CPFSLT, 0x41, 0x42, 0, true, 0x41},  {IT_CPFSLT, 0x42, 0x42, 0, false, 0x42},
    {IT_CPFSLT, 0x7F, 0x80, 0, true, 0x7F},  {IT_TSTFSZ, 0x00, 0, 0, true, 0x00},
    {IT_TSTFSZ, 0x01, 0, 0, false, 0x01},    {IT_DECFSZ, 0x01, 0, 0, true, 0x00},
    {IT_DECFSZ, 0x00, 0, 0, false, 0xFF},    {IT_INCFSZ, 0xFF, 0, 0, true, 0x00},
    {IT_INCFSZ, 0xFE, 0, 0, false, 0xFF},    {IT_DCFSNZ, 0x01, 0, 0, false, 0x00},
    {IT_DCFSNZ, 0x02, 0, 0, true, 0x01},     {IT_INFSNZ, 0xFF, 0, 0, false, 0x00},
    {IT_INFSNZ, 0x00, 0, 0, true, 0x01},
};
INSTANTIATE_TEST_SUITE_P(Conditions, Skip, ::testing::ValuesIn(skip_cases));

// ---------------------------------------------------------------------------
// Branches.

struct branch_case {
    unsigned type;
    uint8_t status_in;
    bool taken;
};

class Branch : public ::testing::TestWithParam<branch_case> {};

TEST_P(Branch, TakenCostsTwoCycles)
{
    const branch_case &c = GetParam();
    program p;
    p.set(SFR_STATUS, c.status_in);
    p.branch(c.type, 0x20);
    p.set(REG, 0x11).sleep();
    p.pad_to(0x20);
    p.set(REG, 0x22).sleep();
    auto s = run(p);
    EXPECT_EQ(s->data[REG], c.taken ? 0x22 : 0x11) << getInstName(c.type);
    EXPECT_EQ(s->cycles, 2u + (c.taken ? 2 : 1) + 3) << getInstName(c.type);
}

const branch_case branch_cases[] = {
    {IT_BC, C, true},     {IT_BC, N | Z | OV | DC, false},   {IT_BNC, 0, true},
    {IT_BNC, C, false},   {IT_BZ, Z, true},   {IT_BZ, C | N, false},  {IT_BNZ, C, true},
    {IT_BNZ, Z, false},   {IT_BN, N, true},   {IT_BN, Z | OV, false}, {IT_BNN, Z, true},
    {IT_BNN, N, false},   {IT_BOV, OV, true}, {IT_BOV, N | C, false}, {IT_BNOV, N, true},
    {IT_BNOV, OV, false}, {IT_BRA, 0, true},
};
INSTANTIATE_TEST_SUITE_P(Conditions, Branch, ::testing::ValuesIn(branch_cases));

// ---------------------------------------------------------------------------
// Calls, returns and the return stack.

TEST(Stack, CallGotoRcallAndReturns)
{
    program p;
    p.call(0x40);          // 0x00
    p.op(IT_RCALL, (0x60 - 0x04 - 2) / 2); // 0x04
    p.jump(0x80);          // 0x06
    p.pad_to(0x40);
    p.set(0x20, 0x01).op(IT_RETURN, 0);
    p.pad_to(0x60);
    p.op(IT_RETLW, 0x5A);
    p.pad_to(0x80);
    p.op(IT_MOVWF, 0x21, ACCESS).sleep();
    auto s = run(p);
    ASSERT_EQ(s->stop, SIM_SLEEP);
    EXPECT_EQ(s->data[0x20], 0x01);
    EXPECT_EQ(s->data[0x21], 0x5A);
    EXPECT_EQ(s->sp, 0u);
    // CALL 2, MOVLW/MOVWF 2, RETURN 2, RCALL 2, RETLW 2, GOTO 2, MOVWF 1, SLEEP 1.
    EXPECT_EQ(s->cycles, 14u);
}

TEST(Stack, OverflowStopsAtTheThirtySecondCall)
{
    program p;
    p.op(IT_RCALL, 0x7FF); // calls itself
    auto s = run(p);
    EXPECT_EQ(s->stop, SIM_STACK_OVERFLOW);
    EXPECT_EQ(s->stop_pc, 0u);
    EXPECT_EQ(s->sp, RETURN_STACK_DEPTH);
    EXPECT_EQ(s->instructions, RETURN_STACK_DEPTH);
    EXPECT_TRUE(s->stack_flags & STKPTR_FULL);
}

TEST(Stack, UnderflowStopsAtTheReturn)
{
    for (unsigned type : {IT_RETURN, IT_RETLW, IT_RETFIE, IT_POP}) {
        program p;
        p.op(IT_NOP).op(type);
        auto s = run(p);
        EXPECT_EQ(s->stop, SIM_STACK_UNDERFLOW) << getInstName(type);
        EXPECT_EQ(s->stop_pc, 2u) << getInstName(type);
        EXPECT_EQ(s->pc, 2u);
    }
}

TEST(Stack, PushPopAndTheTopOfStackWindow)
{
    program p;
    p.op(IT_PUSH);                    // TOS = 0x02
    p.movff(SFR_TOSL, 0x20).movff(SFR_STKPTR, 0x21);
    p.set(SFR_TOSL, 0x40).set(SFR_TOSH, 0x00).set(SFR_TOSU, 0x00);
    p.op(IT_RETURN, 0);               // to 0x40
    p.pad_to(0x40);
    p.movff(SFR_STKPTR, 0x22).op(IT_PUSH).op(IT_POP).movff(SFR_STKPTR, 0x23).sleep();
    auto s = run(p);
    ASSERT_EQ(s->stop, SIM_SLEEP);
    EXPECT_EQ(s->data[0x20], 0x02);
    EXPECT_EQ(s->data[0x21], 0x01);
    EXPECT_EQ(s->data[0x22], 0x00);
    EXPECT_EQ(s->data[0x23], 0x00);
}

struct shadow_case {
    unsigned call_fast, return_type, return_fast;
    bool restored;
};

class Shadow : public ::testing::TestWithParam<shadow_case> {};

TEST_P(Shadow, FastReturnRestoresWregStatusBsr)
{
    const shadow_case &c = GetParam();
    program p;
    p.op(IT_MOVLB, 0x03).set(SFR_STATUS, C | N).op(IT_MOVLW, 0x11);
    p.call(0x40, c.call_fast);
    p.movff(SFR_WREG, 0x20).movff(SFR_STATUS, 0x21).movff(SFR_BSR, 0x22).sleep();
    p.pad_to(0x40);
    p.op(IT_MOVLB, 0x05).set(SFR_STATUS, Z).op(IT_MOVLW, 0x99).op(c.return_type, c.return_fast);
    auto s = run(p);
    ASSERT_EQ(s->stop, SIM_SLEEP);
    EXPECT_EQ(s->data[0x20], c.restored ? 0x11 : 0x99);
    EXPECT_EQ(s->data[0x21], c.restored ? C | N : Z);
    EXPECT_EQ(s->data[0x22], c.restored ? 0x03 : 0x05);
}

const shadow_case shadow_cases[] = {
    {1, IT_RETURN, 1, true},  {1, IT_RETURN, 0, false}, {0, IT_RETURN, 0, false},
    {1, IT_RETFIE, 1, true},  {1, IT_RETFIE, 0, false},
};
INSTANTIATE_TEST_SUITE_P(Returns, Shadow, ::testing::ValuesIn(shadow_cases));

// ---------------------------------------------------------------------------
// Table reads and writes.

TEST(Table, ReadFormsMoveThePointer)
{
    program p;
    p.set(SFR_TBLPTRU, 0).set(SFR_TBLPTRH, 0x01).set(SFR_TBLPTRL, 0x00);
    p.op(IT_TBLRDPOSTINC).movff(SFR_TABLAT, 0x20);   // reads 0x100, then 0x101
    p.op(IT_TBLRD).movff(SFR_TABLAT, 0x21);          // reads 0x101
    p.op(IT_TBLRDPREINC).movff(SFR_TABLAT, 0x22);    // 0x102
    p.op(IT_TBLRDPOSTDEC).movff(SFR_TABLAT, 0x23);   // 0x102, then 0x101
    p.op(IT_TBLRD).movff(SFR_TABLAT, 0x24);          // 0x101
    p.sleep();
    p.pad_to(0x100);
    p.words.push_back(0xBBAA);
    p.words.push_back(0xDDCC);
    auto s = run(p);
    EXPECT_EQ(s->data[0x20], 0xAA);
    EXPECT_EQ(s->data[0x21], 0xBB);
    EXPECT_EQ(s->data[0x22], 0xCC);
    EXPECT_EQ(s->data[0x23], 0xCC);
    EXPECT_EQ(s->data[0x24], 0xBB);
    EXPECT_EQ(s->data[SFR_TBLPTRL], 0x01);
}

TEST(Table, PointerCarriesIntoTheUpperByte)
{
    program p;
    p.set(SFR_TBLPTRU, 0x00).set(SFR_TBLPTRH, 0xFF).set(SFR_TBLPTRL, 0xFF);
    p.op(IT_TBLRDPOSTINC).movff(SFR_TABLAT, 0x20).op(IT_TBLRD).movff(SFR_TABLAT, 0x21);
    p.op(IT_TBLRDPOSTDEC).op(IT_TBLRD).sleep();
    auto s = load(p, 0x20000);
    uint8_t bytes[] = {0x5A};
    uint8_t high[] = {0xA5};
    sim_store_program(s.get(), 0xFFFF, bytes, 1);
    sim_store_program(s.get(), 0x10000, high, 1);
    sim_run(s.get(), 1000);
    EXPECT_EQ(s->data[0x20], 0x5A);
    EXPECT_EQ(s->data[0x21], 0xA5);
    EXPECT_EQ(s->data[SFR_TBLPTRU], 0x00);
    EXPECT_EQ(s->data[SFR_TBLPTRH], 0xFF);
    EXPECT_EQ(s->data[SFR_TBLPTRL], 0xFF);
    EXPECT_EQ(s->data[SFR_TABLAT], 0x5A);
}

TEST(Table, WritesChangeTheProgram)
{
    // Overwrites the NOP at 0x40 with MOVLW 0x3C (0x0E3C) and runs it.
    program p;
    p.set(SFR_TBLPTRU, 0).set(SFR_TBLPTRH, 0).set(SFR_TBLPTRL, 0x40);
    p.set(SFR_TABLAT, 0x3C).op(IT_TBLWTPOSTINC).set(SFR_TABLAT, 0x0E).op(IT_TBLWT);
    p.jump(0x40);
    p.pad_to(0x40);
    p.op(IT_NOP).sleep();
    auto s = run(p);
    EXPECT_EQ(s->data[SFR_WREG], 0x3C);
    EXPECT_EQ(s->cycles, 5 * 2u + 2 + 2 + 2 + 1 + 1);
}

// ---------------------------------------------------------------------------
// Indirect access through the three pointers.

struct indirect_case {
    unsigned offset;   // the indirect register, from the pointer's low byte
    unsigned fsr_in;
    int8_t w;
    unsigned accessed; // the data address read
    unsigned fsr_out;
};

class Indirect : public ::testing::TestWithParam<indirect_case> {};

TEST_P(Indirect, ReadsAndMovesThePointer)
{
    const indirect_case &c = GetParam();
    for (unsigned n = 0; n < 3; n++) {
        unsigned low = FSR_LOW_ADDRESS[n];
        program p;
        p.lfsr(n, c.fsr_in).op(IT_MOVLW, uint8_t(c.w));
        p.op(IT_MOVF, (low + c.offset) & 0xFF, TO_F, ACCESS).sleep();
        auto s = load(p);
        s->data[c.accessed] = 0x80;
        sim_run(s.get(), 1000);
        EXPECT_EQ(sim_fsr(*s, n), c.fsr_out) << "FSR" << n << " offset " << c.offset;
        EXPECT_EQ(s->data[SFR_STATUS] & N, N) << "FSR" << n << " read the marked byte";
        EXPECT_EQ(s->data[c.accessed], 0x80);
    }
}

const indirect_case indirect_cases[] = {
    {FSR_OFFSET_INDF, 0x123, 0, 0x123, 0x123},
    {FSR_OFFSET_POSTINC, 0x0FF, 0, 0x0FF, 0x100},
    {FSR_OFFSET_POSTINC, 0xEFF, 0, 0xEFF, 0xF00},
    {FSR_OFFSET_POSTDEC, 0x100, 0, 0x100, 0x0FF},
    {FSR_OFFSET_POSTDEC, 0x000, 0, 0x000, 0xFFF},
    {FSR_OFFSET_PREINC, 0x1FF, 0, 0x200, 0x200},
    {FSR_OFFSET_PLUSW, 0x0F0, 0x10, 0x100, 0x0F0},
    {FSR_OFFSET_PLUSW, 0x100, -1, 0x0FF, 0x100},
    {FSR_OFFSET_PLUSW, 0x200, -128, 0x180, 0x200},
    {FSR_OFFSET_PLUSW, 0x200, 127, 0x27F, 0x200},
};
INSTANTIATE_TEST_SUITE_P(Registers, Indirect, ::testing::ValuesIn(indirect_cases));

TEST(Indirect, WritesLandWhereThePointerPoints)
{
    for (unsigned n = 0; n < 3; n++) {
        unsigned low = FSR_LOW_ADDRESS[n];
        program p;
        p.lfsr(n, 0x300);
        for (uint8_t v = 1; v <= 3; v++)
            p.op(IT_MOVLW, v).op(IT_MOVWF, (low + FSR_OFFSET_POSTINC) & 0xFF, ACCESS);
        p.op(IT_MOVLW, 0x44).op(IT_MOVWF, (low + FSR_OFFSET_PREINC) & 0xFF, ACCESS);
        p.op(IT_MOVLW, 0x55).op(IT_MOVWF, (low + FSR_OFFSET_POSTDEC) & 0xFF, ACCESS);
        p.op(IT_MOVLW, 0x66).op(IT_MOVWF, (low + FSR_OFFSET_INDF) & 0xFF, ACCESS);
        p.op(IT_MOVLW, 0xFE).op(IT_MOVWF, (low + FSR_OFFSET_PLUSW) & 0xFF, ACCESS);
        p.sleep();
        auto s = run(p);
        EXPECT_EQ(s->data[0x300], 1);
        EXPECT_EQ(s->data[0x301], 0xFE) << "PLUSW with W = -2 from 0x303";
        EXPECT_EQ(s->data[0x302], 3);
        EXPECT_EQ(s->data[0x303], 0x66);
        EXPECT_EQ(s->data[0x304], 0x55);
        EXPECT_EQ(sim_fsr(*s, n), 0x303u);
    }
}

TEST(Indirect, ReadModifyWriteMovesThePointerOnce)
{
    program p;
    p.lfsr(0, 0x040).set(0x40, 0x41).op(IT_INCF, SFR_POSTINC0 & 0xFF, TO_F, ACCESS).sleep();
    auto s = run(p);
    EXPECT_EQ(s->data[0x40], 0x42);
    EXPECT_EQ(s->data[0x41], 0x00);
    EXPECT_EQ(sim_fsr(*s, 0), 0x041u);
}

TEST(Indirect, PointerAtAnIndirectRegisterReadsZeroAndWritesNothing)
{
    program p;
    p.lfsr(0, SFR_INDF1).lfsr(1, 0x050).set(0x50, 0x77);
    p.op(IT_MOVF, SFR_INDF0 & 0xFF, TO_W, ACCESS).movff(SFR_WREG, 0x20);
    p.op(IT_MOVLW, 0x12).op(IT_MOVWF, SFR_INDF0 & 0xFF, ACCESS).sleep();
    auto s = run(p);
    EXPECT_EQ(s->data[0x20], 0x00);
    EXPECT_EQ(s->data[0x50], 0x77);
}

TEST(Indirect, HighBytesKeepFourBits)
{
    program p;
    p.set(SFR_FSR0H, 0xFF).set(SFR_BSR, 0xFF).sleep();
    auto s = run(p);
    EXPECT_EQ(s->data[SFR_FSR0H], 0x0F);
    EXPECT_EQ(s->data[SFR_BSR], 0x0F);
}

// ---------------------------------------------------------------------------
// Banked and access addressing.

struct address_case {
    unsigned f, banked, bsr;
    unsigned address;
};

class Addressing : public ::testing::TestWithParam<address_case> {};

TEST_P(Addressing, OperandReachesTheRightByte)
{
    const address_case &c = GetParam();
    program p;
    p.op(IT_MOVLB, c.bsr).op(IT_MOVLW, 0xC3).op(IT_MOVWF, c.f, c.banked).sleep();
    auto s = run(p);
    EXPECT_EQ(s->data[c.address], 0xC3) << std::hex << c.address;
}

const address_case address_cases[] = {
    {0x00, ACCESS, 5, 0x000}, {0x5F, ACCESS, 5, 0x05F}, {0x60, ACCESS, 5, 0xF60},
    {0xF3, ACCESS, 5, 0xFF3}, {0x10, BANKED, 0, 0x010}, {0x10, BANKED, 2, 0x210},
    {0x60, BANKED, 1, 0x160}, {0xFF, BANKED, 14, 0xEFF}, {0x80, BANKED, 15, 0xF80},
};
INSTANTIATE_TEST_SUITE_P(Banks, Addressing, ::testing::ValuesIn(address_cases));

// ---------------------------------------------------------------------------
// Program-counter writes.

TEST(ProgramCounter, WritingPclJumpsThroughTheLatches)
{
    program p;
    p.set(SFR_PCLATU, 0).set(SFR_PCLATH, 0x01).set(SFR_PCL, 0x20);
    p.sleep();
    p.pad_to(0x120);
    p.set(REG, 0x99).sleep();
    auto s = run(p);
    EXPECT_EQ(s->data[REG], 0x99);
    EXPECT_EQ(s->cycles, 6u + 1 + 3);
}

TEST(ProgramCounter, ComputedJumpIntoATable)
{
    // MOVLW index; call a routine that does RLNCF WREG; ADDWF PCL; then RETLW entries.
    for (unsigned index = 0; index < 3; index++) {
        program p;
        p.op(IT_MOVLW, index).call(0x100).op(IT_MOVWF, REG, ACCESS).sleep();
        p.pad_to(0x100);
        p.op(IT_RLNCF, SFR_WREG & 0xFF, TO_W, ACCESS);
        p.op(IT_ADDWF, SFR_PCL & 0xFF, TO_F, ACCESS);
        p.op(IT_RETLW, 0xA0).op(IT_RETLW, 0xA1).op(IT_RETLW, 0xA2);
        auto s = run(p);
        EXPECT_EQ(s->data[REG], 0xA0 + index);
        EXPECT_EQ(s->data[SFR_PCLATH], 0x01) << "reading PCL loads PCLATH";
    }
}

// ---------------------------------------------------------------------------
// Cycle costs and stops.

struct cost_case {
    const char *name;
    program code;
    uint64_t cycles;
};

TEST(Cycles, OneWordInstructionsAndTheLongerOnes)
{
    std::vector<cost_case> cases;
    cases.push_back({"NOP", program().op(IT_NOP), 1});
    cases.push_back({"MOVLW", program().op(IT_MOVLW, 1), 1});
    cases.push_back({"MOVFF", program().movff(0x10, 0x11), 2});
    cases.push_back({"LFSR", program().lfsr(2, 0x123), 2});
    cases.push_back({"TBLRD", program().op(IT_TBLRD), 2});
    cases.push_back({"TBLWT", program().op(IT_TBLWTPOSTINC), 2});
    cases.push_back({"BRA", program().op(IT_BRA, 0), 2});
    cases.push_back({"GOTO", program().jump(4), 2});
    for (cost_case &c : cases) {
        c.code.sleep();
        auto s = run(c.code);
        EXPECT_EQ(s->cycles, c.cycles + 1) << c.name;
        EXPECT_EQ(s->stop, SIM_SLEEP) << c.name;
    }
}

TEST(Stops, InvalidWordsAndMissingSecondWords)
{
    struct stop_case {
        const char *name;
        std::vector<uint16_t> words;
        sim_stop_reason reason;
        uint32_t pc;
    };
    uint16_t addfsr = 0, callw = 0, call = 0;
    setInstType_VxCORE(&addfsr, IT_ADDFSR);
    setInstType_VxCORE(&callw, IT_CALLW);
    setInstType_VxCORE(&call, IT_CALL);
    const stop_case cases[] = {
        {"0x0002", {0x0000, 0x0002}, SIM_INVALID_WORD, 2},
        {"ADDFSR", {addfsr}, SIM_INVALID_WORD, 0},
        {"CALLW", {0x0000, 0x0000, callw}, SIM_INVALID_WORD, 4},
        {"CALL without WORD2", {call, 0x0000}, SIM_MISSING_WORD2, 0},
    };
    for (const stop_case &c : cases) {
        program p;
        p.words = c.words;
        auto s = run(p);
        EXPECT_EQ(s->stop, c.reason) << c.name;
        EXPECT_EQ(s->stop_pc, c.pc) << c.name;
        EXPECT_EQ(s->instructions, c.pc / 2) << c.name;
    }
}

TEST(Stops, DebugInstructions)
{
    struct debug_case {
        unsigned type;
        sim_stop_reason reason; // after the instruction and a SLEEP
        uint64_t instructions;
    };
    const debug_case cases[] = {
        {IT_HALT, SIM_HALT, 1},        {IT_STOP, SIM_HALT, 1}, {IT_PAUSE, SIM_SLEEP, 2},
        {IT_LOG, SIM_SLEEP, 2},        {IT_CLRWDT, SIM_SLEEP, 2},
        {IT_TRAP, SIM_UNSUPPORTED, 0}, {IT_TRET, SIM_UNSUPPORTED, 0},
    };
    for (const debug_case &c : cases) {
        program p;
        p.op(c.type).sleep();
        auto s = run(p);
        EXPECT_EQ(s->stop, c.reason) << getInstName(c.type);
        EXPECT_EQ(s->instructions, c.instructions) << getInstName(c.type);
        EXPECT_EQ(s->stop_pc, c.instructions == 2 ? 2u : 0u) << getInstName(c.type);
    }
}

TEST(Stops, ResetRestartsAtZeroWithFreshRegisters)
{
    program p;
    p.op(IT_INCF, 0x20, TO_F, ACCESS).op(IT_MOVLW, 2).op(IT_CPFSEQ, 0x20, ACCESS).op(IT_RESET);
    p.sleep();
    auto s = run(p);
    EXPECT_EQ(s->stop, SIM_SLEEP);
    EXPECT_EQ(s->data[0x20], 2);
}

// ---------------------------------------------------------------------------
// The timer.

constexpr unsigned TMR0_8BIT = T0CON_TMR0ON | T0CON_T08BIT;

struct timer_case {
    const char *name;
    uint8_t control, high, low; // T0CON and TMR0 before the enabling write
    unsigned nops;              // executed after it
    uint8_t high_out, low_out;
    bool overflow;
};

class Timer : public ::testing::TestWithParam<timer_case> {};

// The timer counts from the instruction after the write that starts it.
TEST_P(Timer, CountsInstructionCycles)
{
    const timer_case &c = GetParam();
    program p;
    p.set(SFR_TMR0H, c.high).set(SFR_TMR0L, c.low).set(SFR_T0CON, c.control);
    for (unsigned i = 0; i < c.nops; i++)
        p.op(IT_NOP);
    p.sleep();
    auto s = run(p);
    ASSERT_EQ(s->stop, SIM_SLEEP) << c.name;
    EXPECT_EQ(s->data[SFR_TMR0H], c.high_out) << c.name;
    EXPECT_EQ(s->data[SFR_TMR0L], c.low_out) << c.name;
    EXPECT_EQ(bool(s->data[SFR_INTCON] & INTCON_TMR0IF), c.overflow) << c.name;
}

const timer_case timer_cases[] = {
    {"stopped", T0CON_T08BIT, 0x00, 0xF0, 20, 0x00, 0xF0, false},
    {"8-bit below the overflow", TMR0_8BIT, 0x12, 0xF0, 15, 0x12, 0xFF, false},
    {"8-bit overflow leaves TMR0H", TMR0_8BIT, 0x12, 0xF0, 16, 0x12, 0x00, true},
    {"8-bit after the overflow", TMR0_8BIT, 0x12, 0xF0, 20, 0x12, 0x04, true},
    {"16-bit carry into TMR0H", T0CON_TMR0ON, 0x12, 0xFE, 3, 0x13, 0x01, false},
    {"16-bit overflow", T0CON_TMR0ON, 0xFF, 0xFE, 2, 0x00, 0x00, true},
    {"prescaler 1:4", TMR0_8BIT | 2, 0x00, 0x10, 11, 0x00, 0x12, false},
    {"prescaler 1:4 third step", TMR0_8BIT | 2, 0x00, 0x10, 12, 0x00, 0x13, false},
    {"prescaler 1:128", TMR0_8BIT | 7, 0x00, 0xFF, 128, 0x00, 0x00, true},
};
INSTANTIATE_TEST_SUITE_P(Modes, Timer, ::testing::ValuesIn(timer_cases));

TEST(Timer, AWriteRestartsFromTheValueWritten)
{
    program p;
    p.set(SFR_T0CON, TMR0_8BIT | 1);    // 1:2
    p.op(IT_NOP).op(IT_NOP).op(IT_NOP); // TMR0L 1, one cycle in the prescaler
    p.set(SFR_TMR0L, 0x80);             // the MOVWF is not counted and clears the prescaler
    p.movff(SFR_TMR0L, 0x20).op(IT_NOP).sleep();
    auto s = run(p);
    EXPECT_EQ(s->data[0x20], 0x80) << "read before its own cycles count";
    EXPECT_EQ(s->data[SFR_TMR0L], 0x81) << "MOVFF 2 cycles, NOP 1: three halves";
    EXPECT_EQ(s->prescaler, 1u);
}

// ---------------------------------------------------------------------------
// Interrupts.

constexpr unsigned INTCON_F = SFR_INTCON & 0xFF;
constexpr unsigned MAIN = 0x40;
constexpr unsigned HIGH_ROUTINE = 0x100, LOW_ROUTINE = 0x200;
constexpr unsigned bit_number(uint8_t mask)
{
    unsigned n = 0;
    while (!(mask & (1u << n)))
        n++;
    return n;
}
constexpr unsigned INT0IF_BIT = bit_number(INTCON_INT0IF), RBIF_BIT = bit_number(INTCON_RBIF),
                   TMR0IF_BIT = bit_number(INTCON_TMR0IF);

// A program with its vectors jumping to HIGH_ROUTINE and LOW_ROUTINE, and
// `main` from MAIN on.
struct vectored {
    program p;
    vectored()
    {
        p.jump(MAIN);
        p.pad_to(HIGH_PRIORITY_VECTOR);
        p.jump(HIGH_ROUTINE);
        p.pad_to(LOW_PRIORITY_VECTOR);
        p.jump(LOW_ROUTINE);
        p.pad_to(MAIN);
    }
    program &high() { return routine(HIGH_ROUTINE); }
    program &low() { return routine(LOW_ROUTINE); }
    program &routine(uint32_t address)
    {
        EXPECT_LE(p.here(), address) << "routines go in address order";
        p.pad_to(address);
        return p;
    }
};

// A routine that notes its vector in 0x20 (and counts its entries in 0x21),
// clears every flag and returns.
void note_vector(program &p, unsigned vector, unsigned fast)
{
    p.set(0x20, vector).op(IT_INCF, 0x21, TO_F, ACCESS);
    p.op(IT_MOVLW, uint8_t(~INTCON_FLAGS)).op(IT_ANDWF, INTCON_F, TO_F, ACCESS);
    p.op(IT_RETFIE, fast);
}

struct enable_case {
    const char *name;
    uint8_t rcon, intcon2, intcon;
    unsigned vector; // 0: none taken
};

class Enables : public ::testing::TestWithParam<enable_case> {};

TEST_P(Enables, DecideTheVector)
{
    const enable_case &c = GetParam();
    vectored v;
    v.p.set(SFR_RCON, c.rcon).set(SFR_INTCON2, c.intcon2).set(SFR_INTCON, c.intcon);
    v.p.op(IT_NOP).sleep();
    note_vector(v.high(), HIGH_PRIORITY_VECTOR, 1);
    note_vector(v.low(), LOW_PRIORITY_VECTOR, 0);
    auto s = run(v.p);
    ASSERT_EQ(s->stop, SIM_SLEEP) << c.name;
    EXPECT_EQ(s->data[0x20], c.vector) << c.name;
    EXPECT_EQ(s->data[0x21], c.vector ? 1 : 0) << c.name;
    EXPECT_EQ(s->interrupts, c.vector ? 1u : 0u) << c.name;
}

constexpr uint8_t GIE = INTCON_GIE, GIEH = INTCON_GIEH, GIEL = INTCON_GIEL;
constexpr uint8_t INT0 = INTCON_INT0IE | INTCON_INT0IF, RB = INTCON_RBIE | INTCON_RBIF,
                  TMR0 = INTCON_TMR0IE | INTCON_TMR0IF;

const enable_case enable_cases[] = {
    {"INT0", 0, 0, GIE | INT0, HIGH_PRIORITY_VECTOR},
    {"RB", 0, 0, GIE | RB, HIGH_PRIORITY_VECTOR},
    {"TMR0", 0, 0, GIE | TMR0, HIGH_PRIORITY_VECTOR},
    {"GIE clear", 0, 0, INT0 | RB | TMR0, 0},
    {"flag without its enable", 0, 0, GIE | INTCON_INT0IF | INTCON_RBIF | INTCON_TMR0IF, 0},
    {"enable without its flag", 0, 0, GIE | INTCON_INT0IE | INTCON_RBIE | INTCON_TMR0IE, 0},
    {"another source's enable", 0, 0, GIE | INTCON_INT0IF | INTCON_TMR0IE, 0},
    {"priority bits unused without IPEN", 0, 0, GIE | RB, HIGH_PRIORITY_VECTOR},
    {"INT0 always high", RCON_IPEN, 0, GIEH | INT0, HIGH_PRIORITY_VECTOR},
    {"TMR0 low", RCON_IPEN, 0, GIEH | GIEL | TMR0, LOW_PRIORITY_VECTOR},
    {"TMR0 high", RCON_IPEN, INTCON2_TMR0IP, GIEH | TMR0, HIGH_PRIORITY_VECTOR},
    {"RB low", RCON_IPEN, INTCON2_TMR0IP, GIEH | GIEL | RB, LOW_PRIORITY_VECTOR},
    {"RB high", RCON_IPEN, INTCON2_RBIP, GIEH | RB, HIGH_PRIORITY_VECTOR},
    {"high before low", RCON_IPEN, 0, GIEH | GIEL | RB | INT0, HIGH_PRIORITY_VECTOR},
    {"low without GIEL", RCON_IPEN, 0, GIEH | RB, 0},
    {"low without GIEH", RCON_IPEN, 0, GIEL | RB, 0},
    {"high without GIEH", RCON_IPEN, 0, GIEL | INT0, 0},
};
INSTANTIATE_TEST_SUITE_P(Interrupts, Enables, ::testing::ValuesIn(enable_cases));

TEST(Interrupts, EntryPushesTheNextAddressAndClearsGie)
{
    vectored v;
    v.p.set(SFR_INTCON, GIE | INT0);             // MOVWF at MAIN + 2
    v.p.movff(SFR_INTCON, 0x25).sleep();         // MAIN + 4
    v.high().movff(SFR_TOSL, 0x22).movff(SFR_STKPTR, 0x23).movff(SFR_INTCON, 0x24);
    v.p.op(IT_BCF, INTCON_F, INT0IF_BIT, ACCESS).op(IT_RETFIE, 0);
    auto s = run(v.p);
    ASSERT_EQ(s->stop, SIM_SLEEP);
    EXPECT_EQ(s->data[0x22], MAIN + 4);
    EXPECT_EQ(s->data[0x23], 1);
    EXPECT_EQ(s->data[0x24], INT0) << "GIE cleared inside";
    EXPECT_EQ(s->data[0x25], GIE | INTCON_INT0IE) << "RETFIE sets GIE";
}

TEST(Interrupts, EntryCostsTwoCycles)
{
    program p;
    p.set(SFR_INTCON, GIE | INT0).sleep();
    p.pad_to(HIGH_PRIORITY_VECTOR);
    p.op(IT_BCF, INTCON_F, INT0IF_BIT, ACCESS).op(IT_RETFIE, 0);
    auto s = run(p);
    ASSERT_EQ(s->stop, SIM_SLEEP);
    // MOVLW 1, MOVWF 1, entry 2, BCF 1, RETFIE 2, SLEEP 1.
    EXPECT_EQ(s->cycles, 8u);
    EXPECT_EQ(s->instructions, 5u);
    EXPECT_EQ(s->interrupts, 1u);
}

struct shadow_entry_case {
    const char *name;
    bool priorities; // with RCON_IPEN the request below is a low-priority one
    unsigned retfie_fast;
    uint8_t w, status, bsr;
};

class ShadowEntry : public ::testing::TestWithParam<shadow_entry_case> {};

// The interrupted code holds 0x11, C|N and bank 3; the routine leaves 0x99,
// Z and bank 5 unless the return restores the shadows.
TEST_P(ShadowEntry, HighPriorityEntryFillsTheShadows)
{
    const shadow_entry_case &c = GetParam();
    vectored v;
    v.p.set(SFR_RCON, c.priorities ? RCON_IPEN : 0).set(SFR_INTCON, GIEH | GIEL | INTCON_RBIE);
    v.p.op(IT_MOVLB, 0x03).set(SFR_STATUS, C | N).op(IT_MOVLW, 0x11);
    v.p.op(IT_BSF, INTCON_F, RBIF_BIT, ACCESS);
    v.p.movff(SFR_WREG, 0x20).movff(SFR_STATUS, 0x21).movff(SFR_BSR, 0x22).sleep();
    for (program *routine : {&v.high(), &v.low()}) {
        routine->op(IT_MOVLB, 0x05).set(SFR_STATUS, Z).op(IT_MOVLW, 0x99);
        routine->op(IT_BCF, INTCON_F, RBIF_BIT, ACCESS).op(IT_RETFIE, c.retfie_fast);
    }
    auto s = run(v.p);
    ASSERT_EQ(s->stop, SIM_SLEEP) << c.name;
    EXPECT_EQ(s->data[0x20], c.w) << c.name;
    EXPECT_EQ(s->data[0x21], c.status) << c.name;
    EXPECT_EQ(s->data[0x22], c.bsr) << c.name;
}

const shadow_entry_case shadow_entry_cases[] = {
    {"high, RETFIE 1", false, 1, 0x11, C | N, 0x03},
    {"high, RETFIE 0", false, 0, 0x99, Z, 0x05},
    {"low, RETFIE 1 restores the power-on shadows", true, 1, 0x00, 0x00, 0x00},
    {"low, RETFIE 0", true, 0, 0x99, Z, 0x05},
};
INSTANTIATE_TEST_SUITE_P(Interrupts, ShadowEntry, ::testing::ValuesIn(shadow_entry_cases));

TEST(Interrupts, LowPriorityEntryKeepsTheShadowsOfAFastCall)
{
    vectored v;
    v.p.set(SFR_RCON, RCON_IPEN).set(SFR_INTCON, GIEH | GIEL | INTCON_RBIE);
    v.p.op(IT_MOVLB, 0x03).op(IT_MOVLW, 0x11).call(0x80, 1);
    v.p.movff(SFR_WREG, 0x20).movff(SFR_BSR, 0x21).sleep();
    v.p.pad_to(0x80);
    v.p.op(IT_MOVLB, 0x04).op(IT_MOVLW, 0x44).op(IT_BSF, INTCON_F, RBIF_BIT, ACCESS);
    v.p.op(IT_RETURN, 1);
    v.low().op(IT_MOVLB, 0x05).op(IT_MOVLW, 0x99);
    v.p.op(IT_BCF, INTCON_F, RBIF_BIT, ACCESS).op(IT_RETFIE, 0);
    auto s = run(v.p);
    ASSERT_EQ(s->stop, SIM_SLEEP);
    EXPECT_EQ(s->interrupts, 1u);
    EXPECT_EQ(s->data[0x20], 0x11);
    EXPECT_EQ(s->data[0x21], 0x03);
}

TEST(Interrupts, EntryWithAFullStackStops)
{
    vectored v;
    v.p.set(SFR_STKPTR, RETURN_STACK_DEPTH).set(SFR_INTCON, GIE | INT0).sleep();
    auto s = run(v.p);
    EXPECT_EQ(s->stop, SIM_STACK_OVERFLOW);
    EXPECT_EQ(s->stop_pc, MAIN + 8);
    EXPECT_EQ(s->interrupts, 0u);
}

} // namespace
