#include "codegen/inst.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "codegen_support.h"
#include "target/instset.h"

namespace {

constexpr int32_t ACCESS = -1000; // stands for the access bit the symbol calls for
constexpr int32_t SYM = -2000;    // stands for the file-register symbol of the case

struct operand_expectation {
    operand_kind type;
    int32_t value; // a literal, ACCESS, or SYM
    int32_t offset;
    uint16_t reloc;
};

constexpr operand_expectation sym(int32_t offset, uint16_t reloc) { return {SYMBOL_OP, SYM, offset, reloc}; }
constexpr operand_expectation lit(int32_t value) { return {LITERAL_OP, value, 0, 0}; }
constexpr operand_expectation access() { return {LITERAL_OP, ACCESS, 0, 0}; }

struct builder_case {
    const char *name;
    std::function<inst *(symbol *)> build;
    unsigned opcode;
    std::vector<operand_expectation> operands;
    // The program word with the literal operands stored, for a near and a
    // far symbol; symbolic fields stay 0 for the linker.
    uint16_t near_word;
    uint16_t far_word;
};

class InstBuilders : public CodegenTest {
protected:
    void check(const builder_case &c, symbol *s, bool near)
    {
        SCOPED_TRACE(std::string(c.name) + (near ? " near" : " far"));
        inst *i = c.build(s);
        EXPECT_EQ(i->opcode, c.opcode);
        EXPECT_EQ(i->is_inline, 0u);
        uint16_t word = 0;
        setInstType(&word, i->opcode, _VxCORE);
        for (unsigned k = 0; k < INST_OPERANDS; ++k) {
            const inst_operand &op = i->operand[k];
            if (k >= c.operands.size()) {
                EXPECT_EQ(op.type, NO_OP) << "operand " << k;
                continue;
            }
            const operand_expectation &e = c.operands[k];
            ASSERT_EQ(op.type, e.type) << "operand " << k;
            if (e.type == SYMBOL_OP) {
                EXPECT_EQ(op.value.sym, s);
                EXPECT_EQ(op.offset, e.offset);
                EXPECT_EQ(op.reloc, e.reloc);
                continue;
            }
            int32_t expected = e.value == ACCESS ? (near ? 0 : 1) : e.value;
            EXPECT_EQ(op.value.literal, expected) << "operand " << k;
            unsigned value = static_cast<unsigned>(op.value.literal);
            if (k == 0)
                setOperandOne(&word, value, _VxCORE);
            else if (k == 1)
                setOperandTwo(&word, value, _VxCORE);
            else
                setOperandThree(&word, value, _VxCORE);
        }
        EXPECT_EQ(word, near ? c.near_word : c.far_word);
        EXPECT_EQ(getInstType(word, _VxCORE), c.opcode);
        free(i);
    }
};

TEST_F(InstBuilders, EveryBuilderFillsItsOperandsAndEncodes)
{
    using S = symbol *;
    const std::vector<builder_case> cases = {
        {"opWF addwf", [](S s) { return iVx_opWF(IT_ADDWF, s, 3, 1); }, IT_ADDWF, {sym(3, 10), lit(1), access()}, 0x2600, 0x2700},
        {"opWF movf", [](S s) { return iVx_opWF(IT_MOVF, s, 0, 0); }, IT_MOVF, {sym(0, 10), lit(0), access()}, 0x5000, 0x5100},
        {"opLW", [](S) { return iVx_opLW(IT_IORLW, 0x3C); }, IT_IORLW, {lit(0x3C)}, 0x093C, 0x093C},
        {"MOVWF", [](S s) { return iVx_MOVWF(s, 1); }, IT_MOVWF, {sym(1, 10), access()}, 0x6E00, 0x6F00},
        {"MULWF", [](S s) { return iVx_MULWF(s, 0); }, IT_MULWF, {sym(0, 10), access()}, 0x0200, 0x0300},
        {"TSTFSZ", [](S s) { return iVx_TSTFSZ(s, 0); }, IT_TSTFSZ, {sym(0, 10), access()}, 0x6600, 0x6700},
        {"CPFSLT", [](S s) { return iVx_CPFSLT(s, 0); }, IT_CPFSLT, {sym(0, 10), access()}, 0x6000, 0x6100},
        {"CPFSGT", [](S s) { return iVx_CPFSGT(s, 0); }, IT_CPFSGT, {sym(0, 10), access()}, 0x6400, 0x6500},
        {"CPFSEQ", [](S s) { return iVx_CPFSEQ(s, 0); }, IT_CPFSEQ, {sym(0, 10), access()}, 0x6200, 0x6300},
        {"SETF", [](S s) { return iVx_SETF(s, 2); }, IT_SETF, {sym(2, 4), access()}, 0x6800, 0x6900},
        {"CLRF", [](S s) { return iVx_CLRF(s, 0); }, IT_CLRF, {sym(0, 4), access()}, 0x6A00, 0x6B00},
        {"NEGF", [](S s) { return iVx_NEGF(s, 0); }, IT_NEGF, {sym(0, 4), access()}, 0x6C00, 0x6D00},
        {"BCF", [](S s) { return iVx_BCF(s, 0, 5); }, IT_BCF, {sym(0, 4), lit(5), access()}, 0x9A00, 0x9B00},
        {"BSF", [](S s) { return iVx_BSF(s, 1, 3); }, IT_BSF, {sym(1, 4), lit(3), access()}, 0x8600, 0x8700},
        {"BTG", [](S s) { return iVx_BTG(s, 0, 0); }, IT_BTG, {sym(0, 4), lit(0), access()}, 0x7000, 0x7100},
        {"BTFSC", [](S s) { return iVx_BTFSC(s, 0, 7); }, IT_BTFSC, {sym(0, 10), lit(7), access()}, 0xBE00, 0xBF00},
        {"BTFSS", [](S s) { return iVx_BTFSS(s, 0, 1); }, IT_BTFSS, {sym(0, 10), lit(1), access()}, 0xA200, 0xA300},
        {"MOVFF", [](S s) { return iVx_MOVFF(s, 1); }, IT_MOVFF, {sym(1, 15)}, 0xC000, 0xC000},
        {"MOVFF2", [](S s) { return iVx_MOVFF2(nullptr, 9, s, 2); }, IT_WORD2, {sym(2, 16)}, 0xF000, 0xF000},
        {"LFSR", [](S s) { return iVx_LFSR(s, 4, 2); }, IT_LFSR, {lit(2), sym(4, 17)}, 0xEE20, 0xEE20},
        {"LFSR2", [](S s) { return iVx_LFSR2(s, 4); }, IT_WORD2, {sym(4, 18)}, 0xF000, 0xF000},
        {"GOTO", [](S s) { return iVx_GOTO(s, 0); }, IT_GOTO, {sym(0, 2)}, 0xEF00, 0xEF00},
        {"GOTO2", [](S s) { return iVx_GOTO2(s, 0); }, IT_WORD2, {sym(0, 14)}, 0xF000, 0xF000},
        {"CALL", [](S s) { return iVx_CALL(s, 0, 1); }, IT_CALL, {sym(0, 1), lit(1)}, 0xED00, 0xED00},
        {"CALL2", [](S s) { return iVx_CALL2(s, 6); }, IT_WORD2, {sym(6, 14)}, 0xF000, 0xF000},
        {"RCALLliteral", [](S) { return iVx_RCALLliteral(0x7FF); }, IT_RCALL, {lit(0x7FF)}, 0xDFFF, 0xDFFF},
        {"BRA", [](S) { return iVx_BRA(-2); }, IT_BRA, {lit(-2)}, 0xD7FE, 0xD7FE},
        {"BZ", [](S) { return iVx_BZ(1); }, IT_BZ, {lit(1)}, 0xE001, 0xE001},
        {"BNZ", [](S) { return iVx_BNZ(2); }, IT_BNZ, {lit(2)}, 0xE102, 0xE102},
        {"BC", [](S) { return iVx_BC(3); }, IT_BC, {lit(3)}, 0xE203, 0xE203},
        {"BNC", [](S) { return iVx_BNC(4); }, IT_BNC, {lit(4)}, 0xE304, 0xE304},
        {"BOV", [](S) { return iVx_BOV(5); }, IT_BOV, {lit(5)}, 0xE405, 0xE405},
        {"BNOV", [](S) { return iVx_BNOV(6); }, IT_BNOV, {lit(6)}, 0xE506, 0xE506},
        {"BN", [](S) { return iVx_BN(-1); }, IT_BN, {lit(-1)}, 0xE6FF, 0xE6FF},
        {"BNN", [](S) { return iVx_BNN(8); }, IT_BNN, {lit(8)}, 0xE708, 0xE708},
        {"RETURN", [](S) { return iVx_RETURN(1); }, IT_RETURN, {lit(1)}, 0x0013, 0x0013},
        {"RETFIE", [](S) { return iVx_RETFIE(0); }, IT_RETFIE, {lit(0)}, 0x0010, 0x0010},
        {"MOVLW", [](S) { return iVx_MOVLW(0x5A); }, IT_MOVLW, {lit(0x5A)}, 0x0E5A, 0x0E5A},
        {"ADDLW", [](S) { return iVx_ADDLW(1); }, IT_ADDLW, {lit(1)}, 0x0F01, 0x0F01},
        {"SUBLW", [](S) { return iVx_SUBLW(2); }, IT_SUBLW, {lit(2)}, 0x0802, 0x0802},
        {"ANDLW", [](S) { return iVx_ANDLW(0xF0); }, IT_ANDLW, {lit(0xF0)}, 0x0BF0, 0x0BF0},
        {"IORLW", [](S) { return iVx_IORLW(4); }, IT_IORLW, {lit(4)}, 0x0904, 0x0904},
        {"XORLW", [](S) { return iVx_XORLW(0xFF); }, IT_XORLW, {lit(0xFF)}, 0x0AFF, 0x0AFF},
        {"MULLW", [](S) { return iVx_MULLW(10); }, IT_MULLW, {lit(10)}, 0x0D0A, 0x0D0A},
        {"RETLW", [](S) { return iVx_RETLW(0x42); }, IT_RETLW, {lit(0x42)}, 0x0C42, 0x0C42},
        {"MOVLB", [](S) { return iVx_MOVLB(3); }, IT_MOVLB, {lit(3)}, 0x0103, 0x0103},
        {"LADDRL", [](S s) { return iVx_LADDRL(s, 1); }, IT_MOVLW, {sym(1, 4)}, 0x0E00, 0x0E00},
        {"LADDRH", [](S s) { return iVx_LADDRH(s, 1); }, IT_MOVLW, {sym(1, 3)}, 0x0E00, 0x0E00},
        {"LADDRU", [](S s) { return iVx_LADDRU(s, 1); }, IT_MOVLW, {sym(1, 21)}, 0x0E00, 0x0E00},
        {"ADDLWADDRL", [](S s) { return iVx_ADDLWADDRL(s, 0); }, IT_ADDLW, {sym(0, 4)}, 0x0F00, 0x0F00},
        {"ANDLWADDRL", [](S s) { return iVx_ANDLWADDRL(s, 0); }, IT_ANDLW, {sym(0, 4)}, 0x0B00, 0x0B00},
        {"IORLWADDRL", [](S s) { return iVx_IORLWADDRL(s, 0); }, IT_IORLW, {sym(0, 4)}, 0x0900, 0x0900},
        {"XORLWADDRL", [](S s) { return iVx_XORLWADDRL(s, 0); }, IT_XORLW, {sym(0, 4)}, 0x0A00, 0x0A00},
        {"SUBADDRL", [](S s) { return iVx_SUBADDRL(s, 0); }, IT_SUBLW, {sym(0, 4)}, 0x0800, 0x0800},
        {"ADDLWADDRH", [](S s) { return iVx_ADDLWADDRH(s, 0); }, IT_ADDLW, {sym(0, 3)}, 0x0F00, 0x0F00},
        {"ADDLWADDRU", [](S s) { return iVx_ADDLWADDRU(s, 0); }, IT_ADDLW, {sym(0, 21)}, 0x0F00, 0x0F00},
        {"BANKSEL", [](S s) { return iVx_BANKSEL(s, 5); }, IT_MOVLB, {sym(5, 3)}, 0x0100, 0x0100},
        {"TBLRD", [](S) { return iVx_TBLRD(); }, IT_TBLRD, {}, 0x0008, 0x0008},
        {"TBLRDPOSTINC", [](S) { return iVx_TBLRDPOSTINC(); }, IT_TBLRDPOSTINC, {}, 0x0009, 0x0009},
        {"TBLRDPOSTDEC", [](S) { return iVx_TBLRDPOSTDEC(); }, IT_TBLRDPOSTDEC, {}, 0x000A, 0x000A},
        {"TBLRDPREINC", [](S) { return iVx_TBLRDPREINC(); }, IT_TBLRDPREINC, {}, 0x000B, 0x000B},
        {"TBLWT", [](S) { return iVx_TBLWT(); }, IT_TBLWT, {}, 0x000C, 0x000C},
        {"TBLWTPOSTINC", [](S) { return iVx_TBLWTPOSTINC(); }, IT_TBLWTPOSTINC, {}, 0x000D, 0x000D},
        {"TBLWTPOSTDEC", [](S) { return iVx_TBLWTPOSTDEC(); }, IT_TBLWTPOSTDEC, {}, 0x000E, 0x000E},
        {"TBLWTPREINC", [](S) { return iVx_TBLWTPREINC(); }, IT_TBLWTPREINC, {}, 0x000F, 0x000F},
        {"NOP", [](S) { return iVx_NOP(); }, IT_NOP, {}, 0x0000, 0x0000},
    };
    symbol *near_var = variable("n", RANGE_NEAR);
    symbol *far_var = variable("f", RANGE_FAR);
    for (const builder_case &c : cases) {
        check(c, near_var, true);
        check(c, far_var, false);
    }
}

TEST_F(InstBuilders, SectionBuildersTakeTheSectionSymbol)
{
    symbol *scn = variable(".tmpdata", RANGE_NEAR);
    const struct {
        inst *(*build)(symbol *, int32_t);
        unsigned opcode;
        uint16_t reloc;
    } cases[] = {
        {iVx_LSCNENDL, IT_MOVLW, 28},   {iVx_LSCNENDH, IT_MOVLW, 29},   {iVx_LSCNENDU, IT_MOVLW, 30},
        {iVx_LSCNSIZEL, IT_MOVLW, 25},  {iVx_LSCNSIZEH, IT_MOVLW, 26},  {iVx_LSCNSIZEU, IT_MOVLW, 27},
        {iVx_LFSRSCNEND2, IT_WORD2, 32},
    };
    for (const auto &c : cases) {
        inst *i = c.build(scn, 0);
        EXPECT_EQ(i->opcode, c.opcode);
        EXPECT_EQ(i->operand[0].type, SYMBOL_OP);
        EXPECT_EQ(i->operand[0].value.sym, scn);
        EXPECT_EQ(i->operand[0].reloc, c.reloc);
        EXPECT_EQ(i->operand[1].type, NO_OP);
        free(i);
    }
    inst *lfsr = iVx_LFSRSCNEND(scn, -1, 1);
    EXPECT_EQ(lfsr->opcode, IT_LFSR);
    EXPECT_EQ(lfsr->operand[0].type, LITERAL_OP);
    EXPECT_EQ(lfsr->operand[0].value.literal, 1);
    EXPECT_EQ(lfsr->operand[1].value.sym, scn);
    EXPECT_EQ(lfsr->operand[1].offset, -1);
    EXPECT_EQ(lfsr->operand[1].reloc, 31);
    free(lfsr);
}

using InstBuildersDeathTest = InstBuilders;

TEST_F(InstBuildersDeathTest, SectionBuildersRejectAnOrdinaryVariable)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    symbol *var = variable("counter", RANGE_FAR);
    inst *(*const builders[])(symbol *, int32_t) = {iVx_LSCNENDL,  iVx_LSCNENDH,  iVx_LSCNENDU,
                                                    iVx_LSCNSIZEL, iVx_LSCNSIZEH, iVx_LSCNSIZEU,
                                                    iVx_LFSRSCNEND2};
    for (auto build : builders)
        EXPECT_DEATH(build(var, 0), "Internal compiler error");
    EXPECT_DEATH(iVx_LFSRSCNEND(var, 0, 0), "Internal compiler error");
    EXPECT_DEATH(iVx_LSCNENDL(nullptr, 0), "Internal compiler error");
}

TEST_F(InstBuilders, AccessBitComesFromTheNearRange)
{
    EXPECT_EQ(inst_access_bit(variable("a", RANGE_NEAR)), 0);
    EXPECT_EQ(inst_access_bit(variable("b", RANGE_FAR)), 1);
    EXPECT_EQ(inst_access_bit(nullptr), 1);
}

TEST_F(InstBuilders, PrintFormats)
{
    symbol *x = variable("x", RANGE_FAR);
    symbol *y = variable("y", RANGE_FAR);
    symbol *n = variable("n", RANGE_NEAR);
    symbol *f = function("f");
    auto literal_call = [] {
        inst *i = inst_create();
        i->opcode = IT_CALL;
        i->operand[0].type = LITERAL_OP;
        i->operand[0].value.literal = 0x100;
        return i;
    };
    auto literal_goto = [] {
        inst *i = iVx_opLW(IT_GOTO, 0x80);
        return i;
    };
    const struct {
        std::function<inst *()> build;
        const char *text;
    } cases[] = {
        {[&] { return iVx_LADDRH(x, 2); }, "movlw high( x + 2 )"},
        {[&] { return iVx_LADDRU(x, 0); }, "movlw upper( x )"},
        {[&] { return iVx_LADDRL(x, 0); }, "movlw x"},
        {[&] { return iVx_ADDLWADDRH(x, -1); }, "addlw high( x + -1 )"},
        {[&] { return iVx_opWF(IT_ADDWF, y, 0, 1); }, "addwf y, 1, 1"},
        {[&] { return iVx_opWF(IT_SUBWF, n, 3, 0); }, "subwf n + 3, 0, 0"},
        {[&] { return iVx_BSF(n, 0, 7); }, "bsf n, 7, 0"},
        {literal_call, "call 512"},
        {literal_goto, "goto 256"},
        {[&] { return iVx_CALL(f, 0, 1); }, "call f, 1"},
        {[&] { return iVx_CALL2(f, 0); }, "word2 f"},
        {[&] { return iVx_LFSR(x, 0, 2); }, "lfsr 2, x"},
        {[&] { return iVx_MOVFF2(x, 0, y, 1); }, "word2 y + 1"},
        {[&] { return iVx_MOVLW(-3); }, "movlw -3"},
        {[&] { return iVx_BRA(-12); }, "bra -12"},
        {[&] { return iVx_RETURN(0); }, "return 0"},
        {[&] { return iVx_TBLRDPOSTINC(); }, "tblrdpostinc"},
        {[&] { return iVx_NOP(); }, "nop"},
        {[&] { return iVx_MOVWF(nullptr, 0); }, "movwf (--null--), 1"},
        {[&] { return iVx_LFSR(nullptr, 4, 0); }, "lfsr 0, (--null--) + 4"},
    };
    for (const auto &c : cases) {
        inst *i = c.build();
        EXPECT_STREQ(inst_print(i), c.text);
        free(i);
    }
}

TEST_F(InstBuilders, PrintHoldsLongNames)
{
    std::string name(600, 'v');
    symbol *v = variable(name.c_str(), RANGE_FAR);
    inst *i = iVx_LADDRH(v, 70000);
    EXPECT_EQ(std::string(inst_print(i)), "movlw high( " + name + " + 70000 )");
    free(i);
}

TEST_F(InstBuilders, CopySharesSymbolsButNotTheRecord)
{
    symbol *v = variable("v", RANGE_NEAR);
    inst *original = iVx_BTFSS(v, 2, 6);
    original->is_inline = 1;
    inst *copy = inst_copy(original);
    ASSERT_NE(copy, original);
    EXPECT_EQ(copy->opcode, IT_BTFSS);
    EXPECT_EQ(copy->is_inline, 1u);
    for (unsigned k = 0; k < INST_OPERANDS; ++k) {
        EXPECT_EQ(copy->operand[k].type, original->operand[k].type);
        EXPECT_EQ(copy->operand[k].offset, original->operand[k].offset);
        EXPECT_EQ(copy->operand[k].reloc, original->operand[k].reloc);
    }
    EXPECT_EQ(copy->operand[0].value.sym, v);
    copy->operand[1].value.literal = 0;
    EXPECT_EQ(original->operand[1].value.literal, 6);
    free(copy);
    free(original);
}

} // namespace
