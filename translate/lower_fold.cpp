// Constants, constant folding and conversions.
#include <cstring>

#include "driver/diag.h"
#include "support/strutil.h"
#include "support/vxassert.h"
#include "translate/lower_internal.h"
#include "translate/ranges.h"

namespace {

float s_float_of(constant_record c)
{
    if (c.type == CT_FLOAT)
        return get_float_constant_value(CT_FLOAT, c.value);
    return is_signed_type(c.type) ? static_cast<float>(get_signed_constant_value(c.type, c.value))
                                  : static_cast<float>(get_unsigned_constant_value(c.type, c.value));
}

int64_t s_int_of(constant_record c)
{
    if (is_signed_type(c.type))
        return get_signed_constant_value(c.type, c.value);
    return get_unsigned_constant_value(c.type, c.value);
}

bool s_fold_float(fold_op op, float a, float b, constant_record *result)
{
    float value = 0;
    switch (op) {
    case FOLD_ADD: value = a + b; break;
    case FOLD_SUB: value = a - b; break;
    case FOLD_MUL: value = a * b; break;
    case FOLD_DIV:
        if (b == 0)
            return false;
        value = a / b;
        break;
    case FOLD_EQ: *result = {CT_INT, a == b}; return true;
    case FOLD_LT: *result = {CT_INT, a < b}; return true;
    case FOLD_GT: *result = {CT_INT, a > b}; return true;
    default: return false;
    }
    *result = {CT_FLOAT, get_float_representation(value)};
    return true;
}

uint32_t s_constant_opcode(uint32_t code)
{
    switch (code) {
    case CT_SCHAR:
    case CT_UCHAR: return I_CNST8;
    case CT_INT:
    case CT_UINT: return I_CNST16;
    case CT_SHORTLONG:
    case CT_USHORTLONG: return I_CNST24;
    case CT_LONG:
    case CT_ULONG: return I_CNST32;
    case CT_FLOAT: return I_CNSTF;
    }
    _assert("constant type code", __FILE__, __LINE__);
}

uint32_t s_widening_opcode(uint32_t from, uint32_t to, bool is_signed)
{
    uint32_t base = 0;
    switch (from * 10 + to) {
    case 12: base = I_C8TO16S; break;
    case 13: base = I_C8TO24S; break;
    case 14: base = I_C8TO32S; break;
    case 23: base = I_C16TO24S; break;
    case 24: base = I_C16TO32S; break;
    case 34: base = I_C24TO32S; break;
    default: _assert("widening sizes", __FILE__, __LINE__);
    }
    return is_signed ? base : base + 1;
}

uint32_t s_narrowing_opcode(uint32_t from, uint32_t to)
{
    switch (from * 10 + to) {
    case 21: return I_C16TO8;
    case 31: return I_C24TO8;
    case 41: return I_C32TO8;
    case 32: return I_C24TO16;
    case 42: return I_C32TO16;
    case 43: return I_C32TO24;
    }
    _assert("narrowing sizes", __FILE__, __LINE__);
}

// Integer and pointer values differ only in width and signedness here.
pcodell *s_convert_width(pcodell *tree, typell *type)
{
    uint32_t from = ll_sizeof_type(tree->type);
    uint32_t to = ll_sizeof_type(type);
    if (from == to) {
        pcodell_set_type(tree, type);
        return tree;
    }
    uint32_t opcode = from < to ? s_widening_opcode(from, to, is_type_signed(tree->type)) : s_narrowing_opcode(from, to);
    return ll_node(opcode, tree, nullptr, type, tree->line, tree->file);
}

} // namespace

uint32_t ll_wrap(uint32_t code, uint64_t value)
{
    VX_ASSERT(code < CT_FLOAT);
    constant_record record = {CT_ULONG, static_cast<uint32_t>(value)};
    do_convert_constant_type(&record, code);
    return record.value;
}

bool ll_fold(fold_op op, constant_record a, constant_record b, constant_record *result)
{
    if (a.type == CT_FLOAT || b.type == CT_FLOAT)
        return s_fold_float(op, s_float_of(a), s_float_of(b), result);
    bool is_signed = is_signed_type(a.type);
    int64_t x = s_int_of(a);
    int64_t y = s_int_of(b);
    uint64_t ux = static_cast<uint64_t>(x);
    uint64_t uy = static_cast<uint64_t>(y);
    uint64_t value = 0;
    switch (op) {
    case FOLD_ADD: value = ux + uy; break;
    case FOLD_SUB: value = ux - uy; break;
    case FOLD_MUL: value = ux * uy; break;
    case FOLD_DIV:
    case FOLD_MOD:
        if (y == 0)
            return false;
        if (is_signed)
            value = static_cast<uint64_t>(op == FOLD_DIV ? x / y : x % y);
        else
            value = op == FOLD_DIV ? ux / uy : ux % uy;
        break;
    case FOLD_AND: value = ux & uy; break;
    case FOLD_OR: value = ux | uy; break;
    case FOLD_XOR: value = ux ^ uy; break;
    case FOLD_SHL: value = uy >= 64 ? 0 : ux << uy; break;
    case FOLD_SHR:
        if (is_signed)
            value = static_cast<uint64_t>(x >> (uy >= 63 ? 63 : uy));
        else
            value = uy >= 64 ? 0 : ux >> uy;
        break;
    case FOLD_EQ: *result = {CT_INT, x == y}; return true;
    case FOLD_LT: *result = {CT_INT, is_signed ? x < y : ux < uy}; return true;
    case FOLD_GT: *result = {CT_INT, is_signed ? x > y : ux > uy}; return true;
    }
    *result = {a.type, ll_wrap(a.type, value)};
    return true;
}

typell *ll_get_constant_type(uint32_t code)
{
    switch (code) {
    case CT_SCHAR: return type_basic(BT_CHAR, TF_SIGNED);
    case CT_UCHAR: return type_basic(BT_CHAR, 0);
    case CT_INT: return type_basic(BT_INT, TF_SIGNED);
    case CT_UINT: return type_basic(BT_INT, 0);
    case CT_SHORTLONG: return type_basic(BT_INT, TF_SIGNED | TF_SHORT | TF_LONG);
    case CT_USHORTLONG: return type_basic(BT_INT, TF_SHORT | TF_LONG);
    case CT_LONG: return type_basic(BT_INT, TF_SIGNED | TF_LONG);
    case CT_ULONG: return type_basic(BT_INT, TF_LONG);
    case CT_FLOAT: return type_basic(BT_FLOAT, 0);
    }
    _assert("constant type code", __FILE__, __LINE__);
}

constant_record ll_get_constant_value(const pcodell *tree)
{
    VX_ASSERT(is_pcodell_constant(tree));
    return tree->constant;
}

pcodell *ll_constant(uint32_t code, uint32_t bits, int32_t line, const char *file)
{
    pcodell *tree = ll_node(s_constant_opcode(code), nullptr, nullptr, ll_get_constant_type(code), line, file);
    tree->constant = {code, code == CT_FLOAT ? bits : ll_wrap(code, bits)};
    return tree;
}

pcodell *ll_new_unsigned_const(uint32_t value, int32_t line, const char *file)
{
    uint32_t code = value < 255 ? CT_UCHAR : value <= 65534 ? CT_UINT : value <= 0xFFFFFE ? CT_USHORTLONG : CT_ULONG;
    return ll_constant(code, value, line, file);
}

pcodell *ll_new_signed_const(int32_t value, int32_t line, const char *file)
{
    uint32_t code = CT_LONG;
    if (value >= -127 && value <= 126)
        code = CT_SCHAR;
    else if (value >= -32767 && value <= 32766)
        code = CT_INT;
    else if (value >= -8388607 && value <= 8388606)
        code = CT_SHORTLONG;
    return ll_constant(code, static_cast<uint32_t>(value), line, file);
}

pcodell *ll_new_float_const(float value, int32_t line, const char *file)
{
    return ll_constant(CT_FLOAT, get_float_representation(value), line, file);
}

bool ll_can_cast(const typell *from, const typell *to, bool warn)
{
    bool from_integer = is_type_integer(from), to_integer = is_type_integer(to);
    bool from_pointer = is_type_pointer(from), to_pointer = is_type_pointer(to);
    bool from_float = is_type_float(from), to_float = is_type_float(to);
    if (from_integer && to_integer)
        return true;
    if (from_pointer && to_pointer) {
        if (warn && !(is_type_char(from->next) && is_type_char(to->next)))
            post_error(2054);
        return true;
    }
    if ((from_pointer && to_integer) || (from_integer && to_pointer)) {
        if (warn)
            post_error(2054);
        return true;
    }
    return (from_float || from_integer) && (to_float || to_integer) && (from_float || to_float);
}

pcodell *ll_cast(pcodell *tree, typell *type)
{
    VX_ASSERT(tree && tree->type && type);
    const typell *from = tree->type;
    if (is_type_void(type)) {
        pcodell_set_type(tree, type);
        return tree;
    }
    // The operands are released when a diagnostic ends the compilation.
    try {
        if (is_type_pointer(from) && is_type_float(type))
            post_error(1514);
        if (is_type_pointer(from) && is_type_pointer(type)) {
            uint32_t from_size = ll_sizeof_type(from), to_size = ll_sizeof_type(type);
            if ((from_size != 2 && from_size != 3) || (to_size != 2 && to_size != 3))
                post_error(100, "invalid pointer size detected");
        }
    } catch (...) {
        pcodellFreeTree(tree);
        type_free(type);
        throw;
    }
    if (is_pcodell_constant(tree)) {
        do_convert_constant_type(&tree->constant, type_constant_code(type));
        tree->opcode = s_constant_opcode(tree->constant.type);
        pcodell_set_type(tree, type);
        return tree;
    }
    bool from_float = is_type_float(from), to_float = is_type_float(type);
    if (from_float && to_float) {
        pcodell_set_type(tree, type);
        return tree;
    }
    if (to_float) {
        uint32_t w = ll_width_index(from);
        return ll_node(I_C8UTOF + 2 * w + (is_type_signed(from) ? 1 : 0), tree, nullptr, type, tree->line, tree->file);
    }
    if (from_float)
        return ll_node(I_CFTO8 + ll_width_index(type), tree, nullptr, type, tree->line, tree->file);
    return s_convert_width(tree, type);
}
