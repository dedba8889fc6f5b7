#include "translate/ir.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "frontend/pragma.h"
#include "translate/lower.h"
#include "translate/ranges.h"
#include "translate_support.h"

namespace {

using IR = TranslateTest;

struct opcode_case {
    uint32_t code;
    const char *name;
};

TEST(IROperators, FixedCodesAndPrintedNames)
{
    const opcode_case cases[] = {
        {100, "I_NOP"},        {101, "I_PREINC8RAM"},  {105, "I_PREINCFRAM"},  {106, "I_PSTINC8RAM"},
        {111, "I_PREDEC8RAM"}, {120, "I_PSTDECFRAM"},  {121, "I_PREINC8ROM"},  {140, "I_PSTDECFROM"},
        {141, "I_cop8"},       {145, "I_copF"},        {146, "I_cop8A"},       {150, "I_copFA"},
        {151, "I_SUB8"},       {152, "I_MUL8S"},       {157, "I_MOD8U"},       {158, "I_SUB16"},
        {178, "I_MOD32U"},     {179, "I_SUBF"},        {181, "I_DIVF"},        {182, "I_SUB8A"},
        {183, "I_MUL8AS"},     {209, "I_MOD32AU"},     {212, "I_DIVFA"},       {213, "I_MOV8"},
        {217, "I_MOVX"},       {218, "I_COND"},        {219, "I_COND8"},       {223, "I_CONDX"},
        {224, "I_CONDSEP"},    {225, "I_IDROM16"},     {226, "I_IDROM24"},     {227, "I_IDRAM8"},
        {228, "I_IDRAM16"},    {229, "I_IDSTK"},       {230, "I_IND8RAM8"},    {234, "I_INDXRAM8"},
        {235, "I_IND8RAM16"},  {241, "I_IND16ROM16"},  {248, "I_IND32ROM24"},  {249, "I_INDXROM24"},
        {250, "I_BITFROM16"},  {253, "I_BITFRAM16"},   {254, "I_MEMBERRAM8"},  {257, "I_MEMBERROM24"},
        {258, "I_SHR8"},       {262, "I_SHR8A"},       {266, "I_SHL8"},        {273, "I_SHL32A"},
        {274, "I_COM8"},       {277, "I_COM32"},       {278, "I_EQ8"},         {282, "I_EQF"},
        {283, "I_GT8S"},       {287, "I_GT8U"},        {291, "I_GTF"},         {292, "I_LT8S"},
        {296, "I_LT8U"},       {300, "I_LTF"},         {301, "I_TST8"},        {305, "I_TSTF"},
        {306, "I_LOR"},        {308, "I_LNOT"},        {309, "I_JMP"},         {310, "I_CALL"},
        {311, "I_CALL8"},      {315, "I_CALLX"},       {316, "I_SWITCH8"},     {319, "I_SWITCH32"},
        {320, "I_ARGNOP"},     {325, "I_ARGX"},        {326, "I_C8TO16S"},     {333, "I_C16TO24U"},
        {337, "I_C24TO32U"},   {338, "I_C8UTOF"},      {339, "I_C8STOF"},      {345, "I_C32STOF"},
        {346, "I_CFTO8"},      {349, "I_CFTO32"},      {350, "I_C16TO8"},      {355, "I_C32TO24"},
        {356, "I_CNST8"},      {360, "I_CNSTF"},       {361, "I_INITX"},       {362, "I_RIGHT"},
        {363, "I_LEFT"},       {364, "I_PRAGMA"},      {365, "I_IF"},          {366, "I_LABEL"},
        {367, "I_GOTO"},       {368, "I_RET"},         {369, "I_RET8"},        {373, "I_RETX"},
        {374, "I_ASM"},        {375, "I_ENUM_LABEL"},  {376, "I_BFUNCT"},      {377, "I_EFUNCT"},
        {378, "I_SECTION"},    {99, "--ERROR--"},      {379, "--ERROR--"},     {0, "--ERROR--"},
    };
    for (const opcode_case &c : cases)
        EXPECT_STREQ(pcodell_get_opcode_name(c.code), c.name) << c.code;
    std::set<std::string> names;
    for (uint32_t code = I_NOP; code <= I_SECTION; ++code)
        names.insert(pcodell_get_opcode_name(code));
    EXPECT_EQ(names.size(), 279u);
    EXPECT_EQ(names.count("--ERROR--"), 0u);
}

TEST(IROperators, ClassPredicates)
{
    struct class_case {
        bool (*predicate)(const pcodell *);
        uint32_t first;
        uint32_t last;
    };
    const class_case cases[] = {
        {is_pcodell_constant, I_CNST8, I_CNSTF},      {isPcodellIdentifier, I_IDROM16, I_IDSTK},
        {isPcodellIndirection, I_IND8RAM8, I_INDXROM24}, {isPcodellBitfield, I_BITFROM16, I_BITFRAM16},
        {is_pcodell_commutativeOperator, I_cop8, I_copFA}, {isPcodellSimpleAssignment, I_MOV8, I_MOVX},
        {isPcodellNop, I_NOP, I_NOP},
    };
    for (const class_case &c : cases) {
        for (uint32_t code = I_NOP; code <= I_SECTION; ++code) {
            pcodell node = {};
            node.opcode = code;
            EXPECT_EQ(c.predicate(&node), code >= c.first && code <= c.last) << pcodell_get_opcode_name(code);
        }
        EXPECT_FALSE(c.predicate(nullptr));
    }
    for (uint32_t code = I_NOP; code <= I_SECTION; ++code)
        EXPECT_EQ(is_opcode_cast(code), code >= 326 && code <= 355) << code;
}

TEST(IRStatements, AppendInsertAndFree)
{
    stmt *list = nullptr;
    for (int line = 1; line <= 3; ++line)
        list = stmtAppend(list, stmtCreate(pcodell_create(I_NOP, nullptr, nullptr, line, "a.c")));
    stmtInsertAfter(list, stmtCreate(pcodell_create(I_NOP, nullptr, nullptr, 9, "a.c")));
    std::vector<int> lines;
    const stmt *last = nullptr;
    for (const stmt *s = list; s; s = s->next) {
        lines.push_back(s->tree->line);
        EXPECT_EQ(s->prev, last);
        last = s;
    }
    EXPECT_EQ(lines, (std::vector<int>{1, 9, 2, 3}));
    stmtFreeList(list);
}

TEST_F(IR, CopiesAreDeep)
{
    pcodell *sum = ll_add(ll_ident(void_symbol, 1, "a.c"), ll_constant(CT_INT, 5, 1, "a.c"), 1, "a.c");
    pcodell *copy = pcodell_copy(sum);
    EXPECT_NE(copy->left, sum->left);
    EXPECT_NE(copy->type, sum->type);
    EXPECT_EQ(copy->file, sum->file); // file names are shared for the whole run
    EXPECT_STREQ(copy->file, "a.c");
    EXPECT_EQ(copy->left->sym, void_symbol);
    EXPECT_EQ(copy->right->constant.value, 5u);
    pcodellFreeTree(sum);
    pcodellFreeTree(copy);
}

std::string dumped(const pcodell *tree)
{
    ::testing::internal::CaptureStdout();
    pcodell_dbg_dump_tree(tree);
    return ::testing::internal::GetCapturedStdout();
}

TEST_F(IR, DebugDump)
{
    declare("int x; float f;");
    symbol *x = sym_lookup_sym("x", LOOKUP_ALL);
    pcodell *value = ll_indir(ll_ident(x, 7, "a.c"), 2, MEMORY_RAM, RANGE_FAR, 7, "a.c");
    pcodell *sum = ll_add(value, ll_constant(CT_INT, static_cast<uint32_t>(-5), 7, "a.c"), 7, "a.c");
    EXPECT_EQ(dumped(sum), "   7: I_cop16(B_ADD)\n"
                           "   7:     I_IND16RAM16\n"
                           "   7:         I_IDRAM16(x)\n"
                           "   7:     I_CNST16(-5)\n");
    pcodellFreeTree(sum);

    pcodell *half = ll_new_float_const(1.5f, 8, "a.c");
    EXPECT_EQ(dumped(half), "   8: I_CNSTF(1.500000)\n");
    pcodellFreeTree(half);

    symbol *label = sym_temp_label(9, "a.c");
    pcodell *jump = ll_jump_statement(label, 9, "a.c");
    EXPECT_EQ(dumped(jump), "   9: I_JMP(__tmplbl_0)\n");
    pcodellFreeTree(jump);

    pcodell bad = {};
    bad.opcode = 4000;
    bad.line = 1;
    EXPECT_EQ(dumped(&bad), "   1: --ERROR--\n");
}

TEST_F(IR, PragmasEnterSectionsOrTravelAsCopies)
{
    pragma_record section = {};
    section.kind = PRAGMA_SECTION;
    section.section_type = PSECT_UDATA;
    section.section_name = const_cast<char *>("buffers");
    section.access = 1;
    pcodell *tree = ll_pragma(&section, 3, "a.c");
    EXPECT_EQ(tree->opcode, I_SECTION);
    ASSERT_NE(tree->sym, nullptr);
    EXPECT_STREQ(tree->sym->scn->name, "buffers");
    EXPECT_TRUE(tree->sym->scn->access);
    pcodellFreeTree(tree);

    pragma_record tmpdata = {};
    tmpdata.kind = PRAGMA_TMPDATA;
    tmpdata.section_name = const_cast<char *>("isr_tmp");
    tree = ll_pragma(&tmpdata, 4, "a.c");
    EXPECT_EQ(tree->opcode, I_SECTION);
    EXPECT_EQ(tree->sym->scn->type, SECTION_TMPDATA);
    EXPECT_TRUE(tree->sym->scn->access);
    EXPECT_EQ(sym_get_current_tmpdata_scn(), tree->sym->scn);
    pcodellFreeTree(tree);

    save_entry counter = {SAVE_ENTRY_SYMBOL, const_cast<char *>("counter"), nullptr};
    pragma_record interrupt = {};
    interrupt.kind = PRAGMA_INTERRUPT;
    interrupt.function_name = const_cast<char *>("isr");
    interrupt.save_list = &counter;
    tree = ll_pragma(&interrupt, 5, "a.c");
    EXPECT_EQ(tree->opcode, I_PRAGMA);
    ASSERT_NE(tree->pragma, nullptr);
    EXPECT_STREQ(tree->pragma->function_name, "isr");
    EXPECT_NE(tree->pragma->function_name, interrupt.function_name);
    ASSERT_NE(tree->pragma->save_list, nullptr);
    EXPECT_STREQ(tree->pragma->save_list->name, "counter");
    pcodell *copy = pcodell_copy(tree);
    EXPECT_NE(copy->pragma, tree->pragma);
    pcodellFreeTree(copy);
    pcodellFreeTree(tree);
}

} // namespace
