#include "optimize/branches.h"

#include "support/vxassert.h"
#include "target/instset.h"

namespace {

struct conditional_form {
    ocode_kind kind;
    unsigned opcode;     // taken when the condition holds
    ocode_kind inverted; // the kind that branches when it does not
};

const conditional_form s_conditional_forms[] = {
    {OC_BZ, IT_BZ, OC_BNZ},
    {OC_BNZ, IT_BNZ, OC_BZ},
    {OC_BC, IT_BC, OC_BNC},
    {OC_BNC, IT_BNC, OC_BC},
    {OC_BOV, IT_BOV, OC_BNOV},
    {OC_BNOV, IT_BNOV, OC_BOV},
    {OC_BN, IT_BN, OC_BNN},
    {OC_BNN, IT_BNN, OC_BN},
    {OC_BTFBS, IT_BTFSS, OC_BTFBC},
    {OC_BTFBC, IT_BTFSC, OC_BTFBS},
};

const conditional_form &s_form_of(ocode_kind kind)
{
    for (const conditional_form &form : s_conditional_forms)
        if (form.kind == kind)
            return form;
    _assert("conditional branch kind", __FILE__, __LINE__);
}

} // namespace

bool opt_is_branch_pseudo(const ocode *oc) { return oc && oc->type >= OC_BRANCH && oc->type <= OC_BTFBC; }

bool opt_is_instruction_record(const ocode *oc) { return oc && (oc->type == OC_INST || opt_is_branch_pseudo(oc)); }

unsigned opt_short_branch_opcode(ocode_kind kind) { return s_form_of(kind).opcode; }

ocode_kind opt_inverted_branch(ocode_kind kind) { return s_form_of(kind).inverted; }

bool opt_branch_kind_of(unsigned opcode, ocode_kind *kind)
{
    if (opcode == IT_BRA || opcode == IT_GOTO) {
        *kind = OC_BRANCH;
        return true;
    }
    // The bit tests are skips, which stay instructions.
    for (const conditional_form &form : s_conditional_forms)
        if (form.opcode == opcode && form.kind != OC_BTFBS && form.kind != OC_BTFBC) {
            *kind = form.kind;
            return true;
        }
    return false;
}
