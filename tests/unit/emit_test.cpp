// The emitter's limit on line numbers: an error and no object file rather
// than a section whose count field wraps.
#include <gtest/gtest.h>

#include <filesystem>

#include "codegen/codegen.h"
#include "codegen/obj.h"
#include "codegen_support.h"
#include "object/emit.h"
#include "optimize/optimize.h"
#include "run_support.h"

namespace {

const char *const SOURCE = "prog.c";

class EmitTest : public CodegenTest {
protected:
    void SetUp() override
    {
        snprintf(ofile, sizeof ofile, "%s", "prog.o");
        CodegenTest::SetUp();
    }
    void TearDown() override
    {
        genFree();
        CodegenTest::TearDown();
    }

    // A function defined in the current code section; `body` appends its
    // records between the function's boundaries, one source line each.
    template <typename Body> void define(symbol *fn, Body body)
    {
        fn->storage_class = SC_NONE;
        fn->is_defined = true;
        sym_begin_function(fn, line, SOURCE);
        add(objBeginFunct(fn, line, SOURCE));
        body();
        add(objEndFunct(fn, line, SOURCE));
        sym_end_function(fn, line, SOURCE);
        section *scn = sym_get_default_code_section();
        fn->code_section = scn;
        scn->code = objAppend(scn->code, code);
        code = tail = nullptr;
    }

    ocode *add(inst *ins) { return add(objInst(ins, ++line, SOURCE)); }
    // Appends at the kept tail: a long function would make appending to
    // the head's list quadratic.
    ocode *add(ocode *oc)
    {
        if (tail) {
            tail->next = oc;
            oc->prev = tail;
        } else {
            code = oc;
        }
        tail = oc;
        return oc;
    }
    void nops(int count)
    {
        for (int i = 0; i < count; ++i)
            add(iVx_NOP());
    }

    scratch_directory dir;
    ocode *code = nullptr;
    ocode *tail = nullptr;
    int32_t line = 1;
};

// A section holds at most 65535 line-number entries; beyond that the
// emitter posts 1070 and writes nothing.
TEST_F(EmitTest, TooManyLineNumbers)
{
    define(function("long_one"), [&] {
        nops(0x10000);
        add(iVx_RETURN(0));
    });
    std::string path = dir.path("long.o");
    std::vector<std::string> lines = diagnostics([&] {
        optimize_assembly();
        emit_write_object_file(path.c_str());
    });
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "[1070] too many line numbers in section '.code_prog.o'");
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
