#include <cstring>

#include "object/coff.h"
#include "optimize/blocks.h"
#include "optimize/branches.h"
#include "support/vxassert.h"
#include "target/instset.h"
#include "translate/symbols.h"

namespace {

// A few words inside what the 11-bit and 8-bit displacements encode.
constexpr int32_t BRA_LIMIT = 0x3FC;
constexpr int32_t BCOND_LIMIT = 0x78;
// The distance to a target that is not in this list, such as a function:
// beyond every relative branch.
constexpr int32_t OUT_OF_REACH = 0xFFFF;

struct reach {
    int32_t distance;
    bool forward;
};

// Null when the target is not in this list.
const ocode *s_target_record(const ocode *record)
{
    if (is_call(record)) {
        const inst_operand &callee = record->data.inst.ins->operand[0];
        VX_ASSERT(callee.type == SYMBOL_OP);
        const ocode *begin = ocode_function_record(callee.value.sym);
        VX_ASSERT(begin != nullptr);
        return begin;
    }
    VX_ASSERT(opt_is_branch_pseudo(record));
    const ocode_branch_data &b = record->data.branch;
    if (b.type == SYMBOL_BRANCH) {
        if (b.sym->kind != LABEL)
            return nullptr;
        const ocode *label = ocode_label_record(b.sym);
        VX_ASSERT(label != nullptr);
        return label;
    }
    VX_ASSERT(b.type == LABEL_BRANCH && b.label);
    return b.label;
}

// Counted with the largest size each record may still take, so that no
// later resolution can put a target out of the reach found now.
reach s_reach(const ocode *record)
{
    const ocode *target = s_target_record(record);
    if (!target)
        return {OUT_OF_REACH, true};
    reach r{0, target->number > record->number};
    if (r.forward) {
        r.distance = 1;
        for (const ocode *oc = record->next;; oc = oc->next) {
            VX_ASSERT(oc != nullptr);
            r.distance += s_max_instruction_size(oc);
            if (oc == target)
                break;
        }
    } else {
        for (const ocode *oc = target; oc != record; oc = oc->next) {
            VX_ASSERT(oc != nullptr);
            r.distance += s_max_instruction_size(oc);
        }
    }
    return r;
}

// The displacement of a one-word branch placed where the pseudo-instruction is.
int32_t s_offset(const reach &r) { return r.forward ? r.distance - 1 : ~r.distance; }

bool s_is_conditional_kind(const ocode *oc) { return oc->type >= OC_BZ && oc->type <= OC_BTFBC; }

bool s_is_bit_test(ocode_kind kind) { return kind == OC_BTFBS || kind == OC_BTFBC; }

resolution_state s_shortest_state(const ocode *oc)
{
    reach r = s_reach(oc);
    if (oc->type == OC_BRANCH)
        return r.distance < BRA_LIMIT ? BRA : NOT_RESOLVED;
    if (s_is_bit_test(oc->type))
        return r.forward && r.distance == 2 ? BCOND : NOT_RESOLVED;
    return r.distance < BCOND_LIMIT ? BCOND : NOT_RESOLVED;
}

// Only the callee's own section is certain to be laid out next to the
// caller's code; an external function has no section here.
bool s_can_be_rcall(const ocode *oc, const symbol *function)
{
    if (!function || !is_call(oc) || oc->data.inst.ins->is_inline)
        return false;
    const inst_operand &callee = oc->data.inst.ins->operand[0];
    const inst_operand &fast = oc->data.inst.ins->operand[1];
    // A fast call saves WREG, STATUS and BSR in the shadow registers for the
    // callee's fast return; RCALL saves nothing.
    if (callee.type != SYMBOL_OP || (fast.type == LITERAL_OP && fast.value.literal != 0))
        return false;
    const section *mine = function->code_section;
    const section *theirs = callee.value.sym->code_section;
    return mine && theirs && strcmp(mine->name, theirs->name) == 0 && s_reach(oc).distance < BRA_LIMIT;
}

void s_make_rcall(ocode *call)
{
    inst *ins = call->data.inst.ins;
    ins->opcode = IT_RCALL;
    ins->operand[0].reloc = RELOC_BRA;
    ins->operand[1] = inst_operand{};
    ocode *second = call->next;
    VX_ASSERT(second && second->type == OC_INST && second->data.inst.ins->opcode == IT_WORD2);
    remove_instruction(second);
}

bool s_assign_short_forms(ocode *list)
{
    ocode_enumerate(list);
    bool assigned = false;
    const symbol *function = nullptr;
    for (ocode *oc = list; oc; oc = oc->next) {
        if (oc->type == OC_BFUNCT) {
            function = oc->data.function;
        } else if (oc->type == OC_EFUNCT) {
            function = nullptr;
        } else if (opt_is_branch_pseudo(oc) && oc->data.branch.resolved == NOT_RESOLVED) {
            oc->data.branch.resolved = s_shortest_state(oc);
            assigned = assigned || oc->data.branch.resolved != NOT_RESOLVED;
        } else if (s_can_be_rcall(oc, function)) {
            s_make_rcall(oc);
            assigned = true;
        }
    }
    return assigned;
}

bool s_assign_branches_around_bra(ocode *list)
{
    ocode_enumerate(list);
    bool assigned = false;
    for (ocode *oc = list; oc; oc = oc->next)
        if (s_is_conditional_kind(oc) && oc->data.branch.resolved == NOT_RESOLVED && s_reach(oc).distance < BRA_LIMIT) {
            oc->data.branch.resolved = BRACOND;
            assigned = true;
        }
    return assigned;
}

void s_assign_goto_forms(ocode *list)
{
    for (ocode *oc = list; oc; oc = oc->next)
        if (opt_is_branch_pseudo(oc) && oc->data.branch.resolved == NOT_RESOLVED)
            oc->data.branch.resolved = oc->type == OC_BRANCH ? GOTO : GOTOCOND;
}

// The bit test carries its own access bit, which need not be the one that
// the range of the register's symbol gives.
inst *s_bit_test(unsigned opcode, const ocode_branch_data &b)
{
    inst *ins = opcode == IT_BTFSS ? iVx_BTFSS(b.freg, b.freg_offset, b.bit) : iVx_BTFSC(b.freg, b.freg_offset, b.bit);
    ins->operand[2].value.literal = b.access;
    return ins;
}

// The short conditional instruction of `kind`; a bit test skips exactly the
// one instruction that follows it, whatever `displacement` says.
inst *s_conditional(ocode_kind kind, const ocode_branch_data &b, int32_t displacement)
{
    unsigned opcode = opt_short_branch_opcode(kind);
    return s_is_bit_test(kind) ? s_bit_test(opcode, b) : iVx_opLW(opcode, displacement);
}

void s_become_instruction(ocode *oc, inst *ins)
{
    oc->type = OC_INST;
    oc->data.inst.ins = ins;
}

ocode *s_insert_after(ocode *oc, inst *ins)
{
    ocode *added = ocodeInst(ins, oc->line, oc->file);
    added->prev = oc;
    added->next = oc->next;
    if (oc->next)
        oc->next->prev = added;
    oc->next = added;
    return added;
}

// The symbol that the GOTO relocation names; its label must then survive
// the clean-up.
symbol *s_goto_target(const ocode *oc)
{
    const ocode_branch_data &b = oc->data.branch;
    if (b.type == SYMBOL_BRANCH) {
        if (b.sym->kind == LABEL) {
            ocode *label = ocode_label_record(b.sym);
            VX_ASSERT(label != nullptr);
            label->data.label.used_in_relocation = 1;
        }
        return b.sym;
    }
    VX_ASSERT(b.type == LABEL_BRANCH && b.label && b.label->type == OC_LABEL);
    if (!b.label->data.label.label)
        ocode_set_label_symbol(b.label, sym_temp_label(b.label->line, b.label->file));
    b.label->data.label.used_in_relocation = 1;
    return b.label->data.label.label;
}

void s_resolve_to_BRA(ocode *oc) { s_become_instruction(oc, iVx_BRA(s_offset(s_reach(oc)))); }

void s_resolve_to_BCOND(ocode *oc)
{
    int32_t offset = s_offset(s_reach(oc));
    VX_ASSERT(!s_is_bit_test(oc->type) || offset == 1);
    s_become_instruction(oc, s_conditional(oc->type, oc->data.branch, offset));
}

void s_resolve_to_BRACOND(ocode *oc)
{
    reach r = s_reach(oc);
    // The BRA is the pseudo-instruction's second word.
    int32_t offset = r.forward ? r.distance - 1 : -2 - r.distance;
    s_become_instruction(oc, s_conditional(opt_inverted_branch(oc->type), oc->data.branch, 1));
    s_insert_after(oc, iVx_BRA(offset));
}

void s_resolve_to_GOTO(ocode *oc)
{
    symbol *target = s_goto_target(oc);
    s_become_instruction(oc, iVx_GOTO(target, 0));
    s_insert_after(oc, iVx_GOTO2(target, 0));
}

void s_resolve_to_GOTOCOND(ocode *oc)
{
    symbol *target = s_goto_target(oc);
    s_become_instruction(oc, s_conditional(opt_inverted_branch(oc->type), oc->data.branch, 2));
    ocode *jump = s_insert_after(oc, iVx_GOTO(target, 0));
    s_insert_after(jump, iVx_GOTO2(target, 0));
}

// Each state takes as many words as its size counted, so the distances of
// the branches still to be applied stay exact.
void s_apply_states(ocode *list)
{
    ocode_enumerate(list);
    for (ocode *oc = list, *next; oc; oc = next) {
        next = oc->next;
        if (!opt_is_branch_pseudo(oc))
            continue;
        switch (oc->data.branch.resolved) {
        case BRA: s_resolve_to_BRA(oc); break;
        case BCOND: s_resolve_to_BCOND(oc); break;
        case BRACOND: s_resolve_to_BRACOND(oc); break;
        case GOTO: s_resolve_to_GOTO(oc); break;
        case GOTOCOND: s_resolve_to_GOTOCOND(oc); break;
        default: _assert("resolution state", __FILE__, __LINE__);
        }
    }
}

// Only labels that a relocation names reach the object file.  In-line
// assembly may name any label that carries a symbol.
void s_clean_up_labels(ocode *list)
{
    const symbol *function = nullptr;
    for (ocode *oc = list, *next; oc; oc = next) {
        next = oc->next;
        if (oc->type == OC_BFUNCT)
            function = oc->data.function;
        else if (oc->type == OC_EFUNCT)
            function = nullptr;
        if (oc->type != OC_LABEL || oc->data.label.used_in_relocation)
            continue;
        if (function && function->has_asm && oc->data.label.label) {
            oc->data.label.used_in_relocation = 1;
        } else {
            // The list's head is its first function's OC_BFUNCT.
            VX_ASSERT(oc != list);
            remove_instruction(oc);
        }
    }
}

} // namespace

int32_t s_max_instruction_size(const ocode *record)
{
    if (record->type == OC_INST)
        return 1;
    if (!opt_is_branch_pseudo(record))
        return 0;
    switch (record->data.branch.resolved) {
    case NOT_RESOLVED: return record->type == OC_BRANCH ? 2 : 3;
    case BRA:
    case BCOND: return 1;
    case BRACOND:
    case GOTO: return 2;
    case GOTOCOND: return 3;
    default: _assert("resolution state", __FILE__, __LINE__);
    }
}

int32_t s_max_distance_to_branch_target(const ocode *record) { return s_reach(record).distance; }

void s_resolve_branches(ocode *list)
{
    while (s_assign_short_forms(list)) {
    }
    while (s_assign_branches_around_bra(list)) {
    }
    s_assign_goto_forms(list);
    s_apply_states(list);
    s_clean_up_labels(list);
}
