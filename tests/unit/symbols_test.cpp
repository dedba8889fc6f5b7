#include "translate/symbols.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "driver/driver.h"
#include "translate_support.h"

namespace {

class Symbols : public TranslateTest {
protected:
    void SetUp() override
    {
        strcpy(ofile, "/tmp/objects/blink.o");
        TranslateTest::SetUp();
    }
};

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

} // namespace
