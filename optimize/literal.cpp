#include <cstdlib>

#include "codegen/obj.h"
#include "optimize/blocks.h"
#include "optimize/branches.h"
#include "support/vxassert.h"
#include "target/instset.h"

namespace {

// A branch that code generation emitted as a finished instruction becomes a
// pseudo-instruction again, so that resolution chooses its final form.
void s_make_pseudo_instruction(ocode *oc, ocode_kind kind)
{
    inst *ins = oc->data.inst.ins;
    const inst_operand &target = ins->operand[0];
    ocode_branch_data branch{};
    if (target.type == SYMBOL_OP) {
        VX_ASSERT(target.offset == 0);
        branch.type = SYMBOL_BRANCH;
        branch.sym = target.value.sym;
    } else {
        // The literal of a GOTO is an absolute address, not a displacement.
        VX_ASSERT(target.type == LITERAL_OP && ins->opcode != IT_GOTO);
        branch.type = LITERAL_BRANCH;
        // The displacement counts from the instruction after the branch.
        branch.literal = target.value.literal + 1;
    }
    if (ins->opcode == IT_GOTO) {
        ocode *second = oc->next;
        VX_ASSERT(second && second->type == OC_INST && second->data.inst.ins->opcode == IT_WORD2);
        remove_instruction(second);
    }
    free(ins);
    oc->type = kind;
    oc->data.branch = branch;
}

} // namespace

void s_convert_literal_branches(ocode *list)
{
    for (ocode *oc = list; oc; oc = oc->next) {
        ocode_kind kind;
        if (oc->type == OC_INST && !oc->data.inst.ins->is_inline &&
            opt_branch_kind_of(oc->data.inst.ins->opcode, &kind))
            s_make_pseudo_instruction(oc, kind);
    }
    for (ocode *oc = list; oc; oc = oc->next)
        if (opt_is_branch_pseudo(oc) && oc->data.branch.type == LITERAL_BRANCH)
            s_do_convert_literal_branch(oc);
}

void s_do_convert_literal_branch(ocode *branch)
{
    ocode *label = objInsertLabel(s_find_literal_branch_target(branch));
    branch->data.branch.type = LABEL_BRANCH;
    branch->data.branch.label = label;
}

ocode *s_find_literal_branch_target(ocode *branch)
{
    ocode *oc = branch;
    for (int32_t ahead = branch->data.branch.literal; ahead > 0;) {
        oc = oc->next;
        VX_ASSERT(oc && oc->type != OC_EFUNCT);
        if (opt_is_instruction_record(oc))
            --ahead;
    }
    for (int32_t behind = branch->data.branch.literal; behind < 0;) {
        oc = oc->prev;
        VX_ASSERT(oc && oc->type != OC_BFUNCT);
        if (opt_is_instruction_record(oc))
            ++behind;
    }
    return oc;
}
