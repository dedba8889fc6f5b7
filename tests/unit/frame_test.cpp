// The run-time model on its output code: prologues, epilogues, argument
// frames and calls listed instruction by instruction; temporaries saved
// around a call exactly when they are live across it; and a caller and a
// callee built from these routines, linked and run in the simulator.
#include <gtest/gtest.h>

#include <functional>
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

const std::string SAVE_FP = "movff FSR2L, POSTINC1; movff FSR1L, FSR2L; ";
const std::string SAVE_FP_LS = "movff FSR2L, POSTINC1; movff FSR2H, POSTINC1; movff FSR1L, FSR2L; movff FSR1H, FSR2H; ";
const std::string RESTORE_FP = "movf POSTDEC1, 1, 0; movff INDF1, FSR2L; return 0";
const std::string RESTORE_FP_LS = "movf POSTDEC1, 1, 0; movff POSTDEC1, FSR2H; movff INDF1, FSR2L; return 0";
const std::string LOWER_BY = "subwf FSR1L, 0, 0; bc 2; clrf FSR1L, 0; movf POSTDEC1, 1, 0; movwf FSR1L, 0; ";
const std::string RAISE_BY = "addwf FSR1L, 0, 0; bnc 2; setf FSR1L, 0; movf POSTINC1, 1, 0; movwf FSR1L, 0; ";

struct frame_case {
    uint32_t locals, params;
    int32_t return_kind;
    int multi_bank;
    std::string code; // the body is the nop
};

TEST_F(FrameTest, PrologueAndEpilogue)
{
    const frame_case cases[] = {
        {0, 0, 1, 0, "nop; return 0"},
        {0, 2, 0, 0, SAVE_FP + "nop; " + RESTORE_FP},
        {1, 0, 1, 0, SAVE_FP + "movf POSTINC1, 1, 0; nop; movf POSTDEC1, 1, 0; " + RESTORE_FP},
        {4, 1, 0, 0, SAVE_FP + "movlw 4; addwf FSR1L, 1, 0; nop; movlw 4; " + LOWER_BY + RESTORE_FP},
        {4, 0, 1, 0,
         SAVE_FP + "movlw 4; addwf FSR1L, 1, 0; nop; movwf __tmp_0, 0; movlw 4; " + LOWER_BY + "movf __tmp_0, 0, 0; " +
             RESTORE_FP},
        {3, 0, 1, 1,
         SAVE_FP_LS + "movf POSTINC1, 1, 0; movf POSTINC1, 1, 0; movf POSTINC1, 1, 0; nop; " +
             "movf POSTDEC1, 1, 0; movf POSTDEC1, 1, 0; movf POSTDEC1, 1, 0; " + RESTORE_FP_LS},
        {0, 1, 0, 1, SAVE_FP_LS + "nop; " + RESTORE_FP_LS},
        {6, 0, 0, 1, SAVE_FP_LS + "movlw 6; " + RAISE_BY + "nop; movlw 6; " + LOWER_BY + RESTORE_FP_LS},
    };
    symbol *fn = function("f");
    for (const frame_case &c : cases) {
        stack_multi_bank_flag = c.multi_bank;
        ocode *code = oVxProcessFunction(objInst(iVx_NOP(), 5, SOURCE), c.locals, c.params, fn, c.return_kind, 3,
                                         "begin.c", 9, "end.c");
        EXPECT_EQ(listing(code), c.code) << c.locals << " locals, " << c.params << " parameter bytes";
        // The prologue carries the function's first line, the epilogue its last.
        EXPECT_EQ(code->line, c.locals || c.params ? 3 : 5);
        ocode *last = code;
        while (last->next)
            last = last->next;
        EXPECT_EQ(last->line, 9);
        EXPECT_STREQ(last->file, "end.c");
        objFree(code);
        tmp_clear();
    }
}

struct sequence_case {
    int multi_bank;
    std::function<ocode *()> build;
    std::string code;
};

TEST_F(FrameTest, CallsAndStackSequences)
{
    symbol *callee = function("callee");
    symbol *banked = variable("banked", RANGE_FAR);
    symbol *fast = variable("fast", RANGE_NEAR);
    const sequence_case cases[] = {
        {0, [] { return call_pop_argframe(0, 7, SOURCE); }, ""},
        {0, [] { return call_pop_argframe(2, 7, SOURCE); }, "movf POSTDEC1, 1, 0; movf POSTDEC1, 1, 0"},
        {0, [] { return call_pop_argframe(6, 7, SOURCE); },
         "movwf __tmp_0, 0; movlw 6; subwf FSR1L, 1, 0; movf __tmp_0, 0, 0"},
        {1, [] { return call_pop_argframe(6, 7, SOURCE); },
         "movwf __tmp_0, 0; movlw 6; " + LOWER_BY + "movf __tmp_0, 0, 0"},
        {0, [] { return oVxStackAlloc(2, 7, SOURCE); }, "movf POSTINC1, 1, 0; movf POSTINC1, 1, 0"},
        {0, [] { return oVxStackAlloc(3, 7, SOURCE); }, "movlw 3; addwf FSR1L, 1, 0"},
        {1, [] { return oVxStackAlloc(3, 7, SOURCE); },
         "movf POSTINC1, 1, 0; movf POSTINC1, 1, 0; movf POSTINC1, 1, 0"},
        {1, [] { return oVxStackAlloc(5, 7, SOURCE); }, "movlw 5; " + RAISE_BY.substr(0, RAISE_BY.size() - 2)},
        {0, [&] { return oVx_call_direct(callee, 0, 7, SOURCE); }, "call callee, 0, callee"},
        {0, [] { return oVxCallCMATHVx(reg("FXM1616U"), 7, SOURCE); }, "call FXM1616U, 0, FXM1616U"},
        {0, [&] { return oVx_call_indirect(fast, 0, 2, 7, SOURCE); },
         "branch __tmplbl_1; __tmplbl_0:; movff fast + 1, PCLATH; movf fast, 0, 0; movwf PCL, 0; __tmplbl_1:; "
         "rcall __tmplbl_0"},
        {0, [&] { return oVx_call_indirect(banked, 4, 3, 7, SOURCE); },
         "branch __tmplbl_3; __tmplbl_2:; movff banked + 6, PCLATU; movff banked + 5, PCLATH; "
         "movlb high( banked + 4 ); movf banked + 4, 0, 1; movwf PCL, 0; __tmplbl_3:; rcall __tmplbl_2"},
        {0, [&] { return oVxMovWF(banked, 1, 7, SOURCE); }, "movlb high( banked + 1 ); movwf banked + 1, 1"},
        {0, [&] { return oVxLoadW(fast, 0, 7, SOURCE); }, "movf fast, 0, 0"},
        {0, [&] { return oVxMovFFX(2, fast, 0, banked, 3, 7, SOURCE); },
         "movff fast, banked + 3; movff fast + 1, banked + 4"},
        {0, [&] { return oVxPush(banked, 0, 2, 7, SOURCE); }, "movff banked, POSTINC1; movff banked + 1, POSTINC1"},
        {0, [&] { return oVxPop(banked, 0, 2, 7, SOURCE); },
         "movf POSTDEC1, 1, 0; movff INDF1, banked + 1; movf POSTDEC1, 1, 0; movff INDF1, banked"},
    };
    for (const sequence_case &c : cases) {
        stack_multi_bank_flag = c.multi_bank;
        ocode *code = c.build();
        EXPECT_EQ(listing(code), c.code);
        for (const ocode *oc = code; oc; oc = oc->next)
            EXPECT_EQ(oc->line, 7) << c.code;
        objFree(code);
        tmp_clear();
    }
}

TEST(Log2, PowersOfTwoOnly)
{
    const std::pair<uint32_t, int32_t> cases[] = {{0, -1}, {1, 0},    {2, 1},           {3, -1},
                                                  {8, 3},  {255, -1}, {0x80000000u, 31}};
    for (auto [value, exponent] : cases)
        EXPECT_EQ(vx_log2(value), exponent) << value;
}

TEST_F(FrameTest, RegistersAndMathLibrary)
{
    symbol *own_wreg = variable("WREG", RANGE_NEAR);
    genInitSymbols();
    EXPECT_EQ(reg("WREG"), own_wreg);
    for (const char *name : {"STATUS", "PCL", "_stack", "__AARGB7", "__FPFLAGSbits"}) {
        symbol *sym = reg(name);
        ASSERT_NE(sym, nullptr) << name;
        EXPECT_EQ(sym_lookup_sym(name, LOOKUP_FILE), sym);
        EXPECT_TRUE(sym->storage_class == SC_EXTERN && sym->linkage == LINK_EXTERNAL);
        EXPECT_TRUE(sym->type->memory == MEMORY_RAM && sym->type->range == RANGE_NEAR);
        EXPECT_EQ(ll_sizeof_type(sym->type), 1u);
    }
    EXPECT_TRUE(is_type_function(reg("pow2x16")->type));
    EXPECT_TRUE(s_is_math_symbol(reg("__REMB3")) && s_is_math_function(reg("FXD0808U")));
    EXPECT_FALSE(s_is_math_symbol(reg("FXD0808U")) || s_is_math_symbol(reg("PRODL")));
    EXPECT_FALSE(s_is_math_function(reg("__TEMP")));
}

// The section of the last section change before `sym` in the master list.
const section *declared_in(const symbol *sym)
{
    const section *scn = nullptr;
    for (void *element = list_first(master_symbol_list); element; element = list_next(element)) {
        const symbol *entry = *static_cast<symbol **>(element);
        if (entry->kind == SECTION_CHANGE)
            scn = entry->scn;
        if (entry == sym)
            return scn;
    }
    return nullptr;
}

TEST_F(FrameTest, BlockHoldsTheLargestStatement)
{
    symbol *block = tmp();
    EXPECT_EQ(tmp_alloc(3), 0u);
    tmp_clear();
    EXPECT_EQ(tmp_alloc(2), 0u);
    EXPECT_EQ(tmp_alloc(3), 2u);
    tmp_clear();
    tmp_exit_main();
    EXPECT_EQ(block->type->detail.count, 5u);
    const section *scn = declared_in(block);
    ASSERT_NE(scn, nullptr);
    EXPECT_STREQ(scn->name, ".tmpdata");
    EXPECT_TRUE(scn->overlay && scn->access);
}

// An interrupt or pragma scope gets a block in its own section; a scope
// without temporaries declares none.
TEST_F(FrameTest, ScopesOfTheirOwn)
{
    symbol *main_block = tmp();
    const std::pair<void (*)(), void (*)(const char *)> scopes[] = {{tmp_enter_int, tmp_exit_int},
                                                                    {tmp_enter_pragmatmp, tmp_exit_pragmatmp}};
    for (auto [enter, exit] : scopes) {
        enter();
        symbol *own_block = tmp();
        EXPECT_TRUE(own_block != main_block && tmp_non_default());
        EXPECT_EQ(tmp_alloc(2), 0u);
        tmp_clear();
        exit("own_tmp");
        EXPECT_TRUE(tmp() == main_block && !tmp_non_default());
        const section *scn = declared_in(own_block);
        ASSERT_NE(scn, nullptr);
        EXPECT_STREQ(scn->name, "own_tmp");
        EXPECT_TRUE(scn->access && !scn->overlay);
        EXPECT_EQ(own_block->type->detail.count, 2u);
    }
    tmp_clear();
    tmp_exit_main();
    EXPECT_EQ(declared_in(main_block), nullptr);
    EXPECT_EQ(sym_lookup_sym(main_block->name, LOOKUP_FILE), nullptr);
}

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
