#include "codegen/ocode.h"

#include <gtest/gtest.h>

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

    std::vector<ocode *> made;
};

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


} // namespace
