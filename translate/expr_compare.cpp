// Comparisons, logical operators, the conditional and comma operators,
// and assignments.
#include <cstring>

#include "driver/diag.h"
#include "translate/expr_internal.h"
#include "translate/ranges.h"

namespace {

bool s_same_place(const typell *a, const typell *b) { return a->memory == b->memory && a->range == b->range; }

// Brings two comparison operands to one type; false after 1128.
bool s_compare_operands(pcodell **a, pcodell **b, bool equality)
{
    const typell *ta = (*a)->type, *tb = (*b)->type;
    if (is_type_arithmetic(ta) && is_type_arithmetic(tb)) {
        if (equality && (is_type_float(ta) || is_type_float(tb)))
            trn_error(3000);
        if (is_type_integer(ta) && is_type_integer(tb) && is_type_signed(ta) != is_type_signed(tb))
            trn_error(3002);
        trnUsualArithmeticConversions(a, b);
        return true;
    }
    if (is_type_pointer(ta) && is_type_pointer(tb)) {
        const typell *pa = ta->next, *pb = tb->next;
        if (are_types_compatible(pa, pb, false) ||
            ((is_type_void(pa) || is_type_void(pb)) && s_same_place(pa, pb)))
            return true;
    }
    if (is_type_pointer(ta) && isPcodellZero(*b)) {
        *b = trn_convert(*b, ta);
        return true;
    }
    if (is_type_pointer(tb) && isPcodellZero(*a)) {
        *a = trn_convert(*a, tb);
        return true;
    }
    trn_error(1128);
    return false;
}

bool s_one_bit_field(const pcodell *tree) { return isPcodellBitfield(tree) && tree->member.bit_width == 1; }

bool s_is_one(const pcodell *tree)
{
    return is_pcodell_constant(tree) && tree->constant.type != CT_FLOAT && tree->constant.value == 1;
}

pcodell *s_equality(pcodell *a, pcodell *b, bool equal, int32_t line, const char *file)
{
    if (!s_compare_operands(&a, &b, true))
        return s_fail(a, b);
    if (isPcodellZero(b) && !is_pcodell_constant(a)) {
        pcodellFreeTree(b);
        return equal ? ll_logical_not(a, line, file) : ll_test(a, line, file);
    }
    if (isPcodellZero(a) && !is_pcodell_constant(b)) {
        pcodellFreeTree(a);
        return equal ? ll_logical_not(b, line, file) : ll_test(b, line, file);
    }
    if (s_one_bit_field(a) && s_is_one(b)) {
        pcodellFreeTree(b);
        return equal ? ll_test(a, line, file) : ll_logical_not(a, line, file);
    }
    pcodell *tree = ll_equal(a, b, line, file);
    return equal ? tree : ll_logical_not(tree, line, file);
}

// <= and >= of floats are the negated comparisons, marked so that a
// comparison with a NaN stays false.
pcodell *s_ordered(pcodell *negation)
{
    if (negation->opcode == I_LNOT && negation->left && (negation->left->opcode == I_LTF || negation->left->opcode == I_GTF))
        negation->flags |= LL_ORDERED;
    return negation;
}

} // namespace

pcodell *trnEqual(pcodell *a, pcodell *b, int32_t line, const char *file) { return s_equality(a, b, true, line, file); }
pcodell *trnNotEqual(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_equality(a, b, false, line, file);
}

pcodell *trnLessThan(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    if (!s_compare_operands(&a, &b, false))
        return s_fail(a, b);
    return ll_less_than(a, b, line, file);
}
pcodell *trnGreaterThan(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    if (!s_compare_operands(&a, &b, false))
        return s_fail(a, b);
    return ll_greater_than(a, b, line, file);
}
pcodell *trnLessThanEqual(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    if (!s_compare_operands(&a, &b, false))
        return s_fail(a, b);
    return s_ordered(ll_logical_not(ll_greater_than(a, b, line, file), line, file));
}
pcodell *trnGreaterThanEqual(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    if (!s_compare_operands(&a, &b, false))
        return s_fail(a, b);
    return s_ordered(ll_logical_not(ll_less_than(a, b, line, file), line, file));
}

pcodell *trnLogicalNot(pcodell *a, int32_t line, const char *file)
{
    if (!is_type_scalar(a->type)) {
        trn_error(1122);
        return a;
    }
    return ll_logical_not(a, line, file);
}

pcodell *trnTest(pcodell *a, int32_t line, const char *file) { return ll_test(a, line, file); }

pcodell *trn_logical_or(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    if (!is_type_scalar(a->type) || !is_type_scalar(b->type)) {
        trn_error(1123);
        return s_fail(a, b);
    }
    return ll_logical_or(a, b, line, file);
}

pcodell *trnLogicalAnd(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    if (!is_type_scalar(a->type) || !is_type_scalar(b->type)) {
        trn_error(1124);
        return s_fail(a, b);
    }
    return ll_logical_and(a, b, line, file);
}

pcodell *trnConditional(pcodell *c, pcodell *a, pcodell *b, int32_t line, const char *file)
{
    if (!is_type_scalar(c->type)) {
        trn_error(1121);
        pcodellFreeTree(c);
        return s_fail(a, b);
    }
    const typell *ta = a->type, *tb = b->type;
    bool ok = true;
    if (is_type_arithmetic(ta) && is_type_arithmetic(tb))
        trnUsualArithmeticConversions(&a, &b);
    else if (is_type_struct_or_union(ta) && is_type_struct_or_union(tb))
        ok = are_types_compatible(ta, tb, false);
    else if (is_type_void(ta) && is_type_void(tb))
        ok = true;
    else if (is_type_pointer(ta) && is_type_pointer(tb))
        ok = are_types_compatible(ta->next, tb->next, false);
    else if (is_type_pointer(ta) && isPcodellZero(b))
        b = trn_convert(b, ta);
    else if (is_type_pointer(tb) && isPcodellZero(a))
        a = trn_convert(a, tb);
    else
        ok = false;
    if (!ok) {
        trn_error(1127);
        pcodellFreeTree(c);
        return s_fail(a, b);
    }
    if (is_pcodell_constant(c)) {
        bool value = c->constant.type == CT_FLOAT ? (c->constant.value & 0x7fffffffu) != 0 : c->constant.value != 0;
        pcodellFreeTree(c);
        return value ? s_fail(a, b) : s_fail(b, a);
    }
    return ll_conditional(c, ll_condsep(a, b, line, file), line, file);
}

pcodell *trnCommaExpression(pcodell *a, pcodell *b, int32_t line, const char *file) { return ll_right(a, b, line, file); }

bool s_is_lvalue(const pcodell *a)
{
    return a && (isPcodellIndirection(a) || isPcodellBitfield(a)) && (a->flags & LL_LVALUE);
}

pcodell *trnConfirmLval(pcodell *a)
{
    if (!s_is_lvalue(a))
        trn_error(1101);
    return a;
}

// Assignments and arguments accept a pointer to a type that differs only in
// qualifiers silently when the target adds const or volatile in the same
// memory and range, and with 2066 when it drops one or changes the place:
// both follow the rule that a user of C expects from either side.
int s_pointer_assignable(const typell *target, const typell *source)
{
    const typell *pt = target->next, *ps = source->next;
    bool place = s_same_place(pt, ps);
    bool adds_only = (pt->is_const || !ps->is_const) && (pt->is_volatile || !ps->is_volatile);
    if (are_types_compatible(pt, ps, true))
        return place ? 1 : 2;
    if (are_types_compatible(pt, ps, false) || is_type_void(pt) || is_type_void(ps))
        return place && adds_only ? 1 : 2;
    return 0;
}

bool trn_can_assign(const typell *type, const pcodell *value, bool check)
{
    const typell *from = value->type;
    if (check && type->is_const) {
        trn_error(1102);
        return false;
    }
    if (is_type_arithmetic(type) && is_type_arithmetic(from))
        return true;
    if (is_type_struct_or_union(type) && is_type_struct_or_union(from) && are_types_compatible(type, from, false))
        return true;
    if (is_type_pointer(type) && is_type_pointer(from)) {
        int verdict = s_pointer_assignable(type, from);
        if (verdict == 2)
            trn_error(2066);
        if (verdict)
            return true;
    }
    if (is_type_pointer(type) && isPcodellZero(value))
        return true;
    trn_error(1131);
    return false;
}

static typell *s_unqualified(const typell *type)
{
    typell *copy = type_copy(type);
    copy->is_const = copy->is_volatile = 0;
    return copy;
}

pcodell *trnAssign(pcodell *lvalue, pcodell *value, bool check, int32_t line, const char *file)
{
    if (!s_is_lvalue(lvalue) || !lvalue->type)
        return s_fail(lvalue, value);
    if (is_type_array(lvalue->type)) {
        trn_error(1153);
        return s_fail(lvalue, value);
    }
    value = trn_place_string_literal(lvalue->type, value);
    if (!trn_can_assign(lvalue->type, value, check))
        return s_fail(lvalue, value);
    if (is_type_scalar(lvalue->type)) {
        typell *target = s_unqualified(lvalue->type);
        value = trn_convert(value, target);
        type_free(target);
    }
    return ll_assign(lvalue, value, ll_sizeof_type(lvalue->type), line, file);
}

namespace {

using assign_builder = pcodell *(*)(pcodell *, pcodell *, int32_t, const char *);

bool s_compound_target(pcodell *lvalue)
{
    if (!s_is_lvalue(lvalue) || !lvalue->type)
        return false;
    if (lvalue->type->is_const) {
        trn_error(1102);
        return false;
    }
    return true;
}

// An lvalue that can be evaluated twice with the same result: no calls,
// assignments, increments or decrements inside.
bool s_is_repeatable(const pcodell *tree)
{
    if (!tree)
        return true;
    uint32_t op = tree->opcode;
    if ((op >= I_PREINC8RAM && op <= I_PSTDECFROM) || (op >= I_cop8A && op <= I_copFA) ||
        (op >= I_SUB8A && op <= I_DIVFA) || (op >= I_MOV8 && op <= I_MOVX) || (op >= I_CALL && op <= I_CALLX) ||
        op == I_SHL8A || op == I_SHL16A || op == I_SHL24A || op == I_SHL32A || op == I_SHR8A || op == I_SHR16A ||
        op == I_SHR24A || op == I_SHR32A)
        return false;
    return s_is_repeatable(tree->left) && s_is_repeatable(tree->right);
}

// x /= y and x %= y divide in the operands' common type, as x = x / y
// does; a divisor converted to x's narrower type first would be cut, and
// one of the same width but the other signedness would change its value.
bool s_divides_wider(const pcodell *a, const pcodell *b, assign_builder build)
{
    if ((build != ll_div_assign && build != ll_mod_assign) || !is_type_integer(a->type) ||
        !is_type_integer(b->type))
        return false;
    uint32_t target = ll_sizeof_type(a->type), divisor = ll_sizeof_type(b->type);
    return divisor > target || (divisor == target && is_type_signed(a->type) != is_type_signed(b->type));
}

// An integer changed by a float operand is computed in float, as
// x = x op y is, and only the result converted back.
bool s_float_into_integer(const pcodell *a, const pcodell *b)
{
    return is_type_integer(a->type) && is_type_float(b->type);
}

pcodell *s_compound(pcodell *a, pcodell *b, bool integer_only, unsigned message, assign_builder build,
                    int32_t line, const char *file)
{
    if (!s_compound_target(a))
        return s_fail(a, b);
    bool ok = integer_only ? is_type_integer(a->type) && is_type_integer(b->type)
                           : is_type_arithmetic(a->type) && is_type_arithmetic(b->type);
    if (!ok) {
        trn_error(message);
        return s_fail(a, b);
    }
    if ((s_divides_wider(a, b, build) || s_float_into_integer(a, b)) && s_is_repeatable(a)) {
        pcodell *value = pcodell_copy(a);
        value = build == ll_div_assign ? trnDiv(value, b, line, file)
                : build == ll_mod_assign ? trnMod(value, b, line, file)
                                         : trnMul(value, b, line, file);
        return trnAssign(a, value, false, line, file);
    }
    typell *target = s_unqualified(a->type);
    b = trn_convert(b, target);
    type_free(target);
    return build(a, b, line, file);
}

pcodell *s_pointer_step_assign(pcodell *a, pcodell *b, bool add, int32_t line, const char *file)
{
    if (!s_compound_target(a))
        return s_fail(a, b);
    if (is_type_pointer(a->type)) {
        if (!is_type_integer(b->type)) {
            trn_error(add ? 1141 : 1132);
            return s_fail(a, b);
        }
        if (s_incomplete_target(a->type))
            return s_fail(a, b);
        b = s_pointer_offset(a->type, b, true, line, file);
        return add ? ll_add_assign(a, b, line, file) : ll_sub_assign(a, b, line, file);
    }
    if (!is_type_arithmetic(a->type) || !is_type_arithmetic(b->type)) {
        trn_error(add ? 1142 : 1133);
        return s_fail(a, b);
    }
    if (s_float_into_integer(a, b) && s_is_repeatable(a)) {
        pcodell *value = pcodell_copy(a);
        value = add ? trnAdd(value, b, true, line, file) : trnSub(value, b, line, file);
        return trnAssign(a, value, false, line, file);
    }
    typell *target = s_unqualified(a->type);
    b = trn_convert(b, target);
    type_free(target);
    return add ? ll_add_assign(a, b, line, file) : ll_sub_assign(a, b, line, file);
}

pcodell *s_shift_assign(pcodell *a, pcodell *b, assign_builder build, int32_t line, const char *file)
{
    if (!s_compound_target(a))
        return s_fail(a, b);
    if (!is_type_integer(a->type) || !is_type_integer(b->type)) {
        trn_error(1136);
        return s_fail(a, b);
    }
    return build(a, s_shift_count(b), line, file);
}

} // namespace

pcodell *trnAddAssign(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_pointer_step_assign(a, b, true, line, file);
}
pcodell *trnSubAssign(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_pointer_step_assign(a, b, false, line, file);
}
pcodell *trnMulAssign(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_compound(a, b, false, 1134, ll_mul_assign, line, file);
}
pcodell *trnDivAssign(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_compound(a, b, false, 1158, ll_div_assign, line, file);
}
pcodell *trnModAssign(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_compound(a, b, true, 1135, ll_mod_assign, line, file);
}
pcodell *trnAndAssign(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_compound(a, b, true, 1137, ll_and_assign, line, file);
}
pcodell *trnOrAssign(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_compound(a, b, true, 1138, ll_or_assign, line, file);
}
pcodell *trnXorAssign(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_compound(a, b, true, 1139, ll_xor_assign, line, file);
}
pcodell *trnShiftLeft_assign(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_shift_assign(a, b, ll_shift_left_assign, line, file);
}
pcodell *trnShiftRight_assign(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_shift_assign(a, b, ll_shift_right_assign, line, file);
}
