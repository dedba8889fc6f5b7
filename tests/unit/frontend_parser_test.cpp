// The parser: node shapes, typedef scopes, the definition checks, error
// recovery and the in-line assembly operands.
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
    int status = 0;
    std::string dump;   // the kinds in pre-order, one per line, indented
    std::string output; // diagnostics
    unsigned errors = 0;
};

void s_shape(const pcodehl *n, int depth, std::string &out)
{
    for (; n; n = n->right) {
        out += std::string(depth * 2, ' ') + hl_kind_name(n->kind);
        if (n->name)
            out += std::string(" ") + n->name;
        out += "\n";
        if (n->left)
            s_shape(n->left, depth + 1, out);
        if (n->right && n->kind != H_DEFLST && n->kind != H_STMTLST && n->kind != H_DECLLST && n->kind != H_ILIST &&
            n->kind != H_ARG) {
            s_shape(n->right, depth + 1, out);
            break;
        }
    }
}

// Parses `source`; `keep` receives the tree instead of freeing it.
parsed parse(const char *source, pcodehl **keep = nullptr)
{
    maxerror = 100000;
    parsed p;
    unsigned errors = get_error_count();
    snprintf(yyfilename, sizeof yyfilename, "%s", "unit.c");
    yyinitparse();
    lex_scan_string(source);
    yylineno = 1;
    testing::internal::CaptureStdout();
    p.status = yyparse();
    p.output = testing::internal::GetCapturedStdout();
    s_shape(hl_get_ast(), 0, p.dump);
    if (keep)
        *keep = hl_get_ast();
    else
        hl_free_ast(hl_get_ast());
    hl_set_ast(nullptr);
    yyuninitparse();
    p.errors = get_error_count() - errors;
    return p;
}

struct shape_case {
    const char *source;
    const char *shape;
};

// The shapes list elements of a chain at the same depth.
const shape_case shape_cases[] = {
    {"int x;", "H_DEFLST\n  H_DECLLST\n    H_DECL\n      H_IDENT x\n      H_NOP\n"},
    {"void f(void) { g(); }",
     "H_DEFLST\n  H_FUNCT f\n    H_DECL\n      H_IDENT f\n      H_NOP\n    H_CSTMT\n      H_STMTLST\n"
     "        H_CALL\n          H_IDENT g\n"},
    {"void f(void) { g(1, 2); }",
     "H_DEFLST\n  H_FUNCT f\n    H_DECL\n      H_IDENT f\n      H_NOP\n    H_CSTMT\n      H_STMTLST\n"
     "        H_CALL\n          H_IDENT g\n          H_ARG\n            H_CNST\n          H_ARG\n            H_CNST\n"
     "          H_NOP\n"},
    {"int a = 1, b;",
     "H_DEFLST\n  H_DECLLST\n    H_DECL\n      H_IDENT a\n      H_CNST\n  H_DECLLST\n    H_DECL\n      H_IDENT b\n"
     "      H_NOP\n"},
    {"typedef unsigned char byte;", "H_DEFLST\n  H_DECLLST\n    H_DECL\n      H_NOP\n      H_NOP\n"},
    {"void f(void) { for (;;) ; }",
     "H_DEFLST\n  H_FUNCT f\n    H_DECL\n      H_IDENT f\n      H_NOP\n    H_CSTMT\n      H_STMTLST\n"
     "        H_FORPRE\n          H_FORCOND\n            H_FORPOST\n              H_NOP\n"},
    {"void f(void) { if (a) b = c ? 1 : 2; else while (d) x.m = p->n; }",
     "H_DEFLST\n  H_FUNCT f\n    H_DECL\n      H_IDENT f\n      H_NOP\n    H_CSTMT\n      H_STMTLST\n"
     "        H_IFE\n          H_IDENT a\n          H_ELSE\n            H_ASSIGN\n              H_IDENT b\n"
     "              H_COND\n                H_IDENT c\n                H_CONDSEP\n                  H_CNST\n"
     "                  H_CNST\n            H_WHILE\n              H_IDENT d\n              H_ASSIGN\n"
     "                H_MEMBER m\n                  H_IDENT x\n                H_MEMBER n\n                  H_IDENT p\n"},
    {"int t[] = { 1, { 2 } };",
     "H_DEFLST\n  H_DECLLST\n    H_DECL\n      H_IDENT t\n      H_ILIST\n        H_CNST\n      H_ILIST\n"
     "        H_ILIST\n          H_CNST\n"},
    {"void f(void) { do x--; while (--x); goto out; out: return; }",
     "H_DEFLST\n  H_FUNCT f\n    H_DECL\n      H_IDENT f\n      H_NOP\n    H_CSTMT\n      H_STMTLST\n"
     "        H_DO\n          H_PSTDEC\n            H_IDENT x\n          H_PREDEC\n            H_IDENT x\n"
     "      H_STMTLST\n        H_JMP\n          H_IDENT out\n      H_STMTLST\n        H_LABEL out\n"
     "          H_RETURN\n"},
    {"void f(void) { switch (k) { case 1: break; default: continue; } }",
     "H_DEFLST\n  H_FUNCT f\n    H_DECL\n      H_IDENT f\n      H_NOP\n    H_CSTMT\n      H_STMTLST\n"
     "        H_SWITCH\n          H_IDENT k\n          H_CSTMT\n            H_STMTLST\n              H_CASE\n"
     "                H_CNST\n                H_BREAK\n            H_STMTLST\n              H_DEFAULT\n"
     "                H_CONTINUE\n"},
    {"int s = sizeof(int) + sizeof s + (char)-~!*&y + __builtin_ittype(long);",
     "H_DEFLST\n  H_DECLLST\n    H_DECL\n      H_IDENT s\n      H_ADD\n        H_ADD\n          H_ADD\n"
     "            H_SIZEOFTYPE\n            H_SIZEOFEXPR\n              H_IDENT s\n          H_CAST\n"
     "            H_MINUS\n              H_BNOT\n                H_LNOT\n                  H_INDIR\n"
     "                    H_REF\n                      H_IDENT y\n        H_ITTYPE\n"},
    {"void f(void) { __builtin_enum_label(L1, 3): x = 1; }",
     "H_DEFLST\n  H_FUNCT f\n    H_DECL\n      H_IDENT f\n      H_NOP\n    H_CSTMT\n      H_STMTLST\n"
     "        H_ENUM_LABEL L1\n          H_CNST\n          H_ASSIGN\n            H_IDENT x\n            H_CNST\n"},
};

TEST(FrontendParser, NodeShapes)
{
    for (const shape_case &c : shape_cases) {
        parsed p = parse(c.source);
        EXPECT_EQ(p.status, 0) << c.source << p.output;
        EXPECT_EQ(p.dump, c.shape) << c.source;
    }
}

TEST(FrontendParser, DeclarationTypeLists)
{
    struct {
        const char *source;
        const char *type;
    } cases[] = {
        {"const char *p;", "* const char \n"},
        {"char * const rom q;", "const rom * char \n"},
        {"int *a[4];", "[] * int \n"},
        {"int (*fp)(void);", "* () int \n"},
        {"static near unsigned char flags;", "static near unsigned char \n"},
        {"far rom char *rp;", "* far rom char \n"},
        {"overlay int o;", "overlay int \n"},
        {"struct S { int a; } s;", "??? \n"},
        {"long f(char c, ...);", "() long \n"},
    };
    for (const auto &c : cases) {
        pcodehl *root = nullptr;
        parsed p = parse(c.source, &root);
        ASSERT_TRUE(root) << c.source << p.output;
        const pcodehl *decl = root->left->left;
        ASSERT_EQ(decl->kind, H_DECL) << c.source;
        testing::internal::CaptureStdout();
        hl_print_type(decl->type);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.type) << c.source;
        hl_free_ast(root);
    }
    testing::internal::CaptureStdout();
    hl_print_type(nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n");
}

TEST(FrontendParser, TypedefNameMayBeRedeclaredInABody)
{
    parsed p = parse("typedef int T;\nvoid f(void)\n{\n    int T;\n    T = 5;\n}\nT after;\n");
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.errors, 0u) << p.output;
    EXPECT_NE(p.dump.find("H_IDENT after"), std::string::npos) << p.dump;

    p = parse("typedef int T;\nvoid f(T T) { T = 1; }\nT g;\n");
    EXPECT_EQ(p.errors, 0u) << p.output;

    p = parse("typedef char T;\nvoid f(void) { T x; { int T; T = 1; } { T inner; } }\n");
    EXPECT_EQ(p.errors, 0u) << p.output;
}

TEST(FrontendParser, TypedefScopesHideAndReturn)
{
    yyinitparse();
    typehl *type = new_typehl();
    typehl_append(type, new_typenodehl(TN_TYPEDEF));
    typehl_append(type, new_typenodehl(TN_LONG));
    s_declare_typedef("T", type);
    typehl_free(type);
    const typehl *found = lookup_typedef("T");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->head->kind, TN_LONG); // the typedef node is not stored
    EXPECT_EQ(found->head, found->tail);
    enter_typedef_scope();
    override_typedef("T");
    EXPECT_EQ(lookup_typedef("T"), nullptr);
    enter_typedef_scope();
    EXPECT_EQ(lookup_typedef("T"), nullptr);
    exit_typedef_scope();
    exit_typedef_scope();
    EXPECT_NE(lookup_typedef("T"), nullptr);
    EXPECT_EQ(lookup_typedef("U"), nullptr);
    yyuninitparse();
}

struct diagnostic_case {
    const char *source;
    const char *message;
    unsigned errors;
};

const diagnostic_case diagnostic_cases[] = {
    {"int f(a, b)\nint a;\nint b;\n{ return a; }\n", "unit.c:1:Error [1302] old style function declarations not supported", 1},
    {"int x { }\n", "unit.c:1:Error [1100] syntax error", 1},
    {"void f(int, char c, long)\n{\n}\n", "unit.c:1:Error [1154] parameter 1 in 'f' must have a name", 2},
    {"void f(int, char c, long)\n{\n}\n", "[1154] parameter 3 in 'f' must have a name", 2},
    {"typedef int T = 4;\n", "unit.c:1:Error [1220] initializer detected in typedef declaration of 'T'", 1},
    {"int a[] = { };\n", "[1221] empty initializer list detected", 1},
    {"void f(void)\n{\n  _asm\n  movlw x + y\n  _endasm\n}\n", "unit.c:4:Error [1253] constant operand expected", 1},
};

TEST(FrontendParser, DefinitionDiagnostics)
{
    for (const diagnostic_case &c : diagnostic_cases) {
        parsed p = parse(c.source);
        EXPECT_NE(p.output.find(c.message), std::string::npos) << c.source << "\n" << p.output;
        EXPECT_EQ(p.errors, c.errors) << c.source << "\n" << p.output;
    }
}

TEST(FrontendParser, SyntaxErrorsRecoverAndReportAgain)
{
    parsed p = parse("int a\nint b;\nvoid f(void)\n{\n  x = ;\n  y = 1;\n  z = = 2;\n}\nint c;\n");
    EXPECT_EQ(p.errors, 3u) << p.output;
    EXPECT_NE(p.output.find("unit.c:2:Error"), std::string::npos) << p.output;
    EXPECT_NE(p.output.find("unit.c:5:Error"), std::string::npos) << p.output;
    EXPECT_NE(p.output.find("unit.c:7:Error"), std::string::npos) << p.output;
    EXPECT_NE(p.output.find("syntax error"), std::string::npos) << p.output;
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

TEST(FrontendParser, AssemblyBlocksCollectLabelsAndInstructions)
{
    pcodehl *root = nullptr;
    parsed p = parse("void f(void)\n{\n  _asm\n  again:\n    movf PORTB, 0, 0\n    bra again\n    nop\n  _endasm\n}\n",
                     &root);
    ASSERT_TRUE(root) << p.output;
    const asm_statement *s = root->left->right->right->left->asm_list;
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->kind, LABEL_HINST);
    EXPECT_STREQ(s->label, "again");
    s = s->next;
    ASSERT_NE(s, nullptr);
    EXPECT_STREQ(s->mnemonic, "movf");
    EXPECT_EQ(s->line, 5);
    EXPECT_STREQ(s->file, "unit.c");
    ASSERT_NE(s->operands, nullptr);
    EXPECT_STREQ(s->operands->symbol, "PORTB");
    ASSERT_NE(s->operands->next, nullptr);
    ASSERT_NE(s->operands->next->next, nullptr);
    EXPECT_EQ(s->operands->next->next->next, nullptr);
    s = s->next;
    EXPECT_STREQ(s->mnemonic, "bra");
    s = s->next;
    EXPECT_STREQ(s->mnemonic, "nop");
    EXPECT_EQ(s->operands, nullptr);
    EXPECT_EQ(s->next, nullptr);
    hl_free_ast(root);
}

TEST(FrontendParser, PragmasAtFileScopeAndInBodies)
{
    parsed p = parse("#pragma code boot\nvoid f(void)\n{\n#pragma tmpdata\n  x = 1;\n}\n");
    EXPECT_EQ(p.errors, 0u) << p.output;
    EXPECT_EQ(p.dump,
              "H_DEFLST\n  H_PRAGMA\nH_DEFLST\n  H_FUNCT f\n    H_DECL\n      H_IDENT f\n      H_NOP\n    H_CSTMT\n"
              "      H_STMTLST\n        H_PRAGMA\n      H_STMTLST\n        H_ASSIGN\n          H_IDENT x\n"
              "          H_CNST\n");
}

TEST(FrontendParser, CallOperandIsMarked)
{
    pcodehl *root = nullptr;
    parse("int v = f(x);", &root);
    ASSERT_TRUE(root);
    const pcodehl *call = root->left->left->right;
    ASSERT_EQ(call->kind, H_CALL);
    EXPECT_EQ(call->left->flag, 1);
    EXPECT_EQ(call->right->left->flag, 0);
    hl_free_ast(root);
}

TEST(FrontendParser, DumpFormat)
{
    pcodehl *root = nullptr;
    parse("int x;", &root);
    testing::internal::CaptureStdout();
    hl_print_ast(root);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "    unit.c:   1: H_DEFLST\n    unit.c:   1:     H_DECLLST\n    unit.c:   1:         H_DECL\n"
              "    unit.c:   1:             H_IDENT\n    unit.c:   1:             H_NOP\n");
    hl_free_ast(root);
    EXPECT_STREQ(hl_kind_name(999), "--ERRROR--");
    EXPECT_STREQ(hl_kind_name(1080), "H_ITTYPE");
}

TEST(FrontendParser, TypeListOperations)
{
    typehl *list = new_typehl();
    typehl_append(list, new_typenodehl(TN_INT));
    typenodehl *chain = new_typenodehl(TN_CONST);
    chain->next = new_typenodehl(TN_POINTER);
    chain->next->prev = chain;
    typehl_insert(list, chain);
    typehl_append(list, new_typenodehl(TN_STRUCT));
    testing::internal::CaptureStdout();
    hl_print_type(list);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "const * int ??? \n");
    EXPECT_EQ(list->head->kind, TN_CONST);
    EXPECT_EQ(list->tail->kind, TN_STRUCT);
    EXPECT_EQ(list->tail->prev->kind, TN_INT);

    typehl *copy = typehl_copy(list);
    EXPECT_FALSE(copy->head->owns);
    typenodehl *pointer = copy->head->next;
    typehl_remove(copy, pointer);
    typenodehl_free(pointer);
    testing::internal::CaptureStdout();
    hl_print_type(copy);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "const int ??? \n");
    typehl_free(copy);
    typehl_free(list);

    source_position at = getLineno(12, "main.c");
    EXPECT_EQ(at.line, 12);
    EXPECT_STREQ(at.file, "main.c");
    free(at.file);
}

TEST(FrontendParser, ListBuilders)
{
    pcodehl *a = new_pcodehl(H_CNST, nullptr, nullptr, 1, "f");
    pcodehl *b = new_pcodehl(H_CNST, nullptr, nullptr, 2, "f");
    pcodehl *c = new_pcodehl(H_CNST, nullptr, nullptr, 3, "f");
    pcodehl *list = pcodehl_tail_list(H_STMTLST, nullptr, a, 1, "f");
    list = pcodehl_tail_list(H_STMTLST, list, b, 2, "f");
    list = pcodehl_head_list(H_STMTLST, list, c, 3, "f");
    EXPECT_EQ(list->left, c);
    EXPECT_EQ(list->right->left, a);
    EXPECT_EQ(list->right->right->left, b);
    EXPECT_EQ(list->right->right->right, nullptr);
    hl_free_ast(list);
}

} // namespace
