// The walk over a whole unit: the token stream of the flattening, and what
// translation leaves in the symbol table (frame places, aliases, sections,
// initial data, switch records, strings) beyond its statement list.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/options.h"
#include "frontend/ast.h"
#include "frontend/lexer.h"
#include "frontend/parser.h"
#include "translate/translate.h"

namespace {

class WalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        maxerror = 1000000;
        error_level = 3;
    }
    void TearDown() override { release(); }

    // Parses and translates `source`; the unit stays until the test ends.
    std::string translate(const char *source)
    {
        ::testing::internal::CaptureStdout();
        yyinitparse();
        lex_scan_string(source);
        yyparse();
        root = hl_get_ast();
        if (root)
            unit = trnTranslateAST(root);
        return ::testing::internal::GetCapturedStdout();
    }

    void release()
    {
        stmtFreeList(unit);
        unit = nullptr;
        hl_free_ast(root);
        hl_set_ast(nullptr);
        root = nullptr;
        trnFreeState();
        trn_forget_tag_definitions();
        yyuninitparse();
    }

    symbol *find(const char *name) { return sym_lookup_sym(name, LOOKUP_FILE); }

    // The first statement whose operator is `opcode`.
    const pcodell *first(uint32_t opcode)
    {
        for (const stmt *s = unit; s; s = s->next)
            if (s->tree && s->tree->opcode == opcode)
                return s->tree;
        return nullptr;
    }

    pcodehl *root = nullptr;
    stmt *unit = nullptr;
};

pcodehl *node(uint32_t kind, pcodehl *left = nullptr, pcodehl *right = nullptr)
{
    return new_pcodehl(kind, left, right, 1, "t.c");
}

TEST(Flatten, ListsEndAndAbsentChildrenAreMarked)
{
    // { f(); }  as a statement list holding a call without arguments.
    pcodehl *call = node(H_CALL, node(H_IDENT));
    pcodehl *body = node(H_CSTMT, nullptr, node(H_STMTLST, call));
    pcodehl *tree = node(H_STMTLST, body);
    trnFlattenAST(tree);
    std::vector<int> tokens;
    sym_begin_module();
    for (int t = zzlex(); t > 0; t = zzlex())
        tokens.push_back(t);
    sym_end_module();
    std::vector<int> expected = {H_STMTLST, H_CSTMT, TRN_ABSENT, H_STMTLST, H_CALL, H_IDENT,
                                 TRN_ABSENT, TRN_LIST_END, TRN_LIST_END};
    EXPECT_EQ(tokens, expected);
    EXPECT_EQ(tree->flat, body);
    EXPECT_EQ(body->flat, body->right);
    EXPECT_EQ(call->left->flat, nullptr);
    hl_free_ast(tree);
}

TEST(Flatten, LongListsNeedNoRecursion)
{
    pcodehl *list = nullptr;
    for (int i = 0; i < 200000; ++i)
        list = node(H_STMTLST, node(H_NOP), list);
    trnFlattenAST(list);
    sym_begin_module();
    int count = 0;
    while (zzlex() > 0)
        ++count;
    sym_end_module();
    EXPECT_EQ(count, 400001);
    hl_free_ast(list);
}

TEST_F(WalkTest, ParametersAndLocalsTakeTheirFramePlaces)
{
    translate("void f(int a, char b) { long x; char y; }");
    const pcodell *begin = first(I_BFUNCT);
    ASSERT_NE(begin, nullptr);
    EXPECT_EQ(begin->function.param_frame_size, 3u);
    EXPECT_EQ(begin->function.frame_size, 5u);
    EXPECT_EQ(begin->function.return_size, 0u);
    EXPECT_EQ(get_error_count(), 0u);
}

TEST_F(WalkTest, StaticParameterGetsItsFileScopeAlias)
{
    translate("void g(static int p, int q);\nvoid h(void) { g(1, 2); }");
    symbol *alias = find("__g:0");
    ASSERT_NE(alias, nullptr);
    EXPECT_TRUE(alias->is_param_alias);
    // g is not defined in this unit: the defining unit owns the alias.
    EXPECT_EQ(alias->storage_class, SC_EXTERN);
    EXPECT_EQ(find("__g:1"), nullptr);
}

TEST_F(WalkTest, DefinedFunctionKeepsItsStaticAlias)
{
    translate("void g(static int p) { p = 1; }");
    symbol *alias = find("__g:0");
    ASSERT_NE(alias, nullptr);
    EXPECT_EQ(alias->storage_class, SC_STATIC);
}

TEST_F(WalkTest, AddressOfAnElementScalesInInitializers)
{
    translate("int arr[5];\nint *third = &arr[3];");
    symbol *third = find("third");
    ASSERT_NE(third, nullptr);
    ASSERT_NE(third->initial_data, nullptr);
    EXPECT_EQ(third->initial_data->kind, INIT_ADDRESS_BYTE);
    EXPECT_EQ(third->initial_data->sym, find("arr"));
    EXPECT_EQ(third->initial_data->offset, 6);
    EXPECT_TRUE(third->is_initialized);
}

TEST_F(WalkTest, ExternAfterStaticKeepsTheDefinition)
{
    translate("static int x;\nextern int x;");
    symbol *x = find("x");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->linkage, LINK_INTERNAL);
    EXPECT_EQ(x->storage_class, SC_STATIC);
    EXPECT_TRUE(x->is_tentative);
}

TEST_F(WalkTest, OverlayLocalMarksItsFunction)
{
    translate("void f(void) { overlay int t; t = 1; }");
    symbol *f = find("f");
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->has_overlay_locals);
    EXPECT_EQ(get_error_count(), 0u);
}

TEST_F(WalkTest, SwitchRecordListsItsCasesNewestFirst)
{
    translate("int v;\nvoid f(void) { switch (v) { case 1: case -2: default: v = 0; } }");
    const pcodell *sw = first(I_SWITCH16);
    ASSERT_NE(sw, nullptr);
    ASSERT_NE(sw->cases, nullptr);
    const case_entry *c = sw->cases->cases;
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->value, 1);
    ASSERT_NE(c->next, nullptr);
    EXPECT_EQ(c->next->value, -2);
    EXPECT_EQ(c->next->next, nullptr);
    EXPECT_NE(sw->cases->default_label, nullptr);
    EXPECT_STREQ(c->label->name, "___case_1_lbl00004");
}

TEST_F(WalkTest, EqualLiteralsShareOneObject)
{
    translate("const rom char *a = \"xy\", *b = \"xy\", *c = \"z\";");
    symbol *first_string = find("__string_0");
    ASSERT_NE(first_string, nullptr);
    EXPECT_EQ(first_string->ref_count, 2u);
    ASSERT_NE(first_string->initial_data, nullptr);
    EXPECT_NE(find("__string_1"), nullptr);
    EXPECT_EQ(find("__string_2"), nullptr);
}

TEST_F(WalkTest, LiteralsThatOnlyInitializeArraysLeaveTheStringTableEmpty)
{
    translate("char buf[] = \"abc\";\nrom char msg[] = \"hi\";\n"
              "void f(void) { char loc[] = \"xyz\"; static char kept[4] = \"uv\"; }");
    EXPECT_EQ(first(I_SECTION), nullptr);
    EXPECT_EQ(find("__string_0"), nullptr);
    EXPECT_EQ(find("__string_3"), nullptr);
    for (const void *e = list_first(section_set); e; e = list_next(e))
        EXPECT_STRNE(static_cast<const section *>(e)->name, ".stringtable");
    symbol *buf = find("buf");
    ASSERT_NE(buf, nullptr);
    EXPECT_NE(buf->initial_data, nullptr);
}

TEST_F(WalkTest, LiteralUsedAlsoAsValueStaysInTheStringTable)
{
    translate("char buf[] = \"abc\";\nconst rom char *p = \"abc\";");
    const pcodell *change = first(I_SECTION);
    ASSERT_NE(change, nullptr);
    symbol *string = find("__string_0");
    ASSERT_NE(string, nullptr);
    EXPECT_EQ(string->ref_count, 1u);
    EXPECT_NE(string->initial_data, nullptr);
}

TEST_F(WalkTest, ImplicitDeclarationAtFileScope)
{
    std::string out = translate("void f(void) { g(1); }");
    symbol *g = find("g");
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(is_type_function(g->type));
    EXPECT_NE(out.find("[2058]"), std::string::npos);
}

TEST_F(WalkTest, InterruptRecordIsAttachedToItsDefinition)
{
    translate("int keep;\n#pragma interrupt isr save=keep\nvoid isr(void) { }");
    symbol *isr = find("isr");
    ASSERT_NE(isr, nullptr);
    ASSERT_NE(isr->interrupt, nullptr);
    EXPECT_STREQ(isr->interrupt->tmpdata_name, "isr_tmp");
    ASSERT_NE(isr->interrupt->saves, nullptr);
    EXPECT_EQ(isr->interrupt->saves->sym, find("keep"));
    EXPECT_EQ(isr->interrupt->saves->size, 2u);
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
