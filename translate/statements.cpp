// Statements and functions: control flow lowered to labels, jumps and
// conditional jumps; the function bracket with its frame sizes.
#include <cstdio>
#include <initializer_list>
#include <vector>

#include "driver/diag.h"
#include "frontend/asmrec.h"
#include "support/vxassert.h"
#include "translate/expr_internal.h"

namespace {

int s_label_counter;
symbol *sReturnLabel;
typell *sReturnType;
std::vector<symbol *> sBreakStack;
std::vector<symbol *> sContinueStack;
case_table *sSwitchStack;
std::vector<case_table *> s_all_switches;
std::vector<symbol *> sLabelForwardReferenceList;
// In-line assembly blocks taken over from the syntax tree, which is freed
// before code generation reads them.
std::vector<asm_statement *> s_asm_blocks;

stmt *s_one(pcodell *tree) { return stmtCreate(tree); }

// Joins the pieces in order, walking each piece once, so that a statement
// costs the length of its parts and not of what came before.
stmt *s_chain(std::initializer_list<stmt *> pieces)
{
    stmt *head = nullptr, *tail = nullptr;
    for (stmt *piece : pieces) {
        if (!piece)
            continue;
        if (tail) {
            tail->next = piece;
            piece->prev = tail;
        } else {
            head = piece;
        }
        for (tail = piece; tail->next; tail = tail->next) {
        }
    }
    return head;
}

stmt *s_label(symbol *label, int32_t line, const char *file)
{
    stmt *s = s_one(ll_label(label, line, file));
    label->label_stmt = s;
    return s;
}

stmt *s_jump(symbol *label, int32_t line, const char *file) { return s_one(ll_jump_statement(label, line, file)); }

bool s_constant_truth(const pcodell *c, bool *value)
{
    if (!is_pcodell_constant(c))
        return false;
    *value = c->constant.type == CT_FLOAT ? (c->constant.value & 0x7fffffffu) != 0 : c->constant.value != 0;
    return true;
}

// Jumps to `label` when the condition is false; a constant condition needs
// no test, or becomes a plain jump.
stmt *s_exit_test(pcodell *c, symbol *label, int32_t line, const char *file)
{
    bool value;
    if (s_constant_truth(c, &value)) {
        pcodellFreeTree(c);
        return value ? nullptr : s_jump(label, line, file);
    }
    return s_one(ll_if_statement(ll_logical_not(c, line, file), label, line, file));
}

bool s_forward(symbol *label)
{
    for (symbol *l : sLabelForwardReferenceList)
        if (l == label)
            return true;
    return false;
}

void s_resolve_forward(symbol *label)
{
    for (auto it = sLabelForwardReferenceList.begin(); it != sLabelForwardReferenceList.end(); ++it)
        if (*it == label) {
            sLabelForwardReferenceList.erase(it);
            return;
        }
}

} // namespace

symbol *sGetInternalLabel(const char *prefix)
{
    char name[300];
    snprintf(name, sizeof name, "___%.242s_lbl%05d", prefix, s_label_counter++);
    return sym_create_label(name);
}

void trn_reset_statements()
{
    s_label_counter = 0;
    sReturnLabel = nullptr;
    type_free(sReturnType);
    sReturnType = nullptr;
    sBreakStack.clear();
    sContinueStack.clear();
    sSwitchStack = nullptr;
    sLabelForwardReferenceList.clear();
}

void trn_free_switches()
{
    for (case_table *table : s_all_switches) {
        while (table->cases) {
            case_entry *next = table->cases->next;
            delete table->cases;
            table->cases = next;
        }
        type_free(table->control_type);
        delete table;
    }
    s_all_switches.clear();
    for (asm_statement *block : s_asm_blocks)
        asm_list_free(block);
    s_asm_blocks.clear();
    type_free(sReturnType);
    sReturnType = nullptr;
}

void trn_begin_function_statements(symbol *function, int32_t, const char *)
{
    sReturnLabel = sGetInternalLabel("return");
    type_free(sReturnType);
    sReturnType = type_function_return_type(function->type);
}

stmt *trnFunction(symbol *function, stmt *declarations, stmt *body, int32_t line, const char *file, int32_t end_line,
                  const char *end_file)
{
    uint32_t return_size = sReturnType && !is_type_void(sReturnType) ? ll_sizeof_type(sReturnType) : 0;
    uint32_t frame = trnStackFrameSize(), params = trnParamFrameSize();
    stmt *list = s_chain({s_one(ll_function_begin(function, frame, params, return_size, line, file)), declarations,
                          body, s_label(sReturnLabel, end_line, end_file),
                          s_one(ll_function_end(function, frame, params, return_size, end_line, end_file))});
    for (symbol *label : sLabelForwardReferenceList)
        trn_error(1111, label->name, function->name);
    sLabelForwardReferenceList.clear();
    trn_end_function_declarations();
    return list;
}

stmt *trnReturnStatement(pcodell *value, int32_t line, const char *file)
{
    const typell *want = sReturnType;
    if (!value) {
        if (want && !is_type_void(want))
            trn_error(2053);
        return s_jump(sReturnLabel, line, file);
    }
    if (!want || is_type_void(want)) {
        trn_error(2052);
        pcodellFreeTree(value);
        return s_jump(sReturnLabel, line, file);
    }
    value = trn_place_string_literal(want, value);
    const typell *from = value->type;
    bool ok = true;
    if (is_type_arithmetic(want) && is_type_arithmetic(from)) {
    } else if (is_type_struct_or_union(want) && is_type_struct_or_union(from)) {
        ok = are_types_compatible(want, from, false);
    } else if (is_type_pointer(want) && is_type_pointer(from)) {
        if (!s_pointer_assignable(want, from))
            trn_error(2054);
    } else if (is_type_pointer(want) && isPcodellZero(value)) {
    } else if (is_type_scalar(want) && is_type_scalar(from) && !is_type_float(want) && !is_type_float(from)) {
        trn_error(2054);
    } else {
        ok = false;
    }
    if (!ok) {
        trn_error(1116);
        pcodellFreeTree(value);
        return s_jump(sReturnLabel, line, file);
    }
    if (is_type_scalar(want)) {
        typell *target = type_copy(want);
        target->is_const = target->is_volatile = 0;
        value = trn_convert(value, target);
        type_free(target);
    }
    return s_one(ll_return_statement(value, sReturnLabel, line, file));
}

stmt *trnCompoundStatement(stmt *statement, stmt *list) { return s_chain({statement, list}); }

stmt *trnNop(int32_t line, const char *file) { return s_one(ll_nop_statement(line, file)); }

stmt *trnIfStatement(pcodell *condition, stmt *then, int32_t line, const char *file)
{
    if (!is_type_scalar(condition->type)) {
        trn_error(1117);
        pcodellFreeTree(condition);
        return then;
    }
    bool value;
    if (s_constant_truth(condition, &value)) {
        pcodellFreeTree(condition);
        if (value)
            return then;
        symbol *end = sGetInternalLabel("if");
        return s_chain({s_jump(end, line, file), then, s_label(end, line, file)});
    }
    symbol *end = sGetInternalLabel("if");
    stmt *test = s_one(ll_if_statement(ll_logical_not(condition, line, file), end, line, file));
    return s_chain({test, then, s_label(end, line, file)});
}

stmt *trnIfElseStatement(pcodell *condition, stmt *then, stmt *otherwise, int32_t line, const char *file)
{
    if (!is_type_scalar(condition->type)) {
        trn_error(1117);
        pcodellFreeTree(condition);
        stmtFreeList(otherwise);
        return then;
    }
    symbol *end = sGetInternalLabel("if");
    symbol *other = sGetInternalLabel("else");
    bool value;
    stmt *list;
    if (s_constant_truth(condition, &value)) {
        pcodellFreeTree(condition);
        trn_error(value ? 2056 : 2055);
        list = value ? nullptr : s_jump(other, line, file);
    } else {
        list = s_one(ll_if_statement(ll_logical_not(condition, line, file), other, line, file));
    }
    return s_chain({list, then, s_jump(end, line, file), s_label(other, line, file), otherwise,
                    s_label(end, line, file)});
}

void trnEnterLoopStatement(const char *prefix, symbol **continue_label, symbol **break_label)
{
    *continue_label = sGetInternalLabel(prefix);
    char exit_prefix[64];
    snprintf(exit_prefix, sizeof exit_prefix, "%.58sexit", prefix);
    *break_label = sGetInternalLabel(exit_prefix);
    sContinueStack.push_back(*continue_label);
    sBreakStack.push_back(*break_label);
}

static void s_leave_loop()
{
    VX_ASSERT(!sContinueStack.empty() && !sBreakStack.empty());
    sContinueStack.pop_back();
    sBreakStack.pop_back();
}

stmt *trnWhileStatement(pcodell *condition, stmt *body, symbol *continue_label, symbol *break_label, int32_t line,
                        const char *file)
{
    s_leave_loop();
    if (!is_type_scalar(condition->type)) {
        trn_error(1118);
        pcodellFreeTree(condition);
        return body;
    }
    return s_chain({s_label(continue_label, line, file), s_exit_test(condition, break_label, line, file), body,
                    s_jump(continue_label, line, file), s_label(break_label, line, file)});
}

stmt *trnDoWhileStatement(stmt *body, pcodell *condition, symbol *continue_label, symbol *break_label, int32_t line,
                          const char *file)
{
    s_leave_loop();
    if (!is_type_scalar(condition->type)) {
        trn_error(1119);
        pcodellFreeTree(condition);
        return body;
    }
    symbol *start = sGetInternalLabel("do");
    bool value;
    stmt *test;
    if (s_constant_truth(condition, &value)) {
        pcodellFreeTree(condition);
        test = value ? s_jump(start, line, file) : trnNop(line, file);
    } else {
        test = s_one(ll_if_statement(ll_test(condition, line, file), start, line, file));
    }
    return s_chain({s_label(start, line, file), body, s_label(continue_label, line, file), test,
                    s_label(break_label, line, file)});
}

stmt *trnForStatement(pcodell *init, pcodell *condition, pcodell *step, stmt *body, symbol *continue_label,
                      symbol *break_label, int32_t line, const char *file)
{
    s_leave_loop();
    if (condition && !is_type_scalar(condition->type)) {
        trn_error(1120);
        pcodellFreeTree(init);
        pcodellFreeTree(condition);
        pcodellFreeTree(step);
        return body;
    }
    symbol *top = sGetInternalLabel("for");
    return s_chain({init ? s_one(init) : trnNop(line, file), s_label(top, line, file),
                    condition ? s_exit_test(condition, break_label, line, file) : nullptr, body,
                    s_label(continue_label, line, file), step ? s_one(step) : nullptr, s_jump(top, line, file),
                    s_label(break_label, line, file)});
}

stmt *trnBreakStatement(int32_t line, const char *file)
{
    if (sBreakStack.empty()) {
        trn_error(1125);
        return trnNop(line, file);
    }
    return s_jump(sBreakStack.back(), line, file);
}

stmt *trnContinueStatement(int32_t line, const char *file)
{
    if (sContinueStack.empty()) {
        trn_error(1126);
        return trnNop(line, file);
    }
    return s_jump(sContinueStack.back(), line, file);
}

void trnSwitchStatementBegin(pcodell **control, int32_t line, const char *file)
{
    case_table *table = new case_table{};
    s_all_switches.push_back(table);
    if (!is_type_integer((*control)->type)) {
        trn_error(1112);
        pcodellFreeTree(*control);
        *control = ll_new_signed_const(0, line, file);
    }
    *control = trn_integer_promotion(*control);
    table->control_type = type_copy((*control)->type);
    table->exit_label = sGetInternalLabel("switchexit");
    table->enclosing = sSwitchStack;
    sSwitchStack = table;
    sBreakStack.push_back(table->exit_label);
}

stmt *trnCaseStatement(pcodell *value, stmt *statement, int32_t line, const char *file)
{
    if (!is_pcodell_constant(value) || value->constant.type == CT_FLOAT) {
        trn_error(1113);
        pcodellFreeTree(value);
        return statement;
    }
    if (!sSwitchStack) {
        trn_error(1114);
        pcodellFreeTree(value);
        return statement;
    }
    value = trn_convert(value, sSwitchStack->control_type);
    const constant_record &c = value->constant;
    int64_t v = is_signed_type(c.type) ? get_signed_constant_value(c.type, c.value)
                                       : static_cast<int64_t>(get_unsigned_constant_value(c.type, c.value));
    pcodellFreeTree(value);
    for (const case_entry *e = sSwitchStack->cases; e; e = e->next)
        if (e->value == v) {
            trn_error(1515, static_cast<long>(v));
            return statement;
        }
    char prefix[40];
    snprintf(prefix, sizeof prefix, "case_%ld", static_cast<long>(v));
    symbol *label = sGetInternalLabel(prefix);
    sSwitchStack->cases = new case_entry{v, label, sSwitchStack->cases};
    return s_chain({s_label(label, line, file), statement});
}

stmt *trnDefaultStatement(stmt *statement, int32_t line, const char *file)
{
    if (!sSwitchStack) {
        trn_error(1159);
        return statement;
    }
    if (sSwitchStack->default_label) {
        trn_error(1115);
        return statement;
    }
    sSwitchStack->default_label = sGetInternalLabel("default");
    return s_chain({s_label(sSwitchStack->default_label, line, file), statement});
}

stmt *trnSwitchStatementEnd(pcodell *control, stmt *body, int32_t line, const char *file)
{
    case_table *table = sSwitchStack;
    VX_ASSERT(table && !sBreakStack.empty());
    sSwitchStack = table->enclosing;
    sBreakStack.pop_back();
    stmt *head = s_one(ll_switch_statement(control, table, line, file));
    return s_chain({head, body, s_label(table->exit_label, line, file)});
}

stmt *trnJumpStatement(const char *name, int32_t line, const char *file)
{
    symbol *label = sym_lookup_label(name);
    if (!label) {
        label = sym_create_label(name);
        sLabelForwardReferenceList.push_back(label);
    }
    return s_jump(label, line, file);
}

stmt *trnLabel(const char *name, stmt *statement, int32_t line, const char *file)
{
    symbol *label = sym_lookup_label(name);
    if (!label) {
        label = sym_create_label(name);
    } else if (!s_forward(label)) {
        trn_error(1512, name);
        return statement;
    } else {
        s_resolve_forward(label);
    }
    return s_chain({s_label(label, line, file), statement});
}

stmt *trnEnumLabel(const char *name, pcodell *value, stmt *statement, int32_t line, const char *file)
{
    if (!is_pcodell_constant(value) || value->constant.type == CT_FLOAT) {
        trn_error(1219);
        pcodellFreeTree(value);
        return statement;
    }
    if (sym_lookup_label(name)) {
        trn_error(1512, name);
        pcodellFreeTree(value);
        return statement;
    }
    symbol *label = sym_create_label(name);
    pcodell *tree = ll_enum_label(label, line, file);
    tree->left = value;
    stmt *s = s_one(tree);
    label->label_stmt = s;
    return s_chain({s, statement});
}

stmt *trnAssembly(asm_statement *block, int32_t line, const char *file)
{
    if (s_current_function)
        s_current_function->has_asm = true;
    // The block becomes code after the function's scopes are closed, so its
    // names are resolved here.
    for (asm_statement *item = block; item; item = item->next) {
        if (item->kind == LABEL_HINST) {
            symbol *label = sym_lookup_label(item->label);
            if (!label)
                label = sym_create_label(item->label);
            s_resolve_forward(label);
            item->label_symbol = label;
        } else if (item->kind != INST_HINST) {
            _assert("assembly statement kind", __FILE__, __LINE__);
        }
    }
    for (asm_statement *item = block; item; item = item->next)
        for (asm_operand *op = item->kind == INST_HINST ? item->operands : nullptr; op; op = op->next)
            if (op->symbol && !(op->resolved = sym_lookup_label(op->symbol)))
                op->resolved = sym_lookup_sym(op->symbol, LOOKUP_ALL);
    s_asm_blocks.push_back(block);
    return s_one(ll_assembly(block, line, file));
}
