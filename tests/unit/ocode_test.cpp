#include "codegen/ocode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "codegen/obj.h"
#include "codegen_support.h"
#include "target/instset.h"

namespace {

// Stands for one of the optimizer's blocks, of which output code reads
// only the leading number.
struct test_block {
    basic_block_header header;
    basic_block *as_block() { return reinterpret_cast<basic_block *>(this); }
};

class Ocode : public CodegenTest {
protected:
    void TearDown() override
    {
        for (ocode *oc : made)
            ocodeFree(oc);
        made.clear();
        CodegenTest::TearDown();
    }

    ocode *keep(ocode *oc)
    {
        made.push_back(oc);
        return oc;
    }

    // The text that printOcode writes, and its result.
    std::string print(const ocode *oc, int newline, int *result = nullptr)
    {
        ::testing::internal::CaptureStdout();
        int r = printOcode(oc, newline);
        if (result)
            *result = r;
        return ::testing::internal::GetCapturedStdout();
    }

    // Links the records into one list in the order given.
    static ocode *chain(const std::vector<ocode *> &records)
    {
        ocode *list = nullptr;
        for (ocode *oc : records)
            list = objAppend(list, oc);
        return list;
    }

    std::vector<ocode *> made;
};

TEST_F(Ocode, ConstructorsSetKindTargetAndPosition)
{
    symbol *t = function("target");
    symbol *fr = variable("flags", RANGE_NEAR);
    test_block block{{7}};
    ocode *label = keep(ocodeLabel(nullptr, 1, "l.c"));
    const struct {
        std::function<ocode *()> build;
        ocode_kind kind;
        int branch_target; // -1 for records that are not branches
    } cases[] = {
        {[] { return ocodeNop(11, "a.c"); }, OC_NOP, -1},
        {[] { return ocodePushTemps(11, "a.c"); }, OC_PUSH_TEMPS, -1},
        {[] { return ocodePopTemps(11, "a.c"); }, OC_POP_TEMPS, -1},
        {[&] { return ocodeFunction(t, 11, "a.c"); }, OC_FUNCTION, -1},
        {[] { return ocodeBranchLiteral(3, 11, "a.c"); }, OC_BRANCH, LITERAL_BRANCH},
        {[&] { return ocodeBranchSymbol(t, 11, "a.c"); }, OC_BRANCH, SYMBOL_BRANCH},
        {[&] { return ocodeBranchBlock(block.as_block(), 11, "a.c"); }, OC_BRANCH, BLOCK_BRANCH},
        {[&] { return ocodeBLabel(OC_BNOV, label, 11, "a.c"); }, OC_BNOV, LABEL_BRANCH},
        {[] { return ocodeBZLiteral(3, 11, "a.c"); }, OC_BZ, LITERAL_BRANCH},
        {[&] { return ocodeBZSymbol(t, 11, "a.c"); }, OC_BZ, SYMBOL_BRANCH},
        {[] { return ocodeBNZLiteral(3, 11, "a.c"); }, OC_BNZ, LITERAL_BRANCH},
        {[&] { return ocodeBNZSymbol(t, 11, "a.c"); }, OC_BNZ, SYMBOL_BRANCH},
        {[] { return ocodeBCLiteral(3, 11, "a.c"); }, OC_BC, LITERAL_BRANCH},
        {[&] { return ocodeBCSymbol(t, 11, "a.c"); }, OC_BC, SYMBOL_BRANCH},
        {[] { return ocodeBNCLiteral(3, 11, "a.c"); }, OC_BNC, LITERAL_BRANCH},
        {[&] { return ocodeBNCSymbol(t, 11, "a.c"); }, OC_BNC, SYMBOL_BRANCH},
        {[] { return ocodeBVLiteral(3, 11, "a.c"); }, OC_BOV, LITERAL_BRANCH},
        {[] { return ocodeBNVLiteral(3, 11, "a.c"); }, OC_BNOV, LITERAL_BRANCH},
        {[] { return ocodeBNLiteral(3, 11, "a.c"); }, OC_BN, LITERAL_BRANCH},
        {[&] { return ocodeBNSymbol(t, 11, "a.c"); }, OC_BN, SYMBOL_BRANCH},
        {[] { return ocodeBNNLiteral(3, 11, "a.c"); }, OC_BNN, LITERAL_BRANCH},
        {[&] { return ocodeBTFBSLiteral(fr, 1, 0, 5, 3, 11, "a.c"); }, OC_BTFBS, LITERAL_BRANCH},
        {[&] { return ocodeBTFBSSymbol(fr, 1, 0, 5, t, 11, "a.c"); }, OC_BTFBS, SYMBOL_BRANCH},
        {[&] { return ocodeBTFBCLiteral(fr, 1, 0, 5, 3, 11, "a.c"); }, OC_BTFBC, LITERAL_BRANCH},
        {[&] { return ocodeBTFBCSymbol(fr, 1, 0, 5, t, 11, "a.c"); }, OC_BTFBC, SYMBOL_BRANCH},
    };
    for (const auto &c : cases) {
        ocode *oc = keep(c.build());
        SCOPED_TRACE(static_cast<int>(c.kind));
        EXPECT_EQ(oc->type, c.kind);
        EXPECT_EQ(oc->line, 11);
        EXPECT_STREQ(oc->file, "a.c");
        EXPECT_EQ(oc->is_function, 0);
        EXPECT_EQ(oc->number, 0);
        EXPECT_EQ(oc->rule, 0);
        EXPECT_EQ(oc->prev, nullptr);
        EXPECT_EQ(oc->next, nullptr);
        if (c.branch_target < 0)
            continue;
        const ocode_branch_data &b = oc->data.branch;
        EXPECT_EQ(b.type, static_cast<branch_target_kind>(c.branch_target));
        EXPECT_EQ(b.resolved, 0);
        switch (b.type) {
        case LITERAL_BRANCH: EXPECT_EQ(b.literal, 3); break;
        case SYMBOL_BRANCH: EXPECT_EQ(b.sym, t); break;
        case LABEL_BRANCH: EXPECT_EQ(b.label, label); break;
        case BLOCK_BRANCH: EXPECT_EQ(b.block, block.as_block()); break;
        }
        if (oc->type == OC_BTFBS || oc->type == OC_BTFBC) {
            EXPECT_EQ(b.freg, fr);
            EXPECT_EQ(b.freg_offset, 1);
            EXPECT_EQ(b.access, 0);
            EXPECT_EQ(b.bit, 5);
        }
    }
}

TEST_F(Ocode, FunctionAndLabelRecordsAreFoundFromTheirSymbols)
{
    symbol *fn = function("main");
    symbol *label = sym_temp_label(3, "a.c");
    ocode *begin = keep(ocodeBFunct(fn, 2, "a.c"));
    ocode *end = keep(ocodeEFunct(fn, 9, "a.c"));
    ocode *at = keep(ocodeLabel(label, 3, "a.c"));
    EXPECT_EQ(begin->type, OC_BFUNCT);
    EXPECT_EQ(end->type, OC_EFUNCT);
    EXPECT_EQ(begin->is_function, 1);
    EXPECT_EQ(end->is_function, 1);
    EXPECT_EQ(begin->data.function, fn);
    EXPECT_EQ(end->data.function, fn);
    EXPECT_EQ(at->data.label.label, label);
    EXPECT_EQ(at->data.label.used_in_relocation, 0);
    EXPECT_EQ(ocode_function_record(fn), begin);
    EXPECT_EQ(ocode_label_record(label), at);

    made.clear();
    ocodeFree(at);
    ocodeFree(begin);
    ocodeFree(end);
    EXPECT_EQ(ocode_label_record(label), nullptr);
    EXPECT_EQ(ocode_function_record(fn), nullptr);
}

TEST_F(Ocode, FileNamesOutliveTheirSource)
{
    char *name = strdup("/src/blink.c");
    ocode *oc = keep(ocodeNop(4, name));
    free(name);
    EXPECT_STREQ(oc->file, "/src/blink.c");
    EXPECT_EQ(keep(ocodeNop(5, "/src/blink.c"))->file, oc->file);
    EXPECT_EQ(keep(ocodeNop(5, nullptr))->file, nullptr);
}

TEST_F(Ocode, Predicates)
{
    symbol *v = variable("v", RANGE_FAR);
    enum { CALL = 1, RCALL = 2, RET = 4, SKIP = 8, UNCOND = 16, COND = 32, BRANCH = 64 };
    auto inst_of = [&](unsigned opcode) {
        inst *i = inst_create();
        i->opcode = opcode;
        return ocodeInst(i, 1, "");
    };
    const struct {
        std::function<ocode *()> build;
        unsigned expected;
    } cases[] = {
        {[&] { return inst_of(IT_CALL); }, CALL},
        {[&] { return inst_of(IT_RCALL); }, RCALL},
        {[&] { return inst_of(IT_RETURN); }, RET},
        {[&] { return inst_of(IT_RETFIE); }, RET},
        {[&] { return inst_of(IT_RETLW); }, RET},
        {[&] { return inst_of(IT_RESET); }, RET | BRANCH},
        {[&] { return inst_of(IT_TSTFSZ); }, SKIP | BRANCH},
        {[&] { return inst_of(IT_CPFSLT); }, SKIP | BRANCH},
        {[&] { return inst_of(IT_CPFSGT); }, SKIP | BRANCH},
        {[&] { return inst_of(IT_CPFSEQ); }, SKIP | BRANCH},
        {[&] { return ocodeInst(iVx_BTFSC(v, 0, 1), 1, ""); }, SKIP | BRANCH},
        {[&] { return ocodeInst(iVx_BTFSS(v, 0, 1), 1, ""); }, SKIP | BRANCH},
        {[&] { return inst_of(IT_DECFSZ); }, SKIP | BRANCH},
        {[&] { return inst_of(IT_DCFSNZ); }, SKIP | BRANCH},
        {[&] { return inst_of(IT_INFSNZ); }, SKIP | BRANCH},
        {[&] { return inst_of(IT_INCFSZ); }, SKIP | BRANCH},
        {[&] { return inst_of(IT_BRA); }, UNCOND | BRANCH},
        {[&] { return inst_of(IT_GOTO); }, UNCOND | BRANCH},
        {[&] { return inst_of(IT_BC); }, COND | BRANCH},
        {[&] { return inst_of(IT_BN); }, COND | BRANCH},
        {[&] { return inst_of(IT_BNC); }, COND | BRANCH},
        {[&] { return inst_of(IT_BNN); }, COND | BRANCH},
        {[&] { return inst_of(IT_BNOV); }, COND | BRANCH},
        {[&] { return inst_of(IT_BNZ); }, COND | BRANCH},
        {[&] { return inst_of(IT_BOV); }, COND | BRANCH},
        {[&] { return inst_of(IT_BZ); }, COND | BRANCH},
        {[&] { return inst_of(IT_MOVLW); }, 0},
        {[&] { return inst_of(IT_DECF); }, 0},
        {[&] { return inst_of(IT_WORD2); }, 0},
        {[] { return ocodeBranchLiteral(1, 1, ""); }, UNCOND | BRANCH},
        {[] { return ocodeBZLiteral(1, 1, ""); }, COND | BRANCH},
        {[] { return ocodeBNNLiteral(1, 1, ""); }, COND | BRANCH},
        {[&] { return ocodeBTFBSLiteral(v, 0, 1, 0, 1, 1, ""); }, COND | BRANCH},
        {[&] { return ocodeBTFBCSymbol(v, 0, 1, 0, v, 1, ""); }, COND | BRANCH},
        {[] { return ocodeNop(1, ""); }, 0},
        {[] { return ocodeLabel(nullptr, 1, ""); }, 0},
        {[&] { return ocodeBFunct(v, 1, ""); }, 0},
    };
    for (const auto &c : cases) {
        ocode *oc = keep(c.build());
        SCOPED_TRACE(testing::Message() << "kind " << oc->type << " opcode "
                                        << (oc->type == OC_INST ? oc->data.inst.ins->opcode : 0));
        EXPECT_EQ(is_call(oc), (c.expected & CALL) != 0);
        EXPECT_EQ(is_rcall(oc), (c.expected & RCALL) != 0);
        EXPECT_EQ(is_return(oc), (c.expected & RET) != 0);
        EXPECT_EQ(is_skip_conditional(oc), (c.expected & SKIP) != 0);
        EXPECT_EQ(is_unconditional_branch(oc), (c.expected & UNCOND) != 0);
        EXPECT_EQ(is_conditional_branch(oc), (c.expected & COND) != 0);
        EXPECT_EQ(is_branch(oc), (c.expected & BRANCH) != 0);
    }
    EXPECT_FALSE(is_unconditional_branch(nullptr));
    EXPECT_FALSE(is_branch(nullptr));
    EXPECT_FALSE(is_call(nullptr));
}

TEST_F(Ocode, EnumerateNumbersInListOrder)
{
    std::vector<ocode *> records;
    for (int k = 0; k < 5; ++k)
        records.push_back(ocodeNop(k, ""));
    ocode *list = chain(records);
    EXPECT_EQ(ocode_enumerate(list), 5);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(records[k]->number, k);
    EXPECT_EQ(ocode_enumerate(records[3]), 2);
    EXPECT_EQ(records[3]->number, 0);
    EXPECT_EQ(ocode_enumerate(nullptr), 0);
    objFree(list);
}

using OcodeDeathTest = Ocode;

TEST_F(OcodeDeathTest, EnumerateStopsAtBrokenLinks)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ocode *a = keep(ocodeNop(1, "")), *b = keep(ocodeNop(2, "")), *c = keep(ocodeNop(3, ""));
    chain({a, b, c});
    c->prev = a;
    EXPECT_DEATH(ocode_enumerate(a), "Internal compiler error");
    c->prev = b;
    c->next = a;
    a->prev = c;
    EXPECT_DEATH(ocode_enumerate(a), "Internal compiler error");
    a->prev = nullptr;
    c->next = nullptr;
}

TEST_F(Ocode, PrintFormats)
{
    symbol *x = variable("x", RANGE_FAR);
    symbol *fr = variable("PORTB", RANGE_NEAR);
    symbol *fn = function("main");
    symbol *lbl = sym_temp_label(1, "");
    ocode *named = keep(ocodeLabel(lbl, 1, ""));
    ocode *unnamed = keep(ocodeLabel(nullptr, 1, ""));
    test_block block{{12}};
    auto retype = [](ocode *oc, ocode_kind kind) {
        oc->type = kind;
        return oc;
    };
    const struct {
        std::function<ocode *()> build;
        const char *text;
        int result;
    } cases[] = {
        {[] { return ocodeNop(7, ""); }, "(   7): OC_NOP", 0},
        {[&] { return ocodeLabel(lbl, 12345, ""); }, "(12345): OC_LABEL: __tmplbl_0", 0},
        {[] { return ocodeLabel(nullptr, 3, ""); }, "(   3): OC_LABEL", 0},
        {[&] { return ocodeBFunct(fn, 1, ""); }, "(   1): OC_BFUNCT: main", 0},
        {[&] { return ocodeEFunct(fn, 20, ""); }, "(  20): OC_EFUNCT: main", 0},
        {[&] { return ocodeInst(iVx_LADDRH(x, 2), 5, ""); }, "(   5): movlw high( x + 2 )      ", 1},
        {[&] { return ocodeInst(iVx_LADDRH(x, 70000), 5, ""); }, "(   5): movlw high( x + 70000 )  ", 1},
        {[&] { return ocodeInst(iVx_LADDRU(fr, 70000), 5, ""); }, "(   5): movlw upper( PORTB + 70000 )", 1},
        {[] { return ocodeBranchLiteral(-4, 2, ""); }, "(   2): OC_BRANCH -4", 1},
        {[&] { return ocodeBranchSymbol(fn, 2, ""); }, "(   2): OC_BRANCH main", 1},
        {[&] { return ocodeBLabel(OC_BRANCH, named, 2, ""); }, "(   2): OC_BRANCH __tmplbl_0", 1},
        {[&] { return ocodeBLabel(OC_BRANCH, unnamed, 2, ""); }, "(   2): OC_BRANCH NULL", 1},
        {[&] { return ocodeBranchBlock(block.as_block(), 2, ""); }, "(   2): OC_BRANCH block #12", 1},
        {[&] { return ocodeBranchBlock(nullptr, 2, ""); }, "(   2): OC_BRANCH xxxx", 1},
        {[] { return ocodeBZLiteral(9, 2, ""); }, "(   2): OC_BZ 9", 1},
        {[&] { return ocodeBNZSymbol(fn, 2, ""); }, "(   2): OC_BNZ main", 1},
        {[&] { return ocodeBLabel(OC_BC, named, 2, ""); }, "(   2): OC_BC __tmplbl_0", 1},
        {[&] { return retype(ocodeBranchBlock(block.as_block(), 2, ""), OC_BNC); }, "(   2): OC_BNC block #12", 1},
        {[&] { return retype(ocodeBranchBlock(block.as_block(), 2, ""), OC_BN); }, "(   2): OC_BN block #12", 1},
        {[&] { return retype(ocodeBranchBlock(nullptr, 2, ""), OC_BNN); }, "(   2): OC_BNN xxxx", 1},
        {[] { return ocodeBVLiteral(1, 2, ""); }, "(   2): OC_BOV 1", 1},
        {[&] { return ocodeBLabel(OC_BNOV, named, 2, ""); }, "(   2): OC_BNOV __tmplbl_0", 1},
        {[] { return ocodeBNLiteral(-1, 2, ""); }, "(   2): OC_BN -1", 1},
        {[&] { return ocodeBNSymbol(fn, 2, ""); }, "(   2): OC_BN main", 1},
        {[&] { return ocodeBLabel(OC_BN, named, 2, ""); }, "(   2): OC_BN __tmplbl_0", 1},
        {[&] { return ocodeBLabel(OC_BNN, unnamed, 2, ""); }, "(   2): OC_BNN NULL", 1},
        {[] { return ocodeBNNLiteral(0, 2, ""); }, "(   2): OC_BNN 0", 1},
        {[&] { return ocodeBTFBSLiteral(fr, 1, 0, 3, 5, 2, ""); }, "(   2): OC_BTFBS PORTB+1, 3, 0 --> 5", 1},
        {[&] { return ocodeBTFBSSymbol(fr, 0, 1, 7, fn, 2, ""); }, "(   2): OC_BTFBS PORTB+0, 7, 1 --> main", 1},
        {[&] { return ocodeBTFBCLiteral(fr, 2, 0, 0, -3, 2, ""); }, "(   2): OC_BTFBC PORTB+2, 0, 0 --> -3", 1},
        {[&] { return ocodeBTFBCSymbol(fr, 0, 0, 1, x, 2, ""); }, "(   2): OC_BTFBC PORTB+0, 1, 0 --> x", 1},
    };
    for (const auto &c : cases) {
        ocode *oc = keep(c.build());
        int result = -1;
        EXPECT_EQ(print(oc, 0, &result), c.text);
        EXPECT_EQ(result, c.result) << c.text;
        EXPECT_EQ(print(oc, 1), std::string(c.text) + "\n");
    }
}

TEST_F(Ocode, PrintsBitBranchesToLabelsAndBlocks)
{
    symbol *fr = variable("STATUS", RANGE_NEAR);
    symbol *lbl = sym_temp_label(1, "");
    ocode *label = keep(ocodeLabel(lbl, 1, ""));
    test_block block{{4}};
    ocode *to_label = keep(ocodeBLabel(OC_BTFBS, label, 6, ""));
    to_label->data.branch.freg = fr;
    to_label->data.branch.bit = 2;
    EXPECT_EQ(print(to_label, 0), "(   6): OC_BTFBS STATUS+0, 2, 0 --> __tmplbl_0");
    ocode *to_block = keep(ocodeBTFBCLiteral(fr, 0, 0, 2, 0, 6, ""));
    to_block->data.branch.type = BLOCK_BRANCH;
    to_block->data.branch.block = block.as_block();
    EXPECT_EQ(print(to_block, 0), "(   6): OC_BTFBC STATUS+0, 2, 0 --> block #4");
    to_block->data.branch.type = static_cast<branch_target_kind>(9);
    EXPECT_EQ(print(to_block, 0), "(   6): OC_BTFBC xxxx");
}

TEST_F(OcodeDeathTest, TemporariesMarkersAreNotPrinted)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(printOcode(keep(ocodePushTemps(1, "")), 1), "Internal compiler error");
    EXPECT_DEATH(printOcode(keep(ocodePopTemps(1, "")), 1), "Internal compiler error");
    EXPECT_DEATH(printOcode(keep(ocodeFunction(nullptr, 1, "")), 1), "Internal compiler error");
}

TEST_F(Ocode, AppendJoinsListsAndAcceptsEmptyOnes)
{
    ocode *a = objAppend(objNop(1, ""), objNop(2, ""));
    ocode *b = objAppend(objNop(3, ""), objNop(4, ""));
    EXPECT_EQ(objAppend(nullptr, b), b);
    EXPECT_EQ(b->prev, nullptr);
    EXPECT_EQ(objAppend(a, nullptr), a);
    EXPECT_EQ(objAppend(nullptr, nullptr), nullptr);
    ocode *list = objAppend(a, b);
    EXPECT_EQ(list, a);
    std::vector<int32_t> lines;
    for (ocode *oc = list; oc; oc = oc->next)
        lines.push_back(oc->line);
    EXPECT_EQ(lines, (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(b->prev, a->next);
    EXPECT_EQ(ocode_enumerate(list), 4);
    objFree(list);
}

TEST_F(OcodeDeathTest, AppendRejectsARecordAlreadyInTheList)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ocode *a = keep(ocodeNop(1, "")), *b = keep(ocodeNop(2, ""));
    objAppend(a, b);
    EXPECT_DEATH(objAppend(a, a), "Internal compiler error");
    EXPECT_DEATH(objAppend(a, b), "Internal compiler error");
}

TEST_F(Ocode, InsertLabelGoesRightBeforeTheRecord)
{
    ocode *first = ocodeNop(10, "x.c");
    ocode *second = ocodeInst(iVx_NOP(), 20, "y.c");
    objAppend(first, second);
    ocode *label = objInsertLabel(second);
    EXPECT_EQ(label->type, OC_LABEL);
    EXPECT_EQ(label->data.label.label, nullptr);
    EXPECT_EQ(label->line, 20);
    EXPECT_STREQ(label->file, "y.c");
    EXPECT_EQ(first->next, label);
    EXPECT_EQ(label->prev, first);
    EXPECT_EQ(label->next, second);
    EXPECT_EQ(second->prev, label);

    ocode *head = objInsertLabel(first);
    EXPECT_EQ(head->prev, nullptr);
    EXPECT_EQ(head->next, first);
    EXPECT_EQ(first->prev, head);
    EXPECT_EQ(ocode_enumerate(head), 4);
    objFree(head);
}

TEST_F(OcodeDeathTest, InsertLabelChecksTheNeighbours)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ocode *a = keep(ocodeNop(1, "")), *b = keep(ocodeNop(2, "")), *c = keep(ocodeNop(3, ""));
    chain({a, b, c});
    a->next = c;
    EXPECT_DEATH(objInsertLabel(b), "Internal compiler error");
    a->next = b;
    c->prev = a;
    EXPECT_DEATH(objInsertLabel(b), "Internal compiler error");
    c->prev = b;
}

} // namespace
