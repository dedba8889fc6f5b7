// Conversions and the arithmetic, bitwise and shift operators.
#include "driver/diag.h"
#include "driver/options.h"
#include "translate/expr_internal.h"

pcodell *s_fail(pcodell *a, pcodell *b)
{
    pcodellFreeTree(b);
    return a;
}

bool isPcodellZero(const pcodell *tree)
{
    return is_pcodell_constant(tree) && tree->constant.type != CT_FLOAT && tree->constant.value == 0;
}

typell *sGetPtrdiff_t(uint32_t size)
{
    switch (size) {
    case 1: return type_basic(BT_CHAR, TF_SIGNED);
    case 2: return type_basic(BT_INT, TF_SIGNED);
    case 3: return type_basic(BT_INT, TF_SIGNED | TF_SHORT | TF_LONG);
    default: return type_basic(BT_INT, TF_SIGNED | TF_LONG);
    }
}

bool s_incomplete_target(const typell *pointer)
{
    const typell *target = pointer->next;
    if (target && target->kind == SUE && !target->detail.tag->definition) {
        trn_error(1207, target->detail.tag->name ? target->detail.tag->name : "");
        return true;
    }
    return false;
}

pcodell *trn_convert(pcodell *tree, const typell *type)
{
    if (!tree || !tree->type || are_types_compatible(tree->type, type, false))
        return tree;
    trn_guard([&] { tree = ll_cast(tree, type_copy(type)); });
    return tree;
}

pcodell *trn_integer_promotion(pcodell *a)
{
    if (suppress_integer_promotion_flag || !a || !is_type_char(a->type))
        return a;
    return trn_convert(a, int_type);
}

pcodell *sConvertFunctionToRvalue(pcodell *a)
{
    if (!isPcodellIndirection(a))
        return a;
    return ll_reference(a, a->line, a->file);
}

pcodell *sConvertArrayToRvalue(pcodell *a)
{
    const typell *array = a->type;
    typell *element = type_copy(array->next);
    element->memory = array->memory;
    element->range = array->range;
    pcodell *address = isPcodellIndirection(a) ? ll_reference(a, a->line, a->file) : a;
    pcodell_set_type(address, type_pointer_to(element));
    return address;
}

pcodell *trnLvalueToRvalue(pcodell *a)
{
    if (!a || !a->type || is_pcodell_constant(a))
        return a;
    // The type before conversion is kept only where the conversion changes
    // it; otherwise the tree's own type is that type.
    typell *before = nullptr;
    if (is_type_function(a->type)) {
        before = type_copy(a->type);
        a = sConvertFunctionToRvalue(a);
    } else if (is_type_array(a->type)) {
        before = type_copy(a->type);
        a = sConvertArrayToRvalue(a);
    } else if (is_type_char(a->type) && !suppress_integer_promotion_flag) {
        before = type_copy(a->type);
        a = trn_integer_promotion(a);
    }
    if (before) {
        type_free(a->type_before);
        a->type_before = before;
    }
    a->converted = true;
    return a;
}

void trnUsualArithmeticConversions(pcodell **a, pcodell **b)
{
    if (is_type_float((*a)->type) || is_type_float((*b)->type)) {
        *a = trn_convert(*a, float_type);
        *b = trn_convert(*b, float_type);
        return;
    }
    *a = trn_integer_promotion(*a);
    *b = trn_integer_promotion(*b);
    const typell *ta = (*a)->type, *tb = (*b)->type;
    if (are_types_compatible(ta, tb, false))
        return;
    uint32_t sa = ll_sizeof_type(ta), sb = ll_sizeof_type(tb);
    bool wins_a;
    if (is_type_signed(ta) == is_type_signed(tb))
        wins_a = sa >= sb;
    else if (sa != sb)
        wins_a = sa > sb;
    else
        wins_a = !is_type_signed(ta);
    typell *common = type_copy(wins_a ? ta : tb);
    common->is_const = common->is_volatile = 0;
    *a = trn_convert(*a, common);
    *b = trn_convert(*b, common);
    type_free(common);
}

// The integer operand of pointer arithmetic, in the pointer-difference type
// and scaled by the pointed-to size when asked.
pcodell *s_pointer_offset(const typell *pointer, pcodell *offset, bool scale, int32_t line, const char *file)
{
    typell *diff = sGetPtrdiff_t(ll_sizeof_type(pointer));
    offset = trn_convert(offset, diff);
    uint32_t size = pointer->next ? ll_sizeof_type(pointer->next) : 1;
    if (scale && size > 1) {
        pcodell *factor = ll_cast(ll_new_signed_const(static_cast<int32_t>(size), line, file), type_copy(diff));
        offset = ll_mul(offset, factor, line, file);
    }
    type_free(diff);
    return offset;
}

static pcodell *s_without_zero(pcodell *kept, pcodell *zero)
{
    pcodellFreeTree(zero);
    kept->converted = false;
    type_free(kept->type_before);
    kept->type_before = nullptr;
    return kept;
}

pcodell *trnAdd(pcodell *a, pcodell *b, bool scale, int32_t line, const char *file)
{
    if (is_type_arithmetic(a->type) && is_type_arithmetic(b->type)) {
        trnUsualArithmeticConversions(&a, &b);
        if (isPcodellZero(a) && !is_pcodell_constant(b))
            return s_without_zero(b, a);
        if (isPcodellZero(b) && !is_pcodell_constant(a))
            return s_without_zero(a, b);
        return ll_add(a, b, line, file);
    }
    if (is_type_pointer(b->type) && !is_type_pointer(a->type))
        std::swap(a, b);
    if (is_type_pointer(a->type)) {
        if (!is_type_integer(b->type)) {
            trn_error(1141);
            return s_fail(a, b);
        }
        if (s_incomplete_target(a->type))
            return s_fail(a, b);
        if (isPcodellZero(b))
            return s_without_zero(a, b);
        b = s_pointer_offset(a->type, b, scale, line, file);
        return ll_add(a, b, line, file);
    }
    trn_error(1142);
    return s_fail(a, b);
}

pcodell *trnSub(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    if (is_type_arithmetic(a->type) && is_type_arithmetic(b->type)) {
        trnUsualArithmeticConversions(&a, &b);
        if (isPcodellZero(b) && !is_pcodell_constant(a))
            return s_without_zero(a, b);
        if (isPcodellZero(a) && !is_pcodell_constant(b)) {
            pcodellFreeTree(a);
            pcodell *minus_one = trn_convert(ll_new_signed_const(-1, line, file), b->type);
            return ll_mul(b, minus_one, line, file);
        }
        return ll_sub(a, b, line, file);
    }
    if (is_type_pointer(a->type) && is_type_pointer(b->type)) {
        const typell *ta = a->type->next, *tb = b->type->next;
        // One diagnostic names the fault; a second about integer operands
        // would only repeat it.
        if (!are_types_compatible(ta, tb, false) || ta->memory != tb->memory || ta->range != tb->range) {
            trn_error(1143);
            return s_fail(a, b);
        }
        if (s_incomplete_target(a->type))
            return s_fail(a, b);
        typell *diff = sGetPtrdiff_t(ll_sizeof_type(a->type));
        uint32_t size = ll_sizeof_type(ta);
        pcodell *bytes = ll_sub(a, b, line, file);
        if (is_pcodell_constant(bytes))
            bytes = ll_cast(bytes, type_copy(diff));
        else
            pcodell_set_type(bytes, type_copy(diff));
        if (size > 1)
            bytes = ll_div(bytes, ll_cast(ll_new_signed_const(static_cast<int32_t>(size), line, file), type_copy(diff)),
                           line, file);
        type_free(diff);
        return bytes;
    }
    if (is_type_pointer(a->type)) {
        if (!is_type_integer(b->type)) {
            trn_error(1144);
            return s_fail(a, b);
        }
        if (s_incomplete_target(a->type))
            return s_fail(a, b);
        if (isPcodellZero(b))
            return s_without_zero(a, b);
        b = s_pointer_offset(a->type, b, true, line, file);
        return ll_sub(a, b, line, file);
    }
    trn_error(1145);
    return s_fail(a, b);
}

using builder = pcodell *(*)(pcodell *, pcodell *, int32_t, const char *);

static pcodell *s_binary(pcodell *a, pcodell *b, bool integer_only, unsigned message, builder build, int32_t line,
                         const char *file)
{
    bool ok = integer_only ? is_type_integer(a->type) && is_type_integer(b->type)
                           : is_type_arithmetic(a->type) && is_type_arithmetic(b->type);
    if (!ok) {
        trn_error(message);
        return s_fail(a, b);
    }
    trnUsualArithmeticConversions(&a, &b);
    return build(a, b, line, file);
}

pcodell *trnMul(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_binary(a, b, false, 1134, ll_mul, line, file);
}
pcodell *trnDiv(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_binary(a, b, false, 1158, ll_div, line, file);
}
pcodell *trnMod(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_binary(a, b, true, 1135, ll_mod, line, file);
}
pcodell *trnBitwiseAnd(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_binary(a, b, true, 1137, ll_bitwise_and, line, file);
}
pcodell *trnBitwiseOr(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_binary(a, b, true, 1138, ll_bitwise_or, line, file);
}
pcodell *trnBitwiseXor(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_binary(a, b, true, 1139, ll_bitwise_xor, line, file);
}

pcodell *s_shift_count(pcodell *count) { return trn_convert(count, unsigned_char_type); }

static pcodell *s_shift(pcodell *a, pcodell *b, builder build, int32_t line, const char *file)
{
    if (!is_type_integer(a->type) || !is_type_integer(b->type)) {
        trn_error(1136);
        return s_fail(a, b);
    }
    if (isPcodellZero(b) && !a->type->is_volatile) {
        trn_error(2060);
        return s_fail(a, b);
    }
    a = trn_integer_promotion(a);
    return build(a, s_shift_count(b), line, file);
}

pcodell *trnShiftLeft(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_shift(a, b, ll_shift_left, line, file);
}
pcodell *trnShiftRight(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_shift(a, b, ll_shift_right, line, file);
}

pcodell *trnUnaryPlus(pcodell *a, int32_t, const char *)
{
    if (!is_type_arithmetic(a->type))
        trn_error(1149);
    return a;
}

pcodell *trnUnaryMinus(pcodell *a, int32_t line, const char *file)
{
    if (!is_type_arithmetic(a->type)) {
        trn_error(1150);
        return a;
    }
    a = trn_integer_promotion(a);
    if (is_pcodell_constant(a)) {
        constant_record &c = a->constant;
        if (c.type == CT_FLOAT)
            c.value ^= 0x80000000u;
        else
            c.value = ll_wrap(c.type, static_cast<uint64_t>(-static_cast<int64_t>(c.value)));
        return a;
    }
    if (is_type_integer(a->type) && !is_type_signed(a->type))
        trn_error(2059);
    pcodell *minus_one = is_type_float(a->type) ? ll_new_float_const(-1.0f, line, file)
                                                : trn_convert(ll_new_signed_const(-1, line, file), a->type);
    return ll_mul(a, minus_one, line, file);
}

pcodell *trnBitwiseNot(pcodell *a, int32_t line, const char *file)
{
    if (!is_type_integer(a->type)) {
        trn_error(1140);
        return a;
    }
    return ll_bitwise_not(trn_integer_promotion(a), line, file);
}
