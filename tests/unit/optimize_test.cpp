#include "optimize/optimize.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "codegen/obj.h"
#include "codegen/regsyms.h"
#include "codegen_support.h"
#include "frontend/varlocate.h"
#include "object/coff.h"
#include "optimize/branches.h"
#include "optimize/placement.h"
#include "target/instset.h"
#include "translate/ranges.h"

namespace {

// One piece of a function body.  Jumps name one of four labels.
enum class piece { fill, label, jump, literal_inst, literal_pseudo, goto_inst, call };
enum callee_kind { SAME_SECTION, SELF, OTHER_SECTION, EXTERNAL };

struct step {
    piece what;
    int32_t value; // fillers, label, displacement or callee_kind
    ocode_kind kind = OC_NOP;
};

step fill(int32_t n) { return {piece::fill, n}; }
step label(int32_t id) { return {piece::label, id}; }
step jump(ocode_kind kind, int32_t id) { return {piece::jump, id, kind}; }
step bra(int32_t n) { return {piece::literal_inst, n, OC_BRANCH}; }
step bz(int32_t n) { return {piece::literal_inst, n, OC_BZ}; }
step branch_count(int32_t n) { return {piece::literal_pseudo, n}; }
step goto_label(int32_t id) { return {piece::goto_inst, id}; }
step call(callee_kind callee) { return {piece::call, callee}; }
// A fast call: the callee returns through the shadow registers.
step fast_call(callee_kind callee) { return {piece::call, callee, OC_INST}; }

// The program words of an instruction, symbolic fields left 0 as the
// emitter leaves them for the linker.
uint16_t encode(const inst *ins)
{
    static void (*const setters[])(uint16_t *, unsigned, int) = {setOperandOne, setOperandTwo, setOperandThree};
    int set = getInstSet(GetProcessor());
    uint16_t word = 0;
    setInstType(&word, ins->opcode, set);
    for (unsigned k = 0; k < 3; ++k)
        if (ins->operand[k].type == LITERAL_OP)
            setters[k](&word, static_cast<unsigned>(ins->operand[k].value.literal), set);
    return word;
}

// What a function became: its words (fillers left out), the relocation
// types of its symbolic operands, and the word address of its GOTO's label.
struct outcome {
    std::vector<uint16_t> words;
    std::vector<uint16_t> relocs;
    int32_t goto_target = -1;
};

constexpr int LABELS = 4;
constexpr int32_t FAR_FILL = 1019; // fillers that put a forward branch just out of the reach of BRA

class Optimize : public CodegenTest {
protected:
    void SetUp() override
    {
        CodegenTest::SetUp();
        code = sym_get_default_code_section();
        main_fn = function("main");
        callee_fn = function("callee");
        other_fn = function("elsewhere");
        external_fn = function("external");
        main_fn->code_section = callee_fn->code_section = code;
        other_fn->code_section = sym_enter_section(SECTION_CODE, "other_code", false, false, false, false, 0)->scn;
        flags = variable("flags", RANGE_FAR);
    }
    void TearDown() override
    {
        objFree(code->code);
        code->code = nullptr;
        global_optimize_flag = 1;
        varlocate_free();
        gen_register_symbols_clear();
        CodegenTest::TearDown();
    }

    static ocode *record(inst *ins) { return ocodeInst(ins, 1, "t.c"); }

    static ocode *chain(const std::vector<ocode *> &records)
    {
        ocode *list = nullptr;
        for (ocode *oc : records)
            list = objAppend(list, oc);
        return list;
    }

    // `main` with the body, then `callee`, as the default code section's list.
    ocode *build(const std::vector<step> &body)
    {
        ocode *labels[LABELS];
        bool placed[LABELS] = {};
        for (ocode *&l : labels)
            l = ocodeLabel(sym_temp_label(1, "t.c"), 1, "t.c");
        symbol *callees[] = {callee_fn, main_fn, other_fn, external_fn};
        ocode *list = ocodeBFunct(main_fn, 1, "t.c");
        auto add = [&](ocode *oc) { objAppend(list, oc); };
        for (const step &s : body) {
            switch (s.what) {
            case piece::fill:
                for (int32_t i = 0; i < s.value; ++i)
                    add(record(iVx_NOP()));
                break;
            case piece::label:
                add(labels[s.value]);
                placed[s.value] = true;
                break;
            case piece::jump: {
                ocode *branch = ocodeBLabel(s.kind, labels[s.value], 1, "t.c");
                // Only the bit tests read their register.
                branch->data.branch.freg = flags;
                branch->data.branch.bit = 5;
                branch->data.branch.access = 1;
                add(branch);
                break;
            }
            case piece::literal_inst: add(record(s.kind == OC_BRANCH ? iVx_BRA(s.value) : iVx_BZ(s.value))); break;
            case piece::literal_pseudo: add(ocodeBranchLiteral(s.value, 1, "t.c")); break;
            case piece::goto_inst:
                add(record(iVx_GOTO(labels[s.value]->data.label.label, 0)));
                add(record(iVx_GOTO2(labels[s.value]->data.label.label, 0)));
                break;
            case piece::call:
                add(record(iVx_CALL(callees[s.value], 0, s.kind == OC_INST)));
                add(record(iVx_CALL2(callees[s.value], 0)));
                break;
            }
        }
        add(ocodeEFunct(main_fn, 1, "t.c"));
        for (int i = 0; i < LABELS; ++i)
            if (!placed[i])
                ocodeFree(labels[i]);
        add(ocodeBFunct(callee_fn, 2, "t.c"));
        add(record(iVx_RETURN(0)));
        add(ocodeEFunct(callee_fn, 2, "t.c"));
        code->code = list;
        return list;
    }

    // Only instructions, labels that a relocation names and function
    // markers may be left.
    static outcome collect(const ocode *begin)
    {
        outcome result;
        std::map<const ocode *, int32_t> label_words;
        const symbol *goto_symbol = nullptr;
        int32_t word = 0;
        for (const ocode *oc = begin; oc && oc->type != OC_EFUNCT; oc = oc->next) {
            if (oc->type == OC_LABEL) {
                EXPECT_TRUE(oc->data.label.used_in_relocation);
                EXPECT_NE(oc->data.label.label, nullptr);
                label_words[oc] = word;
            }
            if (oc->type != OC_INST) {
                EXPECT_TRUE(oc->type == OC_LABEL || oc->type == OC_BFUNCT) << oc->type;
                continue;
            }
            const inst *ins = oc->data.inst.ins;
            ++word;
            if (ins->opcode == IT_NOP)
                continue;
            result.words.push_back(encode(ins));
            for (const inst_operand &operand : ins->operand)
                if (operand.type == SYMBOL_OP)
                    result.relocs.push_back(operand.reloc);
            if (ins->opcode == IT_GOTO)
                goto_symbol = ins->operand[0].value.sym;
        }
        if (goto_symbol)
            result.goto_target = label_words.at(ocode_label_record(goto_symbol));
        return result;
    }

    section *code = nullptr;
    symbol *main_fn = nullptr, *callee_fn = nullptr, *other_fn = nullptr, *external_fn = nullptr;
    symbol *flags = nullptr;
};

struct resolution_case {
    const char *name;
    std::vector<step> body;
    std::vector<uint16_t> words;
    std::vector<uint16_t> relocs = {};
    int32_t goto_target = -1;
};

// The bit tests below test bit 5 of a banked register: BTFSS 0xAB00, BTFSC 0xBB00.
const resolution_case resolution_cases[] = {
    {"BRA 1019 ahead", {jump(OC_BRANCH, 0), fill(FAR_FILL - 1), label(0)}, {0xD3FA}},
    {"GOTO 1020 ahead", {jump(OC_BRANCH, 0), fill(FAR_FILL), label(0)}, {0xEF00, 0xF000},
     {RELOC_GOTO, RELOC_WORD2_ADDR}, 2 + FAR_FILL},
    {"next label", {jump(OC_BRANCH, 0), label(0)}, {0xD000}},
    {"itself", {label(0), jump(OC_BRANCH, 0)}, {0xD7FF}},
    {"BRA 1019 back", {label(0), fill(FAR_FILL), jump(OC_BRANCH, 0)}, {0xD404}},
    {"GOTO 1020 back", {label(0), fill(FAR_FILL + 1), jump(OC_BRANCH, 0)}, {0xEF00, 0xF000},
     {RELOC_GOTO, RELOC_WORD2_ADDR}, 0},
    {"BZ 119 ahead", {jump(OC_BZ, 0), fill(118), label(0)}, {0xE076}},
    {"BZ 120 ahead", {jump(OC_BZ, 0), fill(119), label(0)}, {0xE101, 0xD077}},
    {"BZ 1019 ahead", {jump(OC_BZ, 0), fill(FAR_FILL - 1), label(0)}, {0xE101, 0xD3FA}},
    {"BZ 1020 ahead", {jump(OC_BZ, 0), fill(FAR_FILL), label(0)}, {0xE102, 0xEF00, 0xF000},
     {RELOC_GOTO, RELOC_WORD2_ADDR}, 3 + FAR_FILL},
    {"BZ 119 back", {label(0), fill(119), jump(OC_BZ, 0)}, {0xE088}},
    {"BZ 120 back", {label(0), fill(120), jump(OC_BZ, 0)}, {0xE101, 0xD786}},
    {"BZ 1019 back", {label(0), fill(FAR_FILL), jump(OC_BZ, 0)}, {0xE101, 0xD403}},
    {"BZ 1020 back", {label(0), fill(FAR_FILL + 1), jump(OC_BZ, 0)}, {0xE102, 0xEF00, 0xF000},
     {RELOC_GOTO, RELOC_WORD2_ADDR}, 0},
    {"BNZ 120", {jump(OC_BNZ, 0), fill(119), label(0)}, {0xE001, 0xD077}},
    {"BC 1020", {jump(OC_BC, 0), fill(FAR_FILL), label(0)}, {0xE302, 0xEF00, 0xF000},
     {RELOC_GOTO, RELOC_WORD2_ADDR}, 3 + FAR_FILL},
    {"BNC 1", {jump(OC_BNC, 0), label(0)}, {0xE300}},
    {"BOV 120", {jump(OC_BOV, 0), fill(119), label(0)}, {0xE501, 0xD077}},
    {"BNOV 50", {jump(OC_BNOV, 0), fill(49), label(0)}, {0xE531}},
    {"BN 1020", {jump(OC_BN, 0), fill(FAR_FILL), label(0)}, {0xE702, 0xEF00, 0xF000},
     {RELOC_GOTO, RELOC_WORD2_ADDR}, 3 + FAR_FILL},
    {"BNN 120", {jump(OC_BNN, 0), fill(119), label(0)}, {0xE601, 0xD077}},
    {"BTFBS over one", {jump(OC_BTFBS, 0), fill(1), label(0)}, {0xAB00}, {RELOC_FILE}},
    {"BTFBS over two", {jump(OC_BTFBS, 0), fill(2), label(0)}, {0xBB00, 0xD002}, {RELOC_FILE}},
    {"BTFBS two back", {label(0), fill(2), jump(OC_BTFBS, 0)}, {0xBB00, 0xD7FC}, {RELOC_FILE}},
    {"BTFBC over one", {jump(OC_BTFBC, 0), fill(1), label(0)}, {0xBB00}, {RELOC_FILE}},
    {"BTFBC 1020", {jump(OC_BTFBC, 0), fill(FAR_FILL), label(0)}, {0xAB00, 0xEF00, 0xF000},
     {RELOC_FILE, RELOC_GOTO, RELOC_WORD2_ADDR}, 3 + FAR_FILL},
    // The BZ was sized with the BRANCH's largest form, which the GOTO does not exceed.
    {"BZ over a GOTO", {jump(OC_BZ, 0), jump(OC_BRANCH, 1), label(0), fill(FAR_FILL), label(1)},
     {0xE002, 0xEF00, 0xF000}, {RELOC_GOTO, RELOC_WORD2_ADDR}, 3 + FAR_FILL},
    // Each branch comes within reach only once the one after it is resolved.
    {"three passes",
     {jump(OC_BRANCH, 0), jump(OC_BRANCH, 1), jump(OC_BZ, 2), fill(1), label(2), fill(1015), label(1), label(0)},
     {0xD3FA, 0xD3F9, 0xE001}},
    {"literal BRA ahead", {bra(3), fill(5)}, {0xD003}},
    {"literal BRA back", {fill(5), bra(-3)}, {0xD7FD}},
    {"literal BRA to itself", {bra(-1)}, {0xD7FF}},
    {"literal BZ", {bz(2), fill(3)}, {0xE002}},
    {"counted branch", {branch_count(2), fill(3)}, {0xD001}},
    {"GOTO loses its WORD2", {goto_label(0), fill(2), label(0)}, {0xD002}},
    {"RCALL", {call(SAME_SECTION)}, {0xD800}, {RELOC_BRA}},
    {"RCALL back", {fill(3), call(SELF)}, {0xD800}, {RELOC_BRA}},
    {"RCALL 1019 ahead", {call(SAME_SECTION), fill(FAR_FILL - 2)}, {0xD800}, {RELOC_BRA}},
    {"CALL 1020 ahead", {call(SAME_SECTION), fill(FAR_FILL - 1)}, {0xEC00, 0xF000}, {RELOC_CALL, RELOC_WORD2_ADDR}},
    {"CALL other section", {call(OTHER_SECTION)}, {0xEC00, 0xF000}, {RELOC_CALL, RELOC_WORD2_ADDR}},
    {"CALL external", {call(EXTERNAL)}, {0xEC00, 0xF000}, {RELOC_CALL, RELOC_WORD2_ADDR}},
    {"fast CALL", {fast_call(SAME_SECTION)}, {0xED00, 0xF000}, {RELOC_CALL, RELOC_WORD2_ADDR}},
};

TEST_F(Optimize, BranchesResolveToTheirShortestCertainForm)
{
    for (const resolution_case &c : resolution_cases)
        for (int optimize : {1, 0}) {
            SCOPED_TRACE(std::string(c.name) + (optimize ? " -O+" : " -O-"));
            global_optimize_flag = optimize;
            const ocode *begin = build(c.body);
            optimize_assembly();
            outcome got = collect(begin);
            EXPECT_EQ(got.words, c.words);
            EXPECT_EQ(got.relocs, c.relocs);
            EXPECT_EQ(got.goto_target, c.goto_target);
            objFree(code->code);
            code->code = nullptr;
        }
}

TEST_F(Optimize, UserAssemblyKeepsItsLabelsAndBranches)
{
    main_fn->has_asm = true;
    inst *user_bra = iVx_BRA(2);
    user_bra->is_inline = 1;
    ocode *user_label = objLabel(sym_temp_label(1, "t.c"), 1, "t.c");
    symbol *generated_label = sym_temp_label(2, "t.c");
    code->code = chain({ocodeBFunct(main_fn, 1, "t.c"), user_label, ocodeLabel(nullptr, 1, "t.c"), record(user_bra),
                        ocodeEFunct(main_fn, 1, "t.c"), ocodeBFunct(callee_fn, 2, "t.c"),
                        ocodeLabel(generated_label, 2, "t.c"), record(iVx_RETURN(0)),
                        ocodeEFunct(callee_fn, 2, "t.c")});
    optimize_assembly();
    std::vector<ocode_kind> kinds;
    for (const ocode *oc = code->code; oc; oc = oc->next)
        kinds.push_back(oc->type);
    EXPECT_EQ(kinds, (std::vector<ocode_kind>{OC_BFUNCT, OC_LABEL, OC_INST, OC_EFUNCT, OC_BFUNCT, OC_INST, OC_EFUNCT}));
    EXPECT_EQ(user_label->data.label.used_in_relocation, 1);
    EXPECT_EQ(ocode_label_record(generated_label), nullptr);
    EXPECT_EQ(encode(code->code->next->next->data.inst.ins), 0xD002);
}

TEST_F(Optimize, VarlocatePromisesAreKeptForTheirSymbols)
{
    symbol *counter = variable("counter", RANGE_FAR);
    symbol *buffer = variable("buffer", RANGE_FAR);
    opt_varlocate_bank("counter", 3);
    opt_varlocate_bank("counter", 2);
    opt_varlocate_section("buffer", "buffers");
    opt_varlocate_bank("ghost", 1);
    std::vector<std::string> lines = diagnostics([] { optimize_assembly(); });
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("Warning: symbol 'ghost' unknown in varlocate"), std::string::npos) << lines[0];
    // The earliest pragma for a name is the one that holds.
    const symbol_placement *placed = opt_symbol_placement(counter);
    ASSERT_NE(placed, nullptr);
    EXPECT_TRUE(placed->has_known_bank && !placed->has_known_section);
    EXPECT_EQ(placed->bank, 3u);
    placed = opt_symbol_placement(buffer);
    ASSERT_NE(placed, nullptr);
    EXPECT_TRUE(!placed->has_known_bank && placed->has_known_section);
    EXPECT_EQ(placed->section, "buffers");
    EXPECT_EQ(opt_symbol_placement(flags), nullptr);
}

} // namespace
