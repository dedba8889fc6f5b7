// The walk over a tree deeper or longer than recursion could follow: a long
// list flattens without recursing, and a deep expression ends the
// compilation at the tree parser's stack limit instead of crashing.
#include <gtest/gtest.h>

#include <string>

#include "driver/diag.h"
#include "driver/options.h"
#include "frontend/ast.h"
#include "frontend/parser.h"
#include "translate/translate.h"

namespace {

pcodehl *node(uint32_t kind, pcodehl *left, pcodehl *right)
{
    return new_pcodehl(kind, left, right, 1, "t.c");
}

TEST(Flatten, LongListsNeedNoRecursion)
{
    pcodehl *list = nullptr;
    for (int i = 0; i < 200000; ++i)
        list = node(H_STMTLST, node(H_NOP, nullptr, nullptr), list);
    trnFlattenAST(list);
    sym_begin_module();
    int count = 0;
    while (zzlex() > 0)
        ++count;
    sym_end_module();
    EXPECT_EQ(count, 400001);
    hl_free_ast(list);
}

// `int x = - - ... - 1;` nested deeper than the tree parser's stack may grow.
TEST(WalkLimits, StackGrowthEndsAtItsLimit)
{
    maxerror = 25;
    error_level = 3;
    pcodehl *value = new_pcodehl(H_CNST, nullptr, nullptr, 1, "deep.c");
    value->constant.type = CT_INT;
    value->constant.value = 1;
    for (int i = 0; i < 140000; ++i)
        value = new_pcodehl(H_MINUS, value, nullptr, 1, "deep.c");
    pcodehl *ident = new_pcodehl(H_IDENT, nullptr, nullptr, 1, "deep.c");
    ident->name = hl_strdup("x");
    pcodehl *decl = new_pcodehl(H_DECL, ident, value, 1, "deep.c");
    decl->type = new_typehl();
    typehl_append(decl->type, new_typenodehl(TN_INT));
    pcodehl *root = new_pcodehl(H_DEFLST, new_pcodehl(H_DECLLST, decl, nullptr, 1, "deep.c"), nullptr, 1, "deep.c");
    ::testing::internal::CaptureStdout();
    EXPECT_THROW(trnTranslateAST(root), compile_abort);
    std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Fatal [100] -internal- yacc stack overflow"), std::string::npos) << out;
    trnFreeState();
    hl_free_ast(root);
}

} // namespace
