// The reducer: runs the actions of the rules that labelling chose, from the
// statement's root down, with each node's results in an attribute record.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "codegen/attrib.h"
#include "codegen/gen.h"
#include "codegen/genVx-main.h"
#include "codegen/obj.h"
#include "codegen/temps.h"
#include "driver/diag.h"
#include "support/vxassert.h"
#include "translate/ir.h"

namespace {

gen_attrib s_attrib_stack[sATTRIBSTACKSIZE];
gen_attrib *s_attrib_stack_tos = s_attrib_stack;

constexpr int MAX_LEAVES = 8;

int s_leaf_count(int rule)
{
    int count = 0;
    while (_nts[rule][count])
        ++count;
    return count;
}

// Every record of the node's code gets the innermost rule that made it.
void s_stamp(ocode *list, int rule)
{
    for (ocode *oc = list; oc; oc = oc->next)
        if (oc->rule == 0)
            oc->rule = rule;
}

void s_push()
{
    ++s_attrib_stack_tos;
    VX_ASSERT(s_attrib_stack_tos - s_attrib_stack < sATTRIBSTACKSIZE);
}

void s_clear(gen_attrib *record) { *record = gen_attrib{}; }

// Leaves the node's record pushed: the caller pops the records of all its
// leaves at once.  Records of leaves after the first may hold a destination
// that phase 1 chose, so they are cleared before phase 1 and kept from the
// reductions of the leaves before them.
void sReduce(pcodell *p, int goal)
{
    int rule = _rule(p->labeller_state, goal);
    if (rule == 0) {
        pcodell_dbg_dump_tree(p);
        post_error(100, "unable to reduce tree:");
    }
    s_push();
    pcodell *kids[MAX_LEAVES] = {};
    int leaves = s_leaf_count(rule);
    VX_ASSERT(leaves <= MAX_LEAVES);
    _kids(p, rule, kids);
    gen_attrib *own = s_attrib_stack_tos - 1;
    if (leaves)
        s_clear(s_attrib_stack_tos);
    _action_0(rule, p);
    if (leaves) {
        sReduce(kids[0], _nts[rule][0]);
        s_attrib_stack_tos = own + 1;
        for (int i = 1; i < leaves; ++i)
            s_clear(own + 1 + i);
        _action_1(rule, p);
        // A later leaf's reduction works in the records above its own, which
        // are the records of the leaves after it: each gets back what phase
        // 1 left in it before its own reduction.
        gen_attrib after_phase1[MAX_LEAVES];
        for (int i = 1; i < leaves; ++i)
            after_phase1[i] = own[1 + i];
        s_attrib_stack_tos = own + 2;
        for (int i = 1; i < leaves; ++i) {
            own[1 + i] = after_phase1[i];
            sReduce(kids[i], _nts[rule][i]);
            s_attrib_stack_tos = own + 2 + i;
        }
        s_attrib_stack_tos = own + 1;
    }
    VX_ASSERT(s_attrib_stack_tos > s_attrib_stack);
    own->code = nullptr;
    _action_2(rule, p);
    s_stamp(own->code, rule);
}

} // namespace

gen_attrib *attr_self() { return s_attrib_stack_tos - 1; }
gen_attrib *attr_kid(int leaf) { return s_attrib_stack_tos + leaf; }

ocode *gen_reduce_statement(pcodell *tree)
{
    _label(tree);
    s_attrib_stack_tos = s_attrib_stack;
    s_clear(s_attrib_stack);
    try {
        sReduce(tree, NT_stmt);
    } catch (...) {
        burg_free_states(tree);
        s_attrib_stack_tos = s_attrib_stack;
        throw;
    }
    burg_free_states(tree);
    ocode *code = s_attrib_stack[0].code;
    if (code && !(code->type == OC_INST && code->data.inst.ins->is_inline))
        code = tmp_save_and_restore(code);
    tmp_clear();
    s_attrib_stack_tos = s_attrib_stack;
    return code;
}

void fatal(const char *name, const char *format, ...)
{
    (void)name;
    va_list args;
    va_start(args, format);
    const char *bad_terminal = "Bad terminal";
    if (std::string_view(format).rfind(bad_terminal, 0) == 0) {
        int code = va_arg(args, int);
        if (code > static_cast<int>(I_FIRST_OPCODE) && code < static_cast<int>(I_END_OPCODE))
            printf("Bad terminal %s\n", pcodell_get_opcode_name(static_cast<uint32_t>(code)));
        else
            printf(format, code);
    } else {
        vprintf(format, args);
    }
    va_end(args);
    fflush(stdout);
    exit(1);
}
