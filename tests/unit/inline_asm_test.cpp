#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "codegen/obj.h"
#include "codegen/regsyms.h"
#include "codegen_support.h"
#include "frontend/asmrec.h"
#include "support/position.h"
#include "target/instset.h"

namespace {

struct operand_text {
    const char *symbol; // null for a literal
    int32_t value;
};

class InlineAssembly : public CodegenTest {
protected:
    void TearDown() override
    {
        asm_list_free(items);
        items = nullptr;
        objFree(code);
        code = nullptr;
        gen_register_symbols_clear();
        CodegenTest::TearDown();
    }

    void instruction(const char *mnemonic, std::initializer_list<operand_text> operands, int32_t line = 10)
    {
        asm_operand *first = nullptr, **tail = &first;
        for (const operand_text &o : operands) {
            auto *op = static_cast<asm_operand *>(calloc(1, sizeof(asm_operand)));
            op->symbol = o.symbol ? strdup(o.symbol) : nullptr;
            op->offset = o.value;
            *tail = op;
            tail = &op->next;
        }
        add(asmInstruction(strdup(mnemonic), first, line, strdup("block.c")));
    }

    void label(const char *name) { add(asmLabel(strdup(name))); }

    // Translates the block and returns the diagnostics it posted.
    std::vector<std::string> translate()
    {
        return diagnostics([&] { code = objInlineAssembly(items); });
    }

    std::vector<ocode *> records() const
    {
        std::vector<ocode *> all;
        for (ocode *oc = code; oc; oc = oc->next)
            all.push_back(oc);
        return all;
    }

    static const inst *ins(const ocode *oc)
    {
        EXPECT_EQ(oc->type, OC_INST);
        return oc->data.inst.ins;
    }

    // The program word of a record, encoded as the emitter does: literal
    // operands into their fields, symbolic ones left for the linker.
    static uint16_t word(const ocode *oc)
    {
        const inst *i = ins(oc);
        uint16_t w = 0;
        setInstType(&w, i->opcode, _VxCORE);
        void (*const setters[])(uint16_t *, unsigned, int) = {setOperandOne, setOperandTwo, setOperandThree};
        for (unsigned k = 0; k < 3; ++k)
            if (i->operand[k].type == LITERAL_OP)
                setters[k](&w, static_cast<unsigned>(i->operand[k].value.literal), _VxCORE);
        return w;
    }

    static void expect_symbol(const inst_operand &op, const symbol *sym, int32_t offset, uint16_t reloc)
    {
        EXPECT_EQ(op.type, SYMBOL_OP);
        EXPECT_EQ(op.value.sym, sym);
        EXPECT_EQ(op.offset, offset);
        EXPECT_EQ(op.reloc, reloc);
    }

    asm_statement *items = nullptr;
    ocode *code = nullptr;

private:
    void add(asm_statement *statement)
    {
        asm_statement **tail = &items;
        while (*tail)
            tail = &(*tail)->next;
        *tail = statement;
    }
};

TEST_F(InlineAssembly, MovffWithTwoSymbolsCarriesTheDestinationInItsSecondWord)
{
    symbol *a = variable("a", RANGE_FAR);
    symbol *b = variable("b", RANGE_NEAR);
    instruction("movff", {{"a", 1}, {"b", 0}});
    EXPECT_TRUE(translate().empty());
    auto all = records();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(ins(all[0])->opcode, IT_MOVFF);
    expect_symbol(ins(all[0])->operand[0], a, 1, 15);
    EXPECT_EQ(ins(all[0])->operand[1].reloc, NO_RELOC);
    EXPECT_EQ(ins(all[1])->opcode, IT_WORD2);
    expect_symbol(ins(all[1])->operand[0], b, 0, 16);
    EXPECT_EQ(ins(all[1])->operand[1].type, NO_OP);
    EXPECT_EQ(ins(all[0])->is_inline, 1u);
    EXPECT_EQ(ins(all[1])->is_inline, 1u);
    EXPECT_EQ(all[0]->line, 10);
    EXPECT_STREQ(all[1]->file, "block.c");
    EXPECT_EQ(all[0]->next, all[1]);
    EXPECT_EQ(all[1]->prev, all[0]);
}

TEST_F(InlineAssembly, LiteralsOfTwoWordInstructionsAreSplit)
{
    const struct {
        const char *mnemonic;
        std::vector<operand_text> operands;
        unsigned opcode;
        uint16_t first, second;
    } cases[] = {
        {"lfsr", {{nullptr, 2}, {nullptr, 0x123}}, IT_LFSR, 0xEE21, 0xF023},
        {"LFSR", {{nullptr, 0}, {nullptr, 0xFFF}}, IT_LFSR, 0xEE0F, 0xF0FF},
        {"goto", {{nullptr, 0x1234}}, IT_GOTO, 0xEF1A, 0xF009},
        {"goto", {{nullptr, 0x1FFFFE}}, IT_GOTO, 0xEFFF, 0xFFFF},
        {"call", {{nullptr, 0x2000}, {nullptr, 1}}, IT_CALL, 0xED00, 0xF010},
        {"call", {{nullptr, 0x0200}, {nullptr, 0}}, IT_CALL, 0xEC00, 0xF001},
        {"movff", {{nullptr, 0x0F80}, {nullptr, 0x0123}}, IT_MOVFF, 0xCF80, 0xF123},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.mnemonic);
        asm_list_free(items);
        items = nullptr;
        objFree(code);
        code = nullptr;
        auto *ops = static_cast<asm_operand *>(nullptr);
        asm_operand **tail = &ops;
        for (const operand_text &o : c.operands) {
            auto *op = static_cast<asm_operand *>(calloc(1, sizeof(asm_operand)));
            op->offset = o.value;
            *tail = op;
            tail = &op->next;
        }
        items = asmInstruction(strdup(c.mnemonic), ops, 3, strdup("s.c"));
        EXPECT_TRUE(translate().empty());
        auto all = records();
        ASSERT_EQ(all.size(), 2u);
        EXPECT_EQ(ins(all[0])->opcode, c.opcode);
        EXPECT_EQ(ins(all[1])->opcode, IT_WORD2);
        EXPECT_EQ(word(all[0]), c.first);
        EXPECT_EQ(word(all[1]), c.second);
        EXPECT_EQ(getInstType(word(all[0]), _VxCORE), c.opcode);
    }
}

TEST_F(InlineAssembly, LfsrKeepsItsLiteralsInOperandOrder)
{
    instruction("lfsr", {{nullptr, 2}, {nullptr, 0x123}});
    translate();
    auto all = records();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(ins(all[0])->operand[0].value.literal, 2);
    EXPECT_EQ(ins(all[0])->operand[1].value.literal, 1);
    EXPECT_EQ(ins(all[1])->operand[0].type, LITERAL_OP);
    EXPECT_EQ(ins(all[1])->operand[0].value.literal, 0x23);
}

TEST_F(InlineAssembly, SymbolicOperandsTakeTheRelocationOfTheirPosition)
{
    symbol *buf = variable("buf", RANGE_FAR);
    symbol *x = variable("x", RANGE_NEAR);
    symbol *f = function("handler");
    instruction("lfsr", {{nullptr, 1}, {"buf", 2}});
    instruction("call", {{"handler", 0}, {nullptr, 1}});
    instruction("goto", {{"handler", 4}});
    instruction("movwf", {{"x", 0}, {nullptr, 0}});
    instruction("ADDWF", {{"x", 1}, {nullptr, 1}, {nullptr, 0}});
    instruction("movlb", {{"x", 0}});
    instruction("bra", {{"handler", 0}});
    EXPECT_TRUE(translate().empty());
    auto all = records();
    ASSERT_EQ(all.size(), 10u);
    EXPECT_EQ(ins(all[0])->operand[0].value.literal, 1);
    expect_symbol(ins(all[0])->operand[1], buf, 2, 17);
    expect_symbol(ins(all[1])->operand[0], buf, 2, 18);
    expect_symbol(ins(all[2])->operand[0], f, 0, 1);
    EXPECT_EQ(ins(all[2])->operand[1].value.literal, 1);
    expect_symbol(ins(all[3])->operand[0], f, 0, 14);
    expect_symbol(ins(all[4])->operand[0], f, 4, 2);
    expect_symbol(ins(all[5])->operand[0], f, 4, 14);
    expect_symbol(ins(all[6])->operand[0], x, 0, 10);
    EXPECT_EQ(ins(all[6])->operand[1].value.literal, 0);
    expect_symbol(ins(all[7])->operand[0], x, 1, 10);
    EXPECT_EQ(word(all[7]), 0x2600);
    expect_symbol(ins(all[8])->operand[0], x, 0, 13);
    expect_symbol(ins(all[9])->operand[0], f, 0, 19);
    for (ocode *oc : all)
        EXPECT_EQ(ins(oc)->is_inline, 1u);
}

TEST_F(InlineAssembly, OperandThatMustBeALiteralBecomesZero)
{
    variable("x", RANGE_FAR);
    instruction("return", {{"x", 0}}, 21);
    instruction("bcf", {{"x", 0}, {"x", 0}, {nullptr, 1}}, 22);
    instruction("lfsr", {{"x", 0}, {nullptr, 5}}, 23);
    auto posted = translate();
    EXPECT_EQ(posted, (std::vector<std::string>{"[1250] 'return' operand one must be a literal",
                                                "[1250] 'bcf' operand two must be a literal",
                                                "[1250] 'lfsr' operand one must be a literal"}));
    auto all = records();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(ins(all[0])->operand[0].type, LITERAL_OP);
    EXPECT_EQ(ins(all[0])->operand[0].value.literal, 0);
    EXPECT_EQ(ins(all[1])->operand[1].type, LITERAL_OP);
    EXPECT_EQ(ins(all[1])->operand[1].value.literal, 0);
    EXPECT_EQ(ins(all[2])->operand[0].value.literal, 0);
    EXPECT_EQ(ins(all[3])->operand[0].value.literal, 5);
    EXPECT_EQ(yylineno, 23);
}

TEST_F(InlineAssembly, OperandCountMismatchDropsTheInstruction)
{
    variable("x", RANGE_FAR);
    instruction("addwf", {{"x", 0}, {nullptr, 1}});
    instruction("nop", {{nullptr, 1}});
    instruction("movff", {{"x", 0}});
    instruction("return", {});
    instruction("clrf", {{"x", 0}, {nullptr, 1}});
    auto posted = translate();
    EXPECT_EQ(posted, (std::vector<std::string>{"[1251] 'addwf' operand count mismatch",
                                                "[1251] 'nop' operand count mismatch",
                                                "[1251] 'movff' operand count mismatch",
                                                "[1251] 'return' operand count mismatch"}));
    auto all = records();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(ins(all[0])->opcode, IT_CLRF);
}

TEST_F(InlineAssembly, UnknownOrExtendedMnemonicIsDropped)
{
    instruction("frobnicate", {});
    instruction("pushl", {{nullptr, 1}});
    instruction("banksel", {{nullptr, 1}});
    instruction("sleep", {});
    auto posted = translate();
    EXPECT_EQ(posted, (std::vector<std::string>{"[1252] invalid opcode 'frobnicate' detected for processor '61C5506'",
                                                "[1252] invalid opcode 'pushl' detected for processor '61C5506'",
                                                "[1252] invalid opcode 'banksel' detected for processor '61C5506'"}));
    auto all = records();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(ins(all[0])->opcode, IT_SLEEP);
    EXPECT_EQ(word(all[0]), 0x0003);
}

TEST_F(InlineAssembly, LabelsOfTheBlockAreTheirBranchTargets)
{
    instruction("bra", {{"done", 0}}, 30);
    label("loop");
    instruction("decfsz", {{"count", 0}, {nullptr, 1}, {nullptr, 0}}, 32);
    instruction("bra", {{"loop", 0}}, 33);
    label("done");
    variable("count", RANGE_NEAR);
    EXPECT_TRUE(translate().empty());
    auto all = records();
    ASSERT_EQ(all.size(), 5u);
    ASSERT_EQ(all[1]->type, OC_LABEL);
    ASSERT_EQ(all[4]->type, OC_LABEL);
    symbol *loop = all[1]->data.label.label;
    symbol *done = all[4]->data.label.label;
    ASSERT_NE(loop, nullptr);
    ASSERT_NE(done, nullptr);
    EXPECT_STREQ(loop->name, "loop");
    EXPECT_EQ(loop->kind, LABEL);
    EXPECT_EQ(ins(all[0])->operand[0].value.sym, done);
    EXPECT_EQ(ins(all[3])->operand[0].value.sym, loop);
    EXPECT_EQ(ocode_label_record(loop), all[1]);
    // Labels carry the position of the instruction before them.
    EXPECT_EQ(all[1]->line, 30);
    EXPECT_EQ(all[4]->line, 33);
}

TEST_F(InlineAssembly, NamesResolveToRegistersAndEnumerationConstants)
{
    symbol *wreg = sym_new_record(VARIABLE, "WREG");
    gen_register_symbol_enter(wreg);
    symbol *red = sym_create_symbol("RED", type_copy(int_type), LINK_NONE, SC_NONE);
    red->is_enum_constant = true;
    red->enum_value = {CT_INT, 5};
    sym_declare_symbol(red, true, 1, "");
    instruction("movf", {{"WREG", 0}, {nullptr, 0}, {nullptr, 0}});
    instruction("movlw", {{"RED", 2}});
    instruction("movwf", {{"nowhere", 0}, {nullptr, 0}}, 44);
    auto posted = translate();
    EXPECT_EQ(posted, (std::vector<std::string>{"[1105] symbol 'nowhere' has not been defined"}));
    auto all = records();
    ASSERT_EQ(all.size(), 3u);
    expect_symbol(ins(all[0])->operand[0], wreg, 0, 10);
    EXPECT_EQ(ins(all[1])->operand[0].type, LITERAL_OP);
    EXPECT_EQ(ins(all[1])->operand[0].value.literal, 7);
    EXPECT_EQ(ins(all[2])->operand[0].type, LITERAL_OP);
    EXPECT_EQ(ins(all[2])->operand[0].value.literal, 0);
}

TEST_F(InlineAssembly, DiagnosticsNameTheItemsPosition)
{
    label("start");
    instruction("nop", {{nullptr, 0}}, 57);
    ::testing::internal::CaptureStdout();
    code = objInlineAssembly(items);
    std::string text = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(text.find("block.c:57:Error [1251] 'nop' operand count mismatch\n"), std::string::npos) << text;
    EXPECT_EQ(yylineno, 57);
}

} // namespace
