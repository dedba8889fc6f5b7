// The in-line assembly operands: the constant expressions that the parser
// folds into a symbol and an offset.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "driver/diag.h"
#include "frontend/asmrec.h"
#include "frontend/ast.h"
#include "frontend/lexer.h"
#include "frontend/parser.h"
#include "support/position.h"

namespace {

struct parsed {
    std::string output; // diagnostics
    unsigned errors = 0;
};

// Parses `source`; `root` receives the tree.
parsed parse(const char *source, pcodehl **root)
{
    maxerror = 100000;
    parsed p;
    unsigned errors = get_error_count();
    snprintf(yyfilename, sizeof yyfilename, "%s", "unit.c");
    yyinitparse();
    lex_scan_string(source);
    yylineno = 1;
    testing::internal::CaptureStdout();
    yyparse();
    p.output = testing::internal::GetCapturedStdout();
    *root = hl_get_ast();
    hl_set_ast(nullptr);
    yyuninitparse();
    p.errors = get_error_count() - errors;
    return p;
}

struct operand_case {
    const char *operand;
    const char *symbol;
    int32_t offset;
};

const operand_case operand_cases[] = {
    {"count + 2", "count", 2},  {"count - 2", "count", -2},   {"(char)5", nullptr, 5},
    {"4 * 3 + 1", nullptr, 13}, {"count", "count", 0},        {"-(1 << 4) | 3", nullptr, -13},
    {"10 / 3 % 2", nullptr, 1}, {"!0 && 2 > 1 || 0", nullptr, 1}, {"~0 ^ 0xF0 & 0xFF", nullptr, -241},
    {"(char)buf + (2 * 3)", nullptr, 0}, {"-8 >> 1", nullptr, -4}, {"1 == 1 != 0 <= 5 >= 0 < 2", nullptr, 0},
};

TEST(FrontendParser, AssemblyOperands)
{
    for (const operand_case &c : operand_cases) {
        std::string source = std::string("void f(void) { _asm movlw ") + c.operand + " _endasm }";
        pcodehl *root = nullptr;
        parsed p = parse(source.c_str(), &root);
        ASSERT_TRUE(root) << c.operand << p.output;
        const pcodehl *body = root->left->right;
        const pcodehl *block = body->right->left;
        ASSERT_EQ(block->kind, H_ASM) << c.operand;
        const asm_statement *inst = block->asm_list;
        ASSERT_NE(inst, nullptr);
        EXPECT_EQ(inst->kind, INST_HINST);
        EXPECT_STREQ(inst->mnemonic, "movlw");
        ASSERT_NE(inst->operands, nullptr);
        if (strcmp(c.operand, "(char)buf + (2 * 3)") == 0) {
            // A cast on the symbol hides it: not a symbol plus a constant.
            EXPECT_EQ(p.errors, 1u) << c.operand;
        } else {
            EXPECT_EQ(p.errors, 0u) << c.operand << p.output;
            if (c.symbol)
                EXPECT_STREQ(inst->operands->symbol, c.symbol) << c.operand;
            else
                EXPECT_EQ(inst->operands->symbol, nullptr) << c.operand;
            EXPECT_EQ(inst->operands->offset, c.offset) << c.operand;
        }
        hl_free_ast(root);
    }
}

} // namespace
