#include "translate/symbols.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/driver.h"
#include "driver/options.h"
#include "support/platform.h"
#include "translate/ranges.h"
#include "translate_support.h"

namespace {

class Symbols : public TranslateTest {
protected:
    void SetUp() override
    {
        strcpy(ofile, "/tmp/objects/blink.o");
        TranslateTest::SetUp();
    }

    std::vector<std::string> dump()
    {
        ::testing::internal::CaptureStdout();
        sym_dump_symtbl();
        std::string text = ::testing::internal::GetCapturedStdout();
        std::vector<std::string> lines;
        for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

    symbol *variable(const char *name, const char *file = "", int32_t line = 1, int32_t storage_class = SC_NONE)
    {
        symbol *sym = sym_create_symbol(name, type_copy(int_type), LINK_EXTERNAL, storage_class);
        sym_declare_symbol(sym, sym_get_nesting_level() == 0, line, file);
        return sym;
    }

    symbol *function(const char *name)
    {
        symbol *sym = sym_create_symbol(name, type_copy(void_function_type), LINK_EXTERNAL, SC_EXTERN);
        sym_declare_symbol(sym, true, 1, "");
        return sym;
    }
};

TEST_F(Symbols, ModuleBeginsWithItsSectionsInOrder)
{
    struct expected_section {
        const char *name;
        section_type type;
        bool overlay;
        bool access;
    };
    const expected_section expected[] = {
        {"MATH_DATA", SECTION_UDATA, false, true},       {".tmpdata", SECTION_TMPDATA, true, true},
        {".udata_blink.o", SECTION_UDATA, false, false}, {".idata_blink.o", SECTION_IDATA, false, false},
        {".romdata_blink.o", SECTION_ROMDATA, false, false}, {".code_blink.o", SECTION_CODE, false, false},
    };
    ASSERT_EQ(section_set->count, 6u);
    const section *scn = static_cast<section *>(list_first(section_set));
    for (const expected_section &e : expected) {
        ASSERT_NE(scn, nullptr);
        EXPECT_STREQ(scn->name, e.name);
        EXPECT_EQ(scn->type, e.type) << e.name;
        EXPECT_EQ(scn->overlay, e.overlay) << e.name;
        EXPECT_EQ(scn->access, e.access) << e.name;
        EXPECT_FALSE(scn->share);
        ASSERT_NE(scn->first_entry, nullptr);
        EXPECT_EQ(scn->first_entry->scn, scn);
        scn = static_cast<section *>(list_next(scn));
    }
    EXPECT_EQ(dump(), (std::vector<std::string>{".section: MATH_DATA", ".section: .tmpdata", ".section: .udata_blink.o",
                                                ".section: .idata_blink.o", ".section: .romdata_blink.o",
                                                ".section: .code_blink.o"}));
    EXPECT_STREQ(sym_get_default_udata_scn_name(), ".udata_blink.o");
    EXPECT_STREQ(sym_get_default_idata_scn_name(), ".idata_blink.o");
    EXPECT_STREQ(sym_get_default_code_section()->name, ".code_blink.o");
    EXPECT_STREQ(sym_get_current_romdata_scn()->name, ".romdata_blink.o");
    char *udata = sym_get_current_udata_scn_name();
    EXPECT_STREQ(udata, ".udata_blink.o");
    free(udata);
    EXPECT_EQ(sym_get_nesting_level(), 0);
}

TEST_F(Symbols, NearDefaultRamMakesTheDefaultDataSectionsAccess)
{
    TearDown();
    set_default_range(MEMORY_RAM, RANGE_NEAR);
    SetUp();
    set_default_range(MEMORY_RAM, RANGE_FAR);
    const section *scn = static_cast<section *>(list_first(section_set));
    scn = static_cast<section *>(list_next(list_next(scn)));
    EXPECT_STREQ(scn->name, ".udata_blink.o");
    EXPECT_TRUE(scn->access);
    EXPECT_TRUE(static_cast<section *>(list_next(scn))->access);
}

struct mismatch_case {
    section_type type;
    bool share;
    bool overlay;
    bool access;
    bool absolute;
    std::vector<unsigned> expected;
};

TEST_F(Symbols, SectionAttributeMismatchesKeepTheDefinition)
{
    const mismatch_case cases[] = {
        {SECTION_UDATA, false, false, false, false, {}},
        {SECTION_UDATA, false, false, true, false, {1055}},
        {SECTION_UDATA, true, false, false, false, {1053}},
        {SECTION_UDATA, false, true, false, false, {1052}},
        {SECTION_UDATA, false, false, false, true, {1050}},
        {SECTION_IDATA, false, false, false, false, {1054}},
        {SECTION_IDATA, true, true, true, true, {1050, 1054, 1055, 1053, 1052}},
    };
    symbol *first = sym_enter_section(SECTION_UDATA, "mydata", false, false, false, false, 0);
    for (const mismatch_case &c : cases) {
        unsigned before = master_symbol_list->count;
        symbol *entry = nullptr;
        EXPECT_EQ(diagnostics([&] {
                      entry = sym_enter_section(c.type, "mydata", c.share, c.overlay, c.access, c.absolute, 0x100);
                  }),
                  c.expected);
        EXPECT_EQ(entry->scn, first->scn);
        EXPECT_EQ(master_symbol_list->count, before + 1);
    }
    EXPECT_EQ(first->scn->type, SECTION_UDATA);
    EXPECT_FALSE(first->scn->access || first->scn->share || first->scn->overlay || first->scn->absolute);
    char *current = sym_get_current_udata_scn_name();
    EXPECT_STREQ(current, "mydata");
    free(current);
}

TEST_F(Symbols, AbsoluteSectionsKeepTheirAddressAndDefaultsNeedNoName)
{
    symbol *entry = sym_enter_section(SECTION_ROMDATA, "table", false, false, false, true, 0x2000);
    EXPECT_TRUE(entry->scn->absolute);
    EXPECT_EQ(entry->scn->address, 0x2000u);
    EXPECT_EQ(sym_get_current_romdata_scn(), entry->scn);
    symbol *back = sym_enter_section(SECTION_ROMDATA, nullptr, false, false, false, false, 0);
    EXPECT_STREQ(back->scn->name, ".romdata_blink.o");
    EXPECT_EQ(sym_get_current_romdata_scn(), back->scn);
}

TEST_F(Symbols, ExistingCodeSectionsAddNoEntry)
{
    symbol *fresh = sym_enter_section(SECTION_CODE, "isr_code", false, false, false, true, 0x8);
    unsigned count = master_symbol_list->count;
    EXPECT_EQ(sym_enter_section(SECTION_CODE, "isr_code", false, false, false, false, 0), fresh);
    symbol *code = sym_enter_section(SECTION_CODE, nullptr, false, false, false, false, 0);
    EXPECT_EQ(code, sym_get_default_code_section()->first_entry);
    EXPECT_EQ(master_symbol_list->count, count);
    // A data section entered again does record the change.
    sym_enter_section(SECTION_UDATA, nullptr, false, false, false, false, 0);
    EXPECT_EQ(master_symbol_list->count, count + 1);
}

TEST_F(Symbols, ScopesAndShadowing)
{
    symbol *file_x = variable("x");
    symbol *f = function("f");
    sym_begin_function(f, 2, "");
    EXPECT_EQ(sym_get_nesting_level(), 1);
    symbol *param = variable("p", "", 2, SC_AUTO);
    sym_begin_block(3, "");
    EXPECT_EQ(sym_get_nesting_level(), 1) << "the outermost block shares the function's scope";
    EXPECT_EQ(sym_lookup_sym("p", LOOKUP_CURRENT), param);
    symbol *local_p = variable("p", "", 3, SC_AUTO);
    EXPECT_EQ(sym_lookup_sym("p", LOOKUP_CURRENT), local_p);
    EXPECT_EQ(sym_lookup_sym("x", LOOKUP_ALL), file_x);
    EXPECT_EQ(sym_lookup_sym("x", LOOKUP_CURRENT), nullptr);

    sym_begin_block(4, "");
    EXPECT_EQ(sym_get_nesting_level(), 2);
    symbol *inner_x = variable("x", "", 4, SC_AUTO);
    EXPECT_EQ(inner_x->nesting_level, 2);
    EXPECT_EQ(sym_lookup_sym("x", LOOKUP_ALL), inner_x);
    EXPECT_EQ(sym_lookup_sym("x", LOOKUP_FILE), file_x);
    sym_end_block(5, "");
    EXPECT_EQ(sym_lookup_sym("x", LOOKUP_ALL), file_x);
    sym_end_block(6, "");
    sym_end_function(f, 6, "");
    EXPECT_EQ(sym_get_nesting_level(), 0);
    EXPECT_EQ(sym_lookup_sym("p", LOOKUP_ALL), nullptr);
    EXPECT_NE(f->bf_entry, nullptr);
    EXPECT_NE(f->ef_entry, nullptr);
    EXPECT_EQ(f->bf_entry->function, f);

    std::vector<std::string> lines = dump();
    std::vector<std::string> tail(lines.end() - 10, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"1: var: x", "2: bf", "2: var: p", "3: bb", "3: var: p", "4: bb",
                                              "4: var: x", "5: eb", "6: eb", "6: ef"}));
}

TEST_F(Symbols, PrototypeScopesAndTags)
{
    tag_record *outer = sym_declare_tag("s", STRUCT_TAG);
    sym_begin_prototype();
    EXPECT_EQ(sym_get_nesting_level(), 1);
    EXPECT_EQ(sym_lookup_tag("s", true), nullptr);
    EXPECT_EQ(sym_lookup_tag("s", false), outer);
    tag_record *inner = sym_declare_tag("s", UNION_TAG);
    EXPECT_EQ(sym_lookup_tag("s", false), inner);
    sym_end_prototype();
    EXPECT_EQ(sym_lookup_tag("s", false), outer);
    EXPECT_EQ(sym_get_nesting_level(), 0);
}

TEST_F(Symbols, LabelsBelongToTheirFunction)
{
    symbol *f = function("f");
    sym_begin_function(f, 1, "");
    symbol *label = sym_create_label("again");
    EXPECT_EQ(label->kind, LABEL);
    EXPECT_EQ(sym_lookup_label("again"), label);
    sym_begin_block(1, "");
    sym_end_block(2, "");
    sym_end_function(f, 2, "");
    symbol *g = function("g");
    sym_begin_function(g, 3, "");
    EXPECT_EQ(sym_lookup_label("again"), nullptr);
    sym_begin_block(3, "");
    sym_end_block(4, "");
    sym_end_function(g, 4, "");
}

TEST_F(Symbols, MasterListFollowsTheSourceFiles)
{
    dependent_file_list = list_create(sizeof(char *));
    for (const char *name : {"inc/a.h", "other.h"})
        *static_cast<char **>(list_append(dependent_file_list)) = strdup(name);
    sym_enter_file("main.c");
    variable("before", "main.c", 1);
    variable("in_header", "inc/a.h", 3);
    variable("also_in_header", "inc/a.h", 4);
    variable("after", "main.c", 5);
    variable("outside", "main.c", 6, SC_EXTERN);

    std::string main_path = _fullpath("main.c");
    std::string header_path = _fullpath("inc/a.h");
    std::vector<std::string> lines = dump();
    std::vector<std::string> tail(lines.begin() + 6, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{".file: " + main_path, "1: var: before", ".file: " + header_path,
                                              "3: var: in_header", "4: var: also_in_header", ".file: " + main_path,
                                              "5: var: after"}));
    ASSERT_EQ(dependent_file_list->count, 1u);
    EXPECT_STREQ(*static_cast<char **>(list_first(dependent_file_list)), "other.h");
    list_free(dependent_file_list, s_free_object);
    dependent_file_list = nullptr;
}

TEST_F(Symbols, AutoObjectsInRomMoveToRam)
{
    typell *type = type_copy(int_type);
    type->memory = MEMORY_ROM;
    type->range = RANGE_NEAR;
    symbol *sym = nullptr;
    EXPECT_EQ(diagnostics([&] { sym = sym_create_symbol("local", type, LINK_NONE, SC_AUTO); }),
              std::vector<unsigned>{1174});
    EXPECT_EQ(sym->type->memory, MEMORY_RAM);
    EXPECT_EQ(sym->type->range, RANGE_FAR);
    typell *static_type = type_copy(int_type);
    static_type->memory = MEMORY_ROM;
    EXPECT_TRUE(diagnostics([&] { sym_create_symbol("kept", static_type, LINK_NONE, SC_STATIC); }).empty());
}

TEST_F(Symbols, CallListsCountDirectAndIndirectCalls)
{
    symbol *caller = function("caller");
    symbol *callee = function("callee");
    symbol *other = function("other");
    for (int i = 0; i < 3; ++i)
        sym_add_call(caller, callee);
    sym_add_call(caller, nullptr);
    sym_add_call(caller, other);
    sym_add_call(caller, nullptr);
    sym_add_call(nullptr, callee);

    ASSERT_NE(caller->calls, nullptr);
    EXPECT_EQ(caller->calls->callee, other);
    EXPECT_EQ(caller->calls->count, 1u);
    const call_element *indirect = caller->calls->older;
    EXPECT_EQ(indirect->kind, CALL_INDIRECT);
    EXPECT_EQ(indirect->count, 2u);
    const call_element *direct = indirect->older;
    EXPECT_EQ(direct->kind, CALL_DIRECT);
    EXPECT_EQ(direct->callee, callee);
    EXPECT_EQ(direct->count, 3u);
    EXPECT_EQ(direct->older, nullptr);
    EXPECT_EQ(direct->newer, indirect);

    sym_remove_call(caller, other);
    EXPECT_EQ(caller->calls, indirect);
    EXPECT_EQ(indirect->newer, nullptr);
    sym_remove_call(caller, callee);
    EXPECT_EQ(direct->count, 2u);
}

TEST_F(Symbols, GeneratedNamesCountOnTheirOwn)
{
    char buffer[16];
    sym_get_fake_tag_name(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "__tag_0");
    sym_get_fake_tag_name(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "__tag_1");
    char tiny[4];
    EXPECT_THROW(diagnostics([&] { sym_get_fake_tag_name(tiny, sizeof tiny); }), compile_abort);

    symbol *tmp = sym_temp_symbol(6);
    EXPECT_STREQ(tmp->name, "__tmp_0");
    EXPECT_TRUE(tmp->is_temp);
    EXPECT_EQ(tmp->linkage, LINK_INTERNAL);
    EXPECT_EQ(tmp->storage_class, SC_STATIC);
    EXPECT_EQ(tmp->type->kind, ARY);
    EXPECT_EQ(tmp->type->detail.count, 6u);
    EXPECT_EQ(tmp->type->memory, MEMORY_RAM);
    EXPECT_EQ(tmp->type->range, RANGE_NEAR);
    EXPECT_STREQ(sym_temp_symbol(0)->name, "__tmp_1");

    symbol *label = sym_temp_label(9, "x.c");
    EXPECT_STREQ(label->name, "__tmplbl_0");
    EXPECT_EQ(label->kind, LABEL);

    symbol *string = sym_string_symbol(3);
    EXPECT_STREQ(string->name, "__string_0");
    EXPECT_EQ(string->type->detail.count, 4u);
    EXPECT_EQ(string->type->memory, MEMORY_ROM);
    EXPECT_EQ(string->type->range, trnGetDefaultRange(MEMORY_ROM));
    EXPECT_TRUE(string->type->is_const);
    EXPECT_TRUE(string->type->next->is_const);
    EXPECT_EQ(string->type->next->memory, MEMORY_ROM);

    symbol *config = sym_config_symbol();
    EXPECT_STREQ(config->name, "__config_0");
    EXPECT_EQ(config->type->kind, BSC);
    EXPECT_EQ(config->type->memory, MEMORY_ROM);

    char *actrec = sym_make_act_rec_scn_name("main");
    EXPECT_STREQ(actrec, "blink.o:main");
    free(actrec);
}

TEST_F(Symbols, CountersStartAgainWithTheNextModule)
{
    sym_temp_symbol(1);
    TearDown();
    SetUp();
    EXPECT_STREQ(sym_temp_symbol(1)->name, "__tmp_0");
}

TEST_F(Symbols, DeclarationTraceLine)
{
    symbol *sym = sym_create_symbol("counter", type_copy(int_type), LINK_INTERNAL, SC_STATIC);
    sym->line = 12;
    debug_trans_flag = 1;
    ::testing::internal::CaptureStdout();
    print_symbol("declaring", sym);
    std::string text = ::testing::internal::GetCapturedStdout();
    debug_trans_flag = 0;
    EXPECT_EQ(text, "  12 declaring[counter] SI <AFBSC>\n");
}

} // namespace
