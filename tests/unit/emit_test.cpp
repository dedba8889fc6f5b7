// Functions built as output code go through branch resolution and the
// emitter into an object that the linker links and the simulator runs: the
// code layout of the object (function symbols, .bf addresses, line numbers,
// relocations of branches, calls and labels) is proven by execution.
#include <gtest/gtest.h>

#include <cstring>

#include "codegen/codegen.h"
#include "codegen/obj.h"
#include "codegen_support.h"
#include "object/coff.h"
#include "object/emit.h"
#include "optimize/optimize.h"
#include "run_support.h"
#include "target/instset.h"

namespace {

constexpr int32_t F = 1, W = 0;
const char *const SOURCE = "prog.c";

class EmitTest : public CodegenTest {
protected:
    void SetUp() override
    {
        snprintf(ofile, sizeof ofile, "%s", "prog.o");
        CodegenTest::SetUp();
        sym_enter_section(SECTION_UDATA, "fast", false, false, true, false, 0);
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
    ocode *label(symbol *sym) { return add(objLabel(sym, ++line, SOURCE)); }
    void two_words(inst *first, inst *second)
    {
        add(first);
        add(objInst(second, line, SOURCE));
    }
    void nops(int count)
    {
        for (int i = 0; i < count; ++i)
            add(iVx_NOP());
    }

    // Emits the unit into `name` in the scratch directory and reads it back.
    coff_file *emit(const char *name)
    {
        unsigned errors = get_error_count();
        optimize_assembly();
        std::string path = dir.path(name);
        emit_write_object_file(path.c_str());
        EXPECT_EQ(get_error_count(), errors);
        return coff_read(path.c_str());
    }

    scratch_directory dir;
    ocode *code = nullptr;
    ocode *tail = nullptr;
    int32_t line = 1;
};

const coff_syment *find_symbol(const coff_file *image, const char *name, uint32_t *index = nullptr)
{
    for (size_t i = 0; i < image->symbols.size(); i += 1 + uint8_t(image->symbols[i].sym.n_numaux))
        if (coff_symbol_name(image, &image->symbols[i].sym) == name) {
            if (index)
                *index = uint32_t(i);
            return &image->symbols[i].sym;
        }
    return nullptr;
}

// main sums 10 + 9 + ... + 1 in a loop that calls bump, a function defined
// after it, on every pass; jumps over far code with a GOTO and a
// conditional branch that resolution must lengthen; and calls a function of
// in-line assembly whose literal branch and label stay as written.
TEST_F(EmitTest, BuiltFunctionsLinkAndRun)
{
    symbol *count = variable("count", RANGE_NEAR);
    symbol *sum = variable("sum", RANGE_NEAR);
    symbol *calls = variable("calls", RANGE_NEAR);
    symbol *far_ok = variable("far_ok", RANGE_NEAR);
    symbol *asm_ok = variable("asm_ok", RANGE_NEAR);
    symbol *bump = function("bump");
    symbol *by_hand = function("by_hand");

    define(function("main"), [&] {
        add(iVx_MOVLW(10));
        add(iVx_MOVWF(count, 0));
        add(iVx_CLRF(sum, 0));
        symbol *loop = sym_temp_label(line, SOURCE);
        label(loop);
        add(iVx_opWF(IT_MOVF, count, 0, W));
        add(iVx_opWF(IT_ADDWF, sum, 0, F));
        two_words(iVx_CALL(bump, 0, 0), iVx_CALL2(bump, 0));
        add(iVx_opWF(IT_DECF, count, 0, F));
        add(objBNZSymbol(loop, line, SOURCE));
        // Z is set: the conditional branch is taken over 200 words.
        symbol *past_middle = sym_temp_label(line, SOURCE);
        add(objBZSymbol(past_middle, line, SOURCE));
        nops(200);
        add(iVx_SETF(far_ok, 0));
        label(past_middle);
        symbol *past_far = sym_temp_label(line, SOURCE);
        add(objBranchSymbol(past_far, line, SOURCE));
        nops(1100);
        add(iVx_SETF(far_ok, 0));
        label(past_far);
        add(iVx_opWF(IT_INCF, far_ok, 0, F));
        two_words(iVx_CALL(by_hand, 0, 0), iVx_CALL2(by_hand, 0));
        add(iVx_RETURN(0));
    });
    define(bump, [&] {
        add(iVx_opWF(IT_INCF, calls, 0, F));
        add(iVx_RETURN(0));
    });
    define(by_hand, [&] {
        by_hand->has_asm = true;
        symbol *mark = sym_create_label("mark");
        for (inst *ins : {iVx_MOVLW(5), iVx_BRA(1), iVx_MOVLW(9)})
            add(ins)->data.inst.ins->is_inline = 1;
        label(mark);
        for (inst *ins : {iVx_MOVWF(asm_ok, 0), iVx_RETURN(0)})
            add(ins)->data.inst.ins->is_inline = 1;
    });

    coff_file *image = emit("prog.o");
    ASSERT_NE(image, nullptr);
    uint32_t main_index = 0;
    const coff_syment *main_sym = find_symbol(image, "main", &main_index);
    const coff_syment *bf = find_symbol(image, ".bf");
    ASSERT_TRUE(main_sym && bf && find_symbol(image, "mark"));
    const coff_section &text = image->sections[main_sym->n_scnum - 1];
    EXPECT_EQ(bf->n_value, main_sym->n_value);
    ASSERT_FALSE(text.linenos.empty());
    EXPECT_EQ(text.linenos[0].l_paddr, main_sym->n_value);
    EXPECT_EQ(text.linenos[0].l_fcnndx, main_index);
    // The call to bump became a one-word RCALL; the one to by_hand too.
    bool rcall = false;
    for (const coff_reloc &r : text.relocs)
        rcall |= r.r_type == RELOC_BRA;
    EXPECT_TRUE(rcall);
    coff_free(image);

    std::string errors;
    ASSERT_EQ(dir.link({"prog.o"}, &errors), 0) << errors;
    std::unique_ptr<sim_state> s = dir.run();
    EXPECT_EQ(s->data[dir.address_of("sum")], 55);
    EXPECT_EQ(s->data[dir.address_of("calls")], 10);
    EXPECT_EQ(s->data[dir.address_of("far_ok")], 1);
    EXPECT_EQ(s->data[dir.address_of("asm_ok")], 5);
    EXPECT_EQ(s->data[dir.address_of("count")], 0);
}

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
