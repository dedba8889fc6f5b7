// Calls with their arguments, and constant expressions translated straight
// from the syntax tree.
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "support/vxassert.h"
#include "translate/expr_internal.h"

namespace {

// A call being translated; calls nest through their arguments.
struct call_context {
    pcodell *callee;       // null when the call was dropped
    const typell *function;
    param_entry *next_param;
    bool prototyped;
    bool variadic;
    bool printf_family;
    int number;
    pcodell *first;
    pcodell *last;
};

std::vector<call_context> s_calls;

bool s_is_printf_family(const symbol *sym)
{
    // The library's snprintf and the routines that take their format in
    // data memory read their char arguments as ints too.
    static const char *const names[] = {"printf",       "fprintf",     "sprintf",      "vprintf",
                                        "vfprintf",     "vsprintf",    "snprintf",     "vsnprintf",
                                        "printf_ram",   "sprintf_ram", "snprintf_ram", "vprintf_ram",
                                        "vsprintf_ram", "vsnprintf_ram"};
    if (!sym)
        return false;
    for (const char *name : names)
        if (strcmp(sym->name, name) == 0)
            return true;
    return false;
}

symbol *s_called_symbol(const pcodell *callee)
{
    if (isPcodellIdentifier(callee) && callee->sym && is_type_function(callee->sym->type))
        return callee->sym;
    return nullptr;
}

void s_append(call_context &call, pcodell *arg)
{
    if (call.last)
        call.last->right = arg;
    else
        call.first = arg;
    call.last = arg;
}

// 0 refused (1146), 1 accepted, 2 accepted with 2054.
int s_argument_fits(const typell *param, const pcodell *value)
{
    const typell *from = value->type;
    if (is_type_arithmetic(param) && is_type_arithmetic(from))
        return 1;
    if (is_type_struct_or_union(param) && is_type_struct_or_union(from))
        return are_types_compatible(param, from, false) ? 1 : 0;
    if (is_type_pointer(param) && is_type_pointer(from)) {
        int verdict = s_pointer_assignable(param, from);
        if (verdict == 2)
            trn_error(2066);
        return verdict ? 1 : 2;
    }
    if (is_type_pointer(param) && isPcodellZero(value))
        return 1;
    if (!is_type_scalar(param) || !is_type_scalar(from) || is_type_float(param) || is_type_float(from))
        return 0;
    return 2;
}

} // namespace

void trn_call(pcodell *callee, int32_t, const char *)
{
    call_context call = {};
    const typell *type = callee->type;
    if (!is_type_pointer(type) || !is_type_function(type->next)) {
        trn_error(1202);
        pcodellFreeTree(callee);
        s_calls.push_back(call);
        return;
    }
    const typell *function = type->next;
    if (!(function->flags & TF_PROTOTYPED))
        trn_error(2058);
    typell *result = type_function_return_type(function);
    bool incomplete = trn_check_tag(result);
    type_free(result);
    if (incomplete) {
        pcodellFreeTree(callee);
        s_calls.push_back(call);
        return;
    }
    symbol *sym = s_called_symbol(callee);
    sym_add_call(s_current_function, sym);
    call.callee = callee;
    call.function = function;
    call.next_param = function->detail.params;
    call.prototyped = (function->flags & TF_PROTOTYPED) != 0;
    call.variadic = (function->flags & TF_VARIADIC) != 0;
    call.printf_family = s_is_printf_family(sym);
    s_calls.push_back(call);
}

void trnArg(pcodell *value, int32_t line, const char *file)
{
    VX_ASSERT(!s_calls.empty());
    call_context &call = s_calls.back();
    ++call.number;
    if (!call.callee) {
        pcodellFreeTree(value);
        return;
    }
    param_entry *param = call.next_param;
    if (!param) {
        if (call.prototyped && !call.variadic) {
            trn_error(1204);
            pcodellFreeTree(value);
            return;
        }
        if (call.printf_family && is_type_char(value->type))
            value = trn_convert(value, int_type);
        else
            value = trn_integer_promotion(value);
        if (!value->type || ll_sizeof_type(value->type) == 0) {
            trn_error(1146, call.number);
            pcodellFreeTree(value);
            return;
        }
        s_append(call, ll_arg(value, false, line, file));
        return;
    }
    call.next_param = param->next;
    value = trn_place_string_literal(param->type, value);
    int verdict = value->type ? s_argument_fits(param->type, value) : 0;
    if (verdict == 0 || ll_sizeof_type(value->type) == 0) {
        trn_error(1146, call.number);
        pcodellFreeTree(value);
        return;
    }
    if (verdict == 2)
        trn_error(2054);
    if (is_type_scalar(param->type)) {
        typell *target = type_copy(param->type);
        target->is_const = target->is_volatile = 0;
        value = trn_convert(value, target);
        type_free(target);
    }
    if ((param->storage_class == SC_STATIC || param->storage_class == SC_OVERLAY) && param->alias) {
        pcodell *alias = trnIdent(param->alias->name, true, false, line, file);
        pcodell *store = trnAssign(alias, value, false, line, file);
        s_append(call, ll_arg(store, true, line, file));
        return;
    }
    s_append(call, ll_arg(value, false, line, file));
}

void trn_drop_calls()
{
    for (call_context &call : s_calls) {
        pcodellFreeTree(call.callee);
        pcodellFreeTree(call.first);
    }
    s_calls.clear();
}

pcodell *trn_end_call(int32_t line, const char *file)
{
    VX_ASSERT(!s_calls.empty());
    call_context call = s_calls.back();
    s_calls.pop_back();
    if (!call.callee) {
        pcodellFreeTree(call.first);
        return ll_new_signed_const(0, line, file);
    }
    if (call.prototyped && call.next_param)
        trn_error(1203);
    s_append(call, ll_nop_statement(line, file));
    return ll_call(call.callee, call.first, line, file);
}

namespace {

pcodell *s_build(pcodehl *e);

pcodell *s_drop(pcodell *a, pcodell *b)
{
    pcodellFreeTree(a);
    pcodellFreeTree(b);
    return nullptr;
}

pcodell *s_value(pcodehl *e) { return trnLvalueToRvalue(s_build(e)); }

using binary_routine = pcodell *(*)(pcodell *, pcodell *, int32_t, const char *);

binary_routine s_binary_routine(uint32_t kind)
{
    switch (kind) {
    case H_SUB: return trnSub;
    case H_MUL: return trnMul;
    case H_DIV: return trnDiv;
    case H_MOD: return trnMod;
    case H_BAND: return trnBitwiseAnd;
    case H_BOR: return trnBitwiseOr;
    case H_BXOR: return trnBitwiseXor;
    case H_SHL: return trnShiftLeft;
    case H_SHR: return trnShiftRight;
    case H_EQ: return trnEqual;
    case H_NE: return trnNotEqual;
    case H_LT: return trnLessThan;
    case H_LTE: return trnLessThanEqual;
    case H_GT: return trnGreaterThan;
    case H_GTE: return trnGreaterThanEqual;
    case H_LOR: return trn_logical_or;
    case H_LAND: return trnLogicalAnd;
    case H_COMMA: return trnCommaExpression;
    case H_INDEX: return trnIndex;
    default: return nullptr;
    }
}

pcodell *s_assignment(uint32_t kind, pcodell *a, pcodell *b, int32_t line, const char *file)
{
    switch (kind) {
    case H_ASSIGN: return trnAssign(a, b, true, line, file);
    case H_ADDA: return trnAddAssign(a, b, line, file);
    case H_SUBA: return trnSubAssign(a, b, line, file);
    case H_MULA: return trnMulAssign(a, b, line, file);
    case H_DIVA: return trnDivAssign(a, b, line, file);
    case H_MODA: return trnModAssign(a, b, line, file);
    case H_SHLA: return trnShiftLeft_assign(a, b, line, file);
    case H_SHRA: return trnShiftRight_assign(a, b, line, file);
    case H_ANDA: return trnAndAssign(a, b, line, file);
    case H_ORA: return trnOrAssign(a, b, line, file);
    default: return trnXorAssign(a, b, line, file);
    }
}

pcodell *s_build(pcodehl *e)
{
    trn_at(e);
    int32_t line = e->line;
    const char *file = e->file;
    if (binary_routine routine = s_binary_routine(e->kind)) {
        pcodell *a = s_value(e->left);
        pcodell *b = s_value(e->right);
        if (!a || !b)
            return s_drop(a, b);
        trn_at(e);
        return routine(a, b, line, file);
    }
    switch (e->kind) {
    case H_CNST: return trnConstant(e->constant.type, e->constant.value, line, file);
    case H_IDENT: return trnIdent(e->name, true, false, line, file);
    case H_STRING: return trnStringLiteral(e->bytes, e->count, line, file);
    case H_ADD: {
        pcodell *a = s_value(e->left);
        pcodell *b = s_value(e->right);
        if (!a || !b)
            return s_drop(a, b);
        trn_at(e);
        // Address arithmetic in constant expressions scales like any other,
        // so that an initializer `&a[3] + 1` addresses the fifth element.
        return trnAdd(a, b, true, line, file);
    }
    case H_PLUS:
    case H_MINUS:
    case H_BNOT:
    case H_LNOT:
    case H_INDIR: {
        pcodell *a = s_value(e->left);
        if (!a)
            return nullptr;
        trn_at(e);
        switch (e->kind) {
        case H_PLUS: return trnUnaryPlus(a, line, file);
        case H_MINUS: return trnUnaryMinus(a, line, file);
        case H_BNOT: return trnBitwiseNot(a, line, file);
        case H_LNOT: return trnLogicalNot(a, line, file);
        default: return trnIndir(a, line, file);
        }
    }
    case H_REF: {
        pcodell *a = s_build(e->left);
        return a ? trnReference(trnConfirmLval(a), line, file) : nullptr;
    }
    case H_PREINC:
    case H_PSTINC:
    case H_PREDEC:
    case H_PSTDEC: {
        pcodell *a = s_build(e->left);
        if (!a)
            return nullptr;
        a = trnConfirmLval(a);
        switch (e->kind) {
        case H_PREINC: return trnPreIncrement(a, line, file);
        case H_PSTINC: return trnPostIncrement(a, line, file);
        case H_PREDEC: return trnPreDecrement(a, line, file);
        default: return trnPostDecrement(a, line, file);
        }
    }
    case H_ASSIGN:
    case H_ADDA:
    case H_SUBA:
    case H_MULA:
    case H_DIVA:
    case H_MODA:
    case H_SHLA:
    case H_SHRA:
    case H_ANDA:
    case H_ORA:
    case H_XORA: {
        pcodell *a = s_build(e->left);
        pcodell *b = s_value(e->right);
        if (!a || !b)
            return s_drop(a, b);
        trn_at(e);
        return s_assignment(e->kind, trnConfirmLval(a), b, line, file);
    }
    case H_MEMBER: {
        pcodell *a = s_build(e->left);
        return a ? trnMemberAccess(a, e->name, e->flag == 0, line, file) : nullptr;
    }
    case H_CAST: {
        pcodell *a = s_value(e->left);
        if (!a)
            return nullptr;
        trn_at(e);
        typell *type = trn_resolve_type(e->type, file, line);
        return type ? trnCast(a, type, line, file) : a;
    }
    case H_SIZEOFEXPR: {
        pcodell *a = s_build(e->left);
        return a ? trnSizeofExpression(a, line, file) : nullptr;
    }
    case H_SIZEOFTYPE: return trn_sizeof_type(trn_resolve_type(e->type, file, line), line, file);
    case H_ITTYPE: return trnITTYPEExpression(trn_resolve_type(e->type, file, line), line, file);
    case H_COND: {
        if (!e->right || e->right->kind != H_CONDSEP)
            _assert("conditional branches", __FILE__, __LINE__);
        pcodell *c = s_value(e->left);
        pcodell *a = s_value(e->right->left);
        pcodell *b = s_value(e->right->right);
        if (!c || !a || !b) {
            pcodellFreeTree(c);
            pcodellFreeTree(a);
            pcodellFreeTree(b);
            return nullptr;
        }
        trn_at(e);
        return trnConditional(c, a, b, line, file);
    }
    case H_CALL: {
        pcodell *callee = s_value(e->left);
        if (!callee)
            return nullptr;
        trn_call(callee, line, file);
        for (pcodehl *arg = e->right; arg && arg->kind == H_ARG; arg = arg->right) {
            pcodell *value = arg->left ? s_value(arg->left) : nullptr;
            if (value)
                trnArg(value, arg->line, arg->file);
        }
        trn_at(e);
        return trn_end_call(line, file);
    }
    default:
        trn_error(100, "unhandled opcode in constant expression");
        return nullptr;
    }
}

} // namespace

pcodell *s_build_constant_expression(pcodehl *expression)
{
    if (!expression)
        return nullptr;
    return trnLvalueToRvalue(s_build(expression));
}

pcodell *s_constant_expression(pcodehl *expression) { return s_build_constant_expression(expression); }
