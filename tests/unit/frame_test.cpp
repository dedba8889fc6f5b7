// Temporaries are saved around a call exactly when they are live across it,
// and a caller and a callee built from the frame routines run correctly with
// either stack model, which no end-to-end program selects.
#include <gtest/gtest.h>

#include <string>

#include "codegen/codegen.h"
#include "codegen/frame.h"
#include "codegen/obj.h"
#include "codegen/regs.h"
#include "codegen/regsyms.h"
#include "codegen/temps.h"
#include "codegen_support.h"
#include "object/emit.h"
#include "optimize/optimize.h"
#include "run_support.h"
#include "target/instset.h"
#include "target/sfr_map.h"

namespace {

constexpr int32_t W = 0, F = 1;
const char *const SOURCE = "prog.c";

class FrameTest : public CodegenTest {
protected:
    void SetUp() override
    {
        CodegenTest::SetUp();
        genInitSymbols();
        tmp_enter_main();
    }
    void TearDown() override
    {
        objFree(list);
        stack_multi_bank_flag = 0;
        gen_register_symbols_clear();
        CodegenTest::TearDown();
    }

    static symbol *reg(const char *name) { return gen_register_symbol(name); }
    static ocode *one(inst *ins) { return objInst(ins, 7, SOURCE); }
    static symbol *tmp() { return tmp_get_sym(); }
    // Joins the records into the list that the test owns.
    void own(std::initializer_list<ocode *> records)
    {
        for (ocode *oc : records)
            list = objAppend(list, oc);
    }

    ocode *list = nullptr;
};

// Byte 0 is written before the call and read after it; byte 1 is rewritten
// before it is read; byte 2 is only written after; byte 3 goes in and out
// by MOVFF.  The pops carry the line of their marker.
TEST_F(FrameTest, OnlyTemporariesLiveAcrossTheCallAreSaved)
{
    symbol *f = function("f");
    symbol *x = variable("x", RANGE_NEAR);
    own({one(iVx_MOVWF(tmp(), 0)), one(iVx_CLRF(tmp(), 1)), one(iVx_MOVFF(x, 0)), one(iVx_MOVFF2(x, 0, tmp(), 3)),
         objPushTemps(8, SOURCE), one(iVx_MOVWF(reg("POSTINC1"), 0)), one(iVx_CALL(f, 0, 0)), one(iVx_CALL2(f, 0)),
         objPopTemps(9, SOURCE), one(iVx_MOVWF(tmp(), 2)), one(iVx_SETF(tmp(), 1)),
         one(iVx_opWF(IT_ADDWF, tmp(), 0, F)), one(iVx_MOVFF(tmp(), 3)), one(iVx_MOVFF2(tmp(), 3, x, 0)),
         one(iVx_opWF(IT_MOVF, tmp(), 1, W))});
    list = tmp_save_and_restore(list);
    EXPECT_EQ(listing(list),
              "movwf __tmp_0, 0; clrf __tmp_0 + 1, 0; movff x, __tmp_0 + 3; "
              "movff __tmp_0, POSTINC1; movff __tmp_0 + 3, POSTINC1; movwf POSTINC1, 0; call f, 0, f; "
              "movf POSTDEC1, 1, 0; movff INDF1, __tmp_0 + 3; movf POSTDEC1, 1, 0; movff INDF1, __tmp_0; "
              "movwf __tmp_0 + 2, 0; setf __tmp_0 + 1, 0; addwf __tmp_0, 1, 0; movff __tmp_0 + 3, x; "
              "movf __tmp_0 + 1, 0, 0");
    for (const ocode *oc = list; oc; oc = oc->next)
        if (oc->type == OC_INST && oc->data.inst.ins->operand[0].value.sym == reg("POSTDEC1")) {
            EXPECT_EQ(oc->line, 9);
        }
}

TEST_F(FrameTest, MarkersGoWhenNothingIsLive)
{
    symbol *f = function("f");
    own({objPushTemps(8, SOURCE), one(iVx_MOVWF(tmp(), 0)), one(iVx_CALL(f, 0, 0)), one(iVx_CALL2(f, 0)),
         objPopTemps(9, SOURCE), one(iVx_MOVWF(tmp(), 1))});
    list = tmp_save_and_restore(list);
    EXPECT_EQ(listing(list), "movwf __tmp_0, 0; call f, 0, f; movwf __tmp_0 + 1, 0");
    EXPECT_EQ(list->prev, nullptr);
    EXPECT_EQ(tmp_save_and_restore(objAppend(objPushTemps(8, SOURCE), objPopTemps(9, SOURCE))), nullptr);
    EXPECT_EQ(tmp_save_and_restore(nullptr), nullptr);
}

// f(g() + t1) with t0 needed after f: the outer pair saves t0, the inner
// one t1.
TEST_F(FrameTest, NestedCallsSaveTheirOwnTemporaries)
{
    symbol *f = function("f");
    symbol *g = function("g");
    own({one(iVx_MOVWF(tmp(), 0)), objPushTemps(8, SOURCE), one(iVx_MOVWF(tmp(), 1)), objPushTemps(8, SOURCE),
         one(iVx_CALL(g, 0, 0)), one(iVx_CALL2(g, 0)), objPopTemps(8, SOURCE), one(iVx_opWF(IT_ADDWF, tmp(), 1, W)),
         one(iVx_MOVWF(reg("POSTINC1"), 0)), one(iVx_CALL(f, 0, 0)), one(iVx_CALL2(f, 0)), objPopTemps(9, SOURCE),
         one(iVx_opWF(IT_MOVF, tmp(), 0, W))});
    list = tmp_save_and_restore(list);
    EXPECT_EQ(listing(list), "movwf __tmp_0, 0; movff __tmp_0, POSTINC1; movwf __tmp_0 + 1, 0; "
                             "movff __tmp_0 + 1, POSTINC1; call g, 0, g; movf POSTDEC1, 1, 0; "
                             "movff INDF1, __tmp_0 + 1; addwf __tmp_0 + 1, 0, 0; movwf POSTINC1, 0; call f, 0, f; "
                             "movf POSTDEC1, 1, 0; movff INDF1, __tmp_0; movf __tmp_0, 0, 0");
}

// A caller pushes six arguments, calls a function with two locals, drops
// the arguments and stores the result; the callee copies its first and last
// argument into its locals and returns their difference in WREG.  Both
// stack models must leave FSR1 and FSR2 where they began.
class FrameRunTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        sym_enter_section(SECTION_UDATA, "fast", false, false, true, false, 0);
    }
    void TearDown() override
    {
        genFree();
        FrameTest::TearDown();
    }

    void define(symbol *fn, uint32_t locals, uint32_t params, ocode *body)
    {
        fn->storage_class = SC_NONE;
        fn->is_defined = true;
        sym_begin_function(fn, 1, SOURCE);
        ocode *code = objBeginFunct(fn, 1, SOURCE);
        code = objAppend(code, oVxProcessFunction(body, locals, params, fn, 1, 2, SOURCE, 30, SOURCE));
        tmp_clear();
        code = objAppend(code, objEndFunct(fn, 30, SOURCE));
        sym_end_function(fn, 30, SOURCE);
        section *scn = sym_get_default_code_section();
        fn->code_section = scn;
        scn->code = objAppend(scn->code, code);
    }

    static ocode *join(std::initializer_list<ocode *> pieces)
    {
        ocode *code = nullptr;
        for (ocode *piece : pieces)
            code = objAppend(code, piece);
        return code;
    }

    void run(int multi_bank, bool through_pointer)
    {
        stack_multi_bank_flag = multi_bank;
        symbol *result = variable("result", RANGE_NEAR);
        symbol *difference = function("difference");
        // Below the saved frame pointer (one byte, two with -ls) lie the last
        // argument and, five bytes further down, the first.
        int32_t saved = multi_bank ? 2 : 1;
        define(difference, 2, 6,
               join({one(iVx_MOVLW((-saved - 6) & 0xFF)), one(iVx_opWF(IT_MOVF, reg("PLUSW2"), 0, W)),
                     one(iVx_MOVWF(reg("INDF2"), 0)), one(iVx_MOVLW((-saved - 1) & 0xFF)),
                     oVxMovFFX(1, reg("PLUSW2"), 0, reg("PRODL"), 0, 11, SOURCE), one(iVx_MOVLW(1)),
                     oVxMovFFX(1, reg("PRODL"), 0, reg("PLUSW2"), 0, 12, SOURCE), one(iVx_MOVLW(1)),
                     one(iVx_opWF(IT_MOVF, reg("PLUSW2"), 0, W)), one(iVx_opWF(IT_SUBWF, reg("INDF2"), 0, W))}));

        ocode *body = nullptr;
        for (int32_t value : {50, 2, 3, 4, 5, 8})
            body = join({body, one(iVx_MOVLW(value)), one(iVx_MOVWF(reg("POSTINC1"), 0))});
        if (through_pointer) {
            typell *pointer_type = type_basic(BT_INT, 0);
            pointer_type->range = RANGE_NEAR;
            symbol *pointer = sym_create_symbol("pointer", pointer_type, LINK_EXTERNAL, SC_NONE);
            sym_declare_symbol(pointer, true, 1, SOURCE);
            body =
                join({body, one(iVx_LADDRL(difference, 0)), one(iVx_MOVWF(pointer, 0)), one(iVx_LADDRH(difference, 0)),
                      one(iVx_MOVWF(pointer, 1)), oVx_call_indirect(pointer, 0, 2, 20, SOURCE)});
        } else {
            body = join({body, oVx_call_direct(difference, 0, 20, SOURCE)});
        }
        body = join({body, call_pop_argframe(6, 20, SOURCE), oVxMovWF(result, 0, 20, SOURCE)});
        define(function("main"), 0, 0, body);
        tmp_exit_main();

        // The optimizer's basic blocks keep no label that only an RCALL
        // names, so the stub of a call through a pointer runs unoptimized.
        global_optimize_flag = !through_pointer;
        optimize_assembly();
        global_optimize_flag = 1;
        std::string object = dir.path("prog.o");
        emit_write_object_file(object.c_str());
        ASSERT_EQ(get_error_count(), 0u);
        std::string link_errors;
        ASSERT_EQ(dir.link({"prog.o"}, &link_errors), 0) << link_errors;
        std::unique_ptr<sim_state> s = dir.run();
        EXPECT_EQ(s->data[dir.address_of("result")], 42);
        uint32_t stack = dir.address_of("_stack");
        EXPECT_EQ(s->data[SFR_FSR1L] | s->data[SFR_FSR1H] << 8, stack);
        EXPECT_EQ(s->data[SFR_FSR2L] | s->data[SFR_FSR2H] << 8, stack);
    }

    scratch_directory dir;
};

TEST_F(FrameRunTest, SingleBankStack) { run(0, false); }
TEST_F(FrameRunTest, MultiBankStack) { run(1, false); }
TEST_F(FrameRunTest, ThroughPointerSingleBankStack) { run(0, true); }
TEST_F(FrameRunTest, ThroughPointerMultiBankStack) { run(1, true); }

// Errors count for the whole process and an object file is written only
// while there are none: the tests that post errors come last.
class FrameErrorTest : public FrameTest {};

TEST_F(FrameErrorTest, TemporaryOffsetBeyondTheLiveSet)
{
    own({one(iVx_MOVWF(tmp(), 4128)), objPushTemps(8, SOURCE), objPopTemps(9, SOURCE)});
    std::vector<std::string> lines = diagnostics([&] { EXPECT_THROW(tmp_save_and_restore(list), compile_abort); });
    EXPECT_EQ(lines, std::vector<std::string>{"[1511] ran out of internal memory for temps"});
}

} // namespace
