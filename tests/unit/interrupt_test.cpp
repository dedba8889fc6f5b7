// Interrupt routines: what a body makes the routine save, in which order,
// and that the restore is the exact reverse; and the save= and nosave= lists
// with their warnings.  The end-to-end interrupt programs show that what is
// saved comes back.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "codegen/codegen.h"
#include "codegen/frame.h"
#include "codegen/obj.h"
#include "codegen/regs.h"
#include "codegen/regsyms.h"
#include "codegen/temps.h"
#include "codegen_support.h"
#include "object/coff.h"
#include "target/instset.h"
#include "target/sfr_map.h"
#include "translate/interrupt.h"

namespace {

constexpr int32_t W = 0, F = 1;
const char *const SOURCE = "isr.c";
constexpr int32_t PRAGMA_LINE = 12;

symbol *reg(const char *name) { return gen_register_symbol(name); }

std::string operand_name(const inst_operand &op)
{
    std::string name = op.value.sym->name;
    return op.offset ? name + "+" + std::to_string(op.offset) : name;
}

const inst *instruction(const ocode *oc) { return oc->type == OC_INST ? oc->data.inst.ins : nullptr; }

// The locations that the context save pushes, in order, and those that the
// restore pops, in order: MOVFF to PREINC1 and from POSTDEC1, WREG by
// MOVWF and MOVF, and a section by the LFSR 0 that starts its copy loop.
std::string pushed(const ocode *code)
{
    std::string names;
    for (const ocode *oc = code; oc; oc = oc->next) {
        const inst *ins = instruction(oc);
        if (!ins)
            continue;
        std::string name;
        if (ins->opcode == IT_MOVFF && instruction(oc->next)->operand[0].value.sym == reg("PREINC1") &&
            ins->operand[0].value.sym != reg("POSTINC0"))
            name = operand_name(ins->operand[0]);
        else if (ins->opcode == IT_MOVWF && ins->operand[0].value.sym == reg("PREINC1"))
            name = "WREG";
        else if (ins->opcode == IT_LFSR && ins->operand[1].reloc == RELOC_LFSR_HIGH &&
                 ins->operand[1].value.sym->name[0] == '.')
            name = operand_name(ins->operand[1]);
        if (!name.empty())
            names += (names.empty() ? "" : " ") + name;
    }
    return names;
}

std::string popped(const ocode *code)
{
    std::vector<std::string> names;
    for (const ocode *oc = code; oc; oc = oc->next) {
        const inst *ins = instruction(oc);
        if (!ins)
            continue;
        if (ins->opcode == IT_MOVFF && ins->operand[0].value.sym == reg("POSTDEC1") &&
            instruction(oc->next)->operand[0].value.sym != reg("POSTDEC0"))
            names.push_back(operand_name(instruction(oc->next)->operand[0]));
        else if (ins->opcode == IT_MOVF && ins->operand[0].value.sym == reg("POSTDEC1") &&
                 ins->operand[1].value.literal == W)
            names.push_back("WREG");
        else if (ins->opcode == IT_LFSR && ins->operand[1].reloc == RELOC_SCNEND_LFSR_HIGH)
            names.push_back(operand_name(ins->operand[1]));
    }
    std::string reversed;
    for (auto name = names.rbegin(); name != names.rend(); ++name)
        reversed += (reversed.empty() ? "" : " ") + *name;
    return reversed;
}

class InterruptTest : public CodegenTest {
protected:
    void SetUp() override
    {
        CodegenTest::SetUp();
        genInitSymbols();
        tmp_enter_main();
    }
    void TearDown() override
    {
        objFree(code);
        memory_model = 0;
        gen_register_symbols_clear();
        CodegenTest::TearDown();
    }

    static ocode *one(inst *ins) { return objInst(ins, 5, SOURCE); }
    static ocode *join(std::initializer_list<ocode *> pieces)
    {
        ocode *list = nullptr;
        for (ocode *piece : pieces)
            list = objAppend(list, piece);
        return list;
    }

    // A function declared by its interrupt pragma, with a record of its own.
    symbol *routine(const char *name, bool low)
    {
        std::string unique = name + std::to_string(routines++);
        symbol *fn = sym_create_symbol(unique.c_str(), type_copy(void_function_type), LINK_EXTERNAL, SC_NONE);
        sym_declare_symbol(fn, true, PRAGMA_LINE, SOURCE);
        records.push_back(std::make_unique<interrupt_record>());
        interrupt_record *record = records.back().get();
        record->function = fn;
        record->low_priority = low;
        fn->interrupt = record;
        return fn;
    }

    ocode *process(symbol *fn, ocode *body, uint32_t locals)
    {
        objFree(code);
        code = oVxProcessFunction(body, locals, 0, fn, 0, 3, SOURCE, 9, SOURCE);
        tmp_clear();
        return code;
    }

    std::vector<std::unique_ptr<interrupt_record>> records;
    int routines = 0;
    ocode *code = nullptr;
};

// In-line assembly may name a register by its access-bank address.
inst *literal_movwf(int32_t address)
{
    inst *ins = iVx_MOVWF(reg("WREG"), 0);
    ins->operand[0].type = LITERAL_OP;
    ins->operand[0].value.literal = address;
    ins->is_inline = 1;
    return ins;
}

struct save_case {
    const char *what;
    std::function<ocode *()> body;
    std::string saved; // by a high-priority routine in the small model
    std::string saved_large = "same";
};

TEST_F(InterruptTest, WhatTheBodyChanges)
{
    symbol *x = variable("x", RANGE_NEAR);
    symbol *f = function("f");
    symbol *target = sym_temp_label(5, SOURCE);
    const std::string call = "FSR0L FSR0H TBLPTRL TBLPTRH TABLAT PRODL PRODH PCLATH ..tmpdata .MATH_DATA";
    const std::string call_large =
        "FSR0L FSR0H TBLPTRL TBLPTRH TBLPTRU TABLAT PRODL PRODH PCLATH PCLATU ..tmpdata .MATH_DATA";
    const save_case cases[] = {
        {"reads only",
         [&] {
             return join({one(iVx_opWF(IT_MOVF, reg("TBLPTRL"), 0, W)), one(iVx_TSTFSZ(reg("PRODL"), 0)),
                          oVxMovFFX(1, reg("TABLAT"), 0, x, 0, 5, SOURCE), one(iVx_opWF(IT_ADDWF, reg("PRODH"), 0, W)),
                          one(iVx_BTFSC(reg("PCLATH"), 0, 1))});
         },
         ""},
        {"adds into PRODH", [&] { return one(iVx_opWF(IT_ADDWF, reg("PRODH"), 0, F)); }, "PRODL PRODH"},
        {"MULWF", [&] { return one(iVx_MULWF(x, 0)); }, "PRODL PRODH"},
        {"MULLW", [&] { return one(iVx_MULLW(3)); }, "PRODL PRODH"},
        {"TBLRD*", [&] { return one(iVx_TBLRD()); }, "TABLAT"},
        {"TBLRD*+", [&] { return one(iVx_TBLRDPOSTINC()); }, "TBLPTRL TBLPTRH TABLAT",
         "TBLPTRL TBLPTRH TBLPTRU TABLAT"},
        {"TBLWT*-", [&] { return one(iVx_TBLWTPOSTDEC()); }, "TBLPTRL TBLPTRH", "TBLPTRL TBLPTRH TBLPTRU"},
        {"BSF TBLPTRH", [&] { return one(iVx_BSF(reg("TBLPTRH"), 0, 2)); }, "TBLPTRL TBLPTRH",
         "TBLPTRL TBLPTRH TBLPTRU"},
        {"TBLPTR+2", [&] { return one(iVx_CLRF(reg("TBLPTR"), 2)); }, "TBLPTRU"},
        {"LFSR 0", [&] { return join({one(iVx_LFSR(x, 0, 0)), one(iVx_LFSR2(x, 0))}); }, "FSR0L FSR0H"},
        {"LFSR 2", [&] { return join({one(iVx_LFSR(x, 0, 2)), one(iVx_LFSR2(x, 0))}); }, ""},
        {"reads through POSTINC0", [&] { return one(iVx_opWF(IT_MOVF, reg("POSTINC0"), 0, W)); }, "FSR0L FSR0H"},
        {"MOVFF to PCLATU", [&] { return oVxMovFFX(1, x, 0, reg("PCLATU"), 0, 5, SOURCE); }, "PCLATU"},
        {"NEGF PCLATH", [&] { return one(iVx_NEGF(reg("PCLATH"), 0)); }, "PCLATH", "PCLATH PCLATU"},
        {"access-bank address", [&] { return one(literal_movwf(SFR_TABLAT & 0xFF)); }, "TABLAT"},
        {"math data", [&] { return one(iVx_MOVWF(reg("__AARGB0"), 0)); }, "FSR0L FSR0H .MATH_DATA"},
        {"math routine", [&] { return oVxCallCMATHVx(reg("FXD1616U"), 5, SOURCE); },
         "FSR0L FSR0H PRODL PRODH .MATH_DATA"},
        {"CALL", [&] { return oVx_call_direct(f, 0, 5, SOURCE); }, call, call_large},
        {"RCALL", [&] {
             inst *rcall = iVx_RCALLliteral(0);
             rcall->operand[0] = {SYMBOL_OP, {.sym = target}, 0, RELOC_BRA};
             return one(rcall);
         },
         call, call_large},
    };
    for (int model : {0, 3}) {
        memory_model = model;
        for (const save_case &c : cases) {
            process(routine("isr", false), c.body(), 0);
            EXPECT_EQ(pushed(code), model && c.saved_large != "same" ? c.saved_large : c.saved)
                << c.what << ", memory model " << model;
            EXPECT_EQ(popped(code), pushed(code)) << c.what;
        }
    }
}

struct list_case {
    const char *what;
    bool low;
    std::vector<int> save, nosave;
    bool variable, section, call;
    uint32_t locals;
    std::string saved;
    size_t warnings = 0;
};

TEST_F(InterruptTest, SaveAndNosaveLists)
{
    symbol *pair = sym_create_symbol("pair", type_copy(int_type), LINK_EXTERNAL, SC_NONE);
    sym_declare_symbol(pair, true, 1, SOURCE);
    symbol *mine = trn_section_symbol("mine", 1, SOURCE);
    symbol *f = function("f");
    const list_case cases[] = {
        {"FSR2 without a frame", false, {SAVE_FSR2}, {}, false, false, false, 0, "FSR2L FSR2H"},
        {"FSR2 with a frame", false, {SAVE_FSR2}, {}, false, false, false, 1, ""},
        {"minimal context of a high-priority routine", false, {SAVE_BSR, SAVE_WREG}, {}, false, false, false, 0,
         "BSR WREG"},
        {"upper bytes", false, {SAVE_PCLATU, SAVE_TBLPTRU}, {}, false, false, false, 0, "TBLPTRU PCLATU"},
        {"MATH_DATA", false, {SAVE_MATH_DATA}, {}, false, false, false, 0, "FSR0L FSR0H .MATH_DATA"},
        {"MATH_DATA without FSR0", false, {SAVE_MATH_DATA}, {NOSAVE_FSR0}, false, false, false, 0, ".MATH_DATA"},
        {"a variable", false, {}, {}, true, false, false, 0, "FSR0L FSR0H pair pair+1"},
        {"a section", false, {}, {}, false, true, false, 0, "FSR0L FSR0H .mine"},
        {"all kinds, in order", true, {SAVE_FSR2}, {NOSAVE_PROD, NOSAVE_TMPDATA}, true, true, true, 0,
         "STATUS BSR WREG FSR2L FSR2H FSR0L FSR0H TBLPTRL TBLPTRH TABLAT PCLATH pair pair+1 .MATH_DATA .mine"},
        {"the minimal context left out", true, {}, {NOSAVE_BSR}, false, false, false, 0, "STATUS WREG", 1},
    };
    for (const list_case &c : cases) {
        symbol *fn = routine("isr", c.low);
        interrupt_record *record = fn->interrupt;
        for (int flag : c.save)
            record->save[flag] = 1;
        for (int flag : c.nosave)
            record->nosave[flag] = 1;
        save_element section{SAVE_SECTION, mine, 0, nullptr};
        save_element variable{SAVE_VARIABLE, pair, 2, c.section ? &section : nullptr};
        record->saves = c.variable ? &variable : c.section ? &section : nullptr;
        std::vector<std::string> lines = diagnostics([&] {
            process(fn, c.call ? oVx_call_direct(f, 0, 5, SOURCE) : one(iVx_NOP()), c.locals);
        });
        record->saves = nullptr;
        EXPECT_EQ(pushed(code), c.saved) << c.what;
        EXPECT_EQ(popped(code), pushed(code)) << c.what;
        EXPECT_EQ(lines.size(), c.warnings) << c.what;
    }
}

// Warnings are posted at the interrupt pragma, and the resource stays
// unsaved.
TEST_F(InterruptTest, NosaveWarnings)
{
    symbol *x = variable("x", RANGE_NEAR);
    symbol *f = function("f");
    struct {
        bool low;
        int nosave;
        std::function<ocode *()> body;
        std::string saved;
        std::vector<std::string> lines;
    } cases[] = {
        {false, NOSAVE_TBLPTR, [&] { return one(iVx_MOVWF(reg("TBLPTRL"), 0)); }, "",
         {"isr.c:12:Warning [2075] location TBLPTR specified in the interrupt nosave list is changed by the "
          "interrupt, but will not be saved"}},
        {false, NOSAVE_FSR0, [&] { return join({one(iVx_LFSR(x, 0, 0)), one(iVx_LFSR2(x, 0))}); }, "",
         {"isr.c:12:Warning [2075] location FSR0 specified in the interrupt nosave list is changed by the "
          "interrupt, but will not be saved"}},
        {false, NOSAVE_MATH_DATA, [&] { return one(iVx_MOVWF(reg("__AARGB3"), 0)); }, "",
         {"isr.c:12:Warning [2075] location MATH_DATA specified in the interrupt nosave list is changed by the "
          "interrupt, but will not be saved"}},
        // A called function may change it, but the routine does not.
        {false, NOSAVE_TBLPTR, [&] { return oVx_call_direct(f, 0, 5, SOURCE); },
         "FSR0L FSR0H TABLAT PRODL PRODH PCLATH ..tmpdata .MATH_DATA", {}},
        {true, NOSAVE_STATUS, [&] { return one(iVx_NOP()); }, "BSR WREG",
         {"isr.c:12:Message [3003] nosave= location 'STATUS' is part of the minimal automatic, but will not be "
          "saved"}},
        {true, NOSAVE_WREG, [&] { return one(iVx_NOP()); }, "STATUS BSR",
         {"isr.c:12:Message [3003] nosave= location 'WREG' is part of the minimal automatic, but will not be "
          "saved"}},
    };
    for (const auto &c : cases) {
        symbol *fn = routine("isr", c.low);
        fn->interrupt->nosave[c.nosave] = 1;
        ::testing::internal::CaptureStdout();
        process(fn, c.body(), 0);
        std::string text = ::testing::internal::GetCapturedStdout();
        std::vector<std::string> lines;
        // The file name comes with the directory of the run.
        for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(text.find(SOURCE, start), end - text.find(SOURCE, start)));
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(pushed(code), c.saved);
    }
}

} // namespace
