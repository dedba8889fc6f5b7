// Operands and memory access: identifiers, constants, indirection, address,
// indexing, members, increments, casts, sizeof and the type-code built-in.
#include <cstring>

#include "driver/diag.h"
#include "translate/expr_internal.h"
#include "translate/ranges.h"

pcodell *trnIndir(pcodell *a, int32_t line, const char *file)
{
    if (!is_type_pointer(a->type)) {
        trn_error(1130);
        return a;
    }
    const typell *target = a->type->next;
    if (is_type_void(target)) {
        trn_error(1201);
        return a;
    }
    return ll_indir(a, ll_sizeof_type(target), target->memory, target->range, line, file);
}

pcodell *trnReference(pcodell *a, int32_t line, const char *file)
{
    if (!s_is_lvalue(a))
        return a;
    if (isPcodellBitfield(a)) {
        trn_error(1200);
        return a;
    }
    typell *pointer = a->type ? type_pointer_to(type_copy(a->type)) : nullptr;
    pcodell *address = ll_reference(a, line, file);
    if (pointer)
        pcodell_set_type(address, pointer);
    return address;
}

pcodell *trnIndex(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    bool ok = (is_type_pointer(a->type) && is_type_integer(b->type)) ||
              (is_type_integer(a->type) && is_type_pointer(b->type));
    if (!ok) {
        trn_error(1129);
        return s_fail(a, b);
    }
    return trnIndir(trnAdd(a, b, true, line, file), line, file);
}

namespace {

using step_builder = pcodell *(*)(pcodell *, int32_t, int32_t, const char *);

pcodell *s_step(pcodell *a, unsigned message, step_builder build, int32_t line, const char *file)
{
    if (!s_is_lvalue(a) || !a->type)
        return a;
    if (!is_type_scalar(a->type)) {
        trn_error(message);
        return a;
    }
    if (a->type->is_const) {
        trn_error(1102);
        return a;
    }
    int32_t step = 1;
    if (is_type_pointer(a->type)) {
        if (s_incomplete_target(a->type))
            return a;
        uint32_t size = ll_sizeof_type(a->type->next);
        step = size ? static_cast<int32_t>(size) : 1;
    }
    return build(a, step, line, file);
}

// Aggregate values are held in data memory.
pcodell *s_aggregate_value(pcodell *value, int32_t line, const char *file)
{
    typell *type = type_copy(value->type);
    type->memory = MEMORY_RAM;
    if (!type->range)
        type->range = RANGE_FAR;
    pcodell *aggregate = ll_indir(value, ll_sizeof_type(type), type->memory, type->range, line, file);
    pcodell_set_type(aggregate, type);
    return aggregate;
}

} // namespace

pcodell *trnPreIncrement(pcodell *a, int32_t line, const char *file)
{
    return s_step(a, 1147, ll_pre_increment, line, file);
}
pcodell *trnPostIncrement(pcodell *a, int32_t line, const char *file)
{
    return s_step(a, 1147, ll_post_increment, line, file);
}
pcodell *trnPreDecrement(pcodell *a, int32_t line, const char *file)
{
    return s_step(a, 1148, ll_pre_decrement, line, file);
}
pcodell *trnPostDecrement(pcodell *a, int32_t line, const char *file)
{
    return s_step(a, 1148, ll_post_decrement, line, file);
}

pcodell *trnMemberAccess(pcodell *value, const char *name, bool is_dot, int32_t line, const char *file)
{
    if (is_type_pointer(value->type) || (!is_dot && value->type && value->type->kind == ARY)) {
        if (is_dot)
            trn_error(2062);
        value = trnLvalueToRvalue(value);
        if (is_type_struct_or_union(value->type->next))
            value = trnIndir(value, line, file);
    } else if (!is_dot && is_type_struct_or_union(value->type)) {
        trn_error(2063);
    }
    if (!is_type_struct_or_union(value->type)) {
        trn_error(1151);
        return value;
    }
    const typell *type = value->type;
    const tag_record *tag = type->detail.tag;
    if (!tag->definition) {
        trn_error(1207, tag->name ? tag->name : "");
        return value;
    }
    const member_record *member = type_lookup_su_member(tag->definition, name);
    if (!member) {
        if (tag->name && strncmp(tag->name, "__tag_", 6) != 0)
            trn_error(1205, name, tag->name);
        else
            trn_error(1206, name);
        return value;
    }
    // An aggregate that is a value rather than an object (a call result, a
    // conditional, an assignment) is reached through its own tree as the
    // address, and its members are values too.
    bool is_object = s_is_lvalue(value);
    if (!isPcodellIndirection(value))
        value = s_aggregate_value(value, line, file);
    pcodell *result = ll_member_access(value, member, line, file);
    if (!is_object)
        result->flags &= ~LL_LVALUE;
    return result;
}

pcodell *trnCast(pcodell *value, typell *type, int32_t, const char *)
{
    if (type->kind == BSC && type->enum_tag && type->enum_tag->definition &&
        type->enum_tag->definition->underlying) {
        typell *underlying = type_copy(type->enum_tag->definition->underlying);
        type_free(type);
        type = underlying;
    }
    if (is_type_void(type)) {
        pcodell_set_type(value, type);
        return value;
    }
    if (!is_type_scalar(type) || !is_type_scalar(value->type)) {
        trn_error(1152);
        type_free(type);
        return value;
    }
    if (!trn_guard([&] { value = ll_cast(value, type); }))
        type_free(type);
    return value;
}

pcodell *trnConstant(uint32_t code, uint32_t bits, int32_t line, const char *file)
{
    return ll_constant(code, bits, line, file);
}

pcodell *trnIdent(const char *name, bool ordinary, bool implicit_function_ok, int32_t line, const char *file)
{
    symbol *sym = ordinary ? sym_lookup_sym(name, LOOKUP_ALL) : sym_lookup_label(name);
    if (!sym && implicit_function_ok) {
        sym = sym_create_symbol(name, type_copy(default_function_type), LINK_EXTERNAL, SC_EXTERN);
        sym_declare_symbol(sym, true, line, file);
        trn_note_function(sym);
    } else if (!sym || sym->kind != VARIABLE) {
        trn_error(1105, name);
        sym = void_symbol;
    }
    if (sym->is_enum_constant)
        return ll_constant(sym->enum_value.type, sym->enum_value.value, line, file);
    ++sym->ref_count;
    pcodell *ident = ll_ident(sym, line, file);
    const typell *type = sym->type;
    pcodell *object = ll_indir(ident, ll_sizeof_type(type), type->memory, type->range, line, file);
    if (type->kind == BSC && type->enum_tag && type->enum_tag->definition && type->enum_tag->definition->underlying) {
        typell *underlying = type_copy(type->enum_tag->definition->underlying);
        underlying->memory = type->memory;
        underlying->range = type->range;
        underlying->is_const = type->is_const;
        underlying->is_volatile = type->is_volatile;
        pcodell_set_type(object, underlying);
    }
    return object;
}

pcodell *trnSizeofExpression(pcodell *a, int32_t line, const char *file)
{
    const typell *type = a->converted && a->type_before ? a->type_before : a->type;
    uint32_t size = 0;
    if (type && !trn_check_tag(type))
        size = ll_sizeof_type(type);
    pcodellFreeTree(a);
    return ll_new_unsigned_const(size, line, file);
}

pcodell *trn_sizeof_type(typell *type, int32_t line, const char *file)
{
    uint32_t size = 0;
    if (type && !trn_check_tag(type))
        size = ll_sizeof_type(type);
    type_free(type);
    return ll_new_unsigned_const(size, line, file);
}

// The flat width and signedness code of a scalar type: pointers count as
// the unsigned integer of their size.
pcodell *trnITTYPEExpression(typell *type, int32_t line, const char *file)
{
    uint32_t code = CT_INT;
    if (type && (is_type_struct_or_union(type) || is_type_array(type))) {
        trn_error(1519);
    } else if (is_type_pointer(type)) {
        code = ll_sizeof_type(type) == 3 ? CT_USHORTLONG : CT_UINT;
    } else if (is_type_arithmetic(type)) {
        code = type_constant_code(type);
    }
    type_free(type);
    return ll_constant(CT_UCHAR, code, line, file);
}
