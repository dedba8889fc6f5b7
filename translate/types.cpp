#include "translate/types.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "driver/diag.h"
#include "driver/options.h"
#include "support/pool.h"
#include "support/vxassert.h"
#include "translate/ranges.h"
#include "translate/symbols.h"
#include "translate/trnalloc.h"

typell *char_type;
typell *unsigned_char_type;
typell *short_int_type;
typell *int_type;
typell *short_long_int_type;
typell *long_int_type;
typell *float_type;
typell *double_type;
typell *long_double_type;
typell *void_type;
typell *default_function_type;
typell *void_function_type;
symbol *void_symbol;

typell *type_basic(uint32_t basic, uint32_t flags)
{
    typell *level = type_create();
    level->kind = BSC;
    level->detail.basic = basic;
    level->flags = flags;
    level->memory = MEMORY_RAM;
    level->range = trnGetDefaultRange(MEMORY_RAM);
    return level;
}

namespace {

typell *s_function_returning(typell *return_type)
{
    typell *level = type_create();
    level->kind = FCN;
    level->memory = MEMORY_ROM;
    level->range = trnGetDefaultRange(MEMORY_ROM);
    level->next = return_type;
    return level;
}

param_entry *s_copy_params(const param_entry *param)
{
    param_entry *head = nullptr;
    param_entry **tail = &head;
    for (; param; param = param->next) {
        param_entry *copy = trn_new<param_entry>();
        copy->type = type_copy(param->type);
        copy->storage_class = param->storage_class;
        copy->alias = param->alias;
        *tail = copy;
        tail = &copy->next;
    }
    return head;
}

bool s_same_qualifiers(const typell *a, const typell *b)
{
    return a->memory == b->memory && a->range == b->range && a->is_const == b->is_const &&
           a->is_volatile == b->is_volatile;
}

bool s_members_compatible(const member_record *a, const member_record *b)
{
    for (; a && b; a = a->next, b = b->next) {
        if (strcmp(a->name ? a->name : "", b->name ? b->name : "") != 0)
            return false;
        if (!are_types_compatible(a->type, b->type, true))
            return false;
        if (a->is_bitfield != b->is_bitfield)
            return false;
        if (a->is_bitfield && (a->bit_offset != b->bit_offset || a->bit_width != b->bit_width))
            return false;
    }
    return a == nullptr && b == nullptr;
}

bool s_params_compatible(const param_entry *a, const param_entry *b)
{
    for (; a && b; a = a->next, b = b->next)
        if (!are_types_compatible(a->type, b->type, true) || a->storage_class != b->storage_class)
            return false;
    return a == nullptr && b == nullptr;
}

bool s_levels_compatible(const typell *a, const typell *b)
{
    switch (a->kind) {
    case BSC:
        return a->detail.basic == b->detail.basic && a->flags == b->flags;
    case SUE: {
        const aggregate_definition *da = a->detail.tag->definition;
        const aggregate_definition *db = b->detail.tag->definition;
        if (!da || !db)
            return a->detail.tag == b->detail.tag;
        if (da->kind != db->kind)
            return false;
        if (da->kind == ENUM_TAG)
            return are_types_compatible(da->underlying, db->underlying, false);
        return s_members_compatible(da->members, db->members);
    }
    case PTR:
    case ARY:
        return are_types_compatible(a->next, b->next, true);
    case FCN:
        if (!are_types_compatible(a->next, b->next, true))
            return false;
        if ((a->flags & TF_PROTOTYPED) && (b->flags & TF_PROTOTYPED) &&
            !s_params_compatible(a->detail.params, b->detail.params))
            return false;
        return (a->flags & TF_VARIADIC) == (b->flags & TF_VARIADIC);
    }
    _assert("known type kind", __FILE__, __LINE__);
}

char s_memory_letter(int32_t memory)
{
    switch (memory) {
    case 0: return '.';
    case MEMORY_RAM: return 'A';
    case MEMORY_ROM: return 'O';
    default: return '?';
    }
}

char s_range_letter(int32_t range)
{
    switch (range) {
    case 0: return '.';
    case RANGE_NEAR: return 'N';
    case RANGE_FAR: return 'F';
    default: return '?';
    }
}

// Members are expanded one aggregate deep, so a struct that points to
// itself prints in finite space.
void s_print(FILE *stream, const typell *type, bool expand_members)
{
    for (; type; type = type->next) {
        fprintf(stream, "<%c%c%s%s", s_memory_letter(type->memory), s_range_letter(type->range),
                type->is_const ? "C" : "", type->is_volatile ? "V" : "");
        switch (type->kind) {
        case BSC: fputs("BSC", stream); break;
        case SUE: fputs("SUE", stream); break;
        case PTR: fputs("PTR", stream); break;
        case ARY: fprintf(stream, "ARY[%d]", static_cast<int>(type->detail.count)); break;
        case FCN: fputs("FCN", stream); break;
        }
        fputs(">", stream);
        if (type->kind == SUE && expand_members && type->detail.tag->kind == STRUCT_TAG &&
            type->detail.tag->definition) {
            fputs("{", stream);
            for (const member_record *m = type->detail.tag->definition->members; m; m = m->next) {
                fprintf(stream, " %s:", m->name ? m->name : "");
                s_print(stream, m->type, false);
                fputs(";", stream);
            }
            fputs(" }", stream);
        }
    }
}

} // namespace

namespace {
record_pool s_levels{sizeof(typell)};
} // namespace

typell *type_create()
{
    auto *level = pool_new<typell>(&s_levels);
    if (!level)
        post_error(101);
    return level;
}

typell *type_copy(const typell *type)
{
    typell *head = nullptr;
    typell **tail = &head;
    for (; type; type = type->next) {
        typell *copy = type_create();
        *copy = *type;
        copy->next = nullptr;
        if (type->kind == FCN)
            copy->detail.params = s_copy_params(type->detail.params);
        *tail = copy;
        tail = &copy->next;
    }
    return head;
}

typell *type_pointer_to(typell *target)
{
    typell *pointer = type_create();
    pointer->kind = PTR;
    pointer->memory = MEMORY_RAM;
    pointer->range = trnGetDefaultRange(MEMORY_RAM);
    pointer->next = target;
    return pointer;
}

typell *type_reference(typell *type)
{
    typell *pointer = type_create();
    pointer->kind = PTR;
    pointer->memory = MEMORY_RAM;
    pointer->range = RANGE_FAR;
    pointer->is_const = 1;
    pointer->next = type;
    return pointer;
}

void type_free(typell *type)
{
    while (type) {
        typell *next = type->next;
        if (type->kind == FCN)
            param_list_free(type->detail.params);
        pool_free(&s_levels, type);
        type = next;
    }
}

param_entry *param_entry_create(typell *type, int32_t storage_class)
{
    param_entry *param = trn_new<param_entry>();
    param->type = type;
    param->storage_class = storage_class;
    return param;
}

void param_list_free(param_entry *param)
{
    while (param) {
        param_entry *next = param->next;
        type_free(param->type);
        free(param);
        param = next;
    }
}

void aggregate_definition_free(aggregate_definition *definition)
{
    if (!definition)
        return;
    for (member_record *m = definition->members; m;) {
        member_record *next = m->next;
        free(m->name);
        type_free(m->type);
        free(m);
        m = next;
    }
    for (enum_entry *e = definition->constants; e;) {
        enum_entry *next = e->next;
        free(e);
        e = next;
    }
    type_free(definition->base);
    type_free(definition->first_member);
    type_free(definition->underlying);
    free(definition);
}

void trnInitialize()
{
    uint32_t plain_char = plain_char_signed_flag ? TF_SIGNED : 0;
    char_type = type_basic(BT_CHAR, plain_char);
    unsigned_char_type = type_basic(BT_CHAR, 0);
    short_int_type = type_basic(BT_INT, TF_SIGNED);
    int_type = type_basic(BT_INT, TF_SIGNED);
    short_long_int_type = type_basic(BT_INT, TF_SIGNED | TF_SHORT | TF_LONG);
    long_int_type = type_basic(BT_INT, TF_SIGNED | TF_LONG);
    float_type = type_basic(BT_FLOAT, 0);
    double_type = type_basic(BT_FLOAT, 0);
    long_double_type = type_basic(BT_FLOAT, 0);
    void_type = type_basic(BT_VOID, 0);
    default_function_type = s_function_returning(type_copy(int_type));
    void_function_type = s_function_returning(type_copy(void_type));
    typell *void_in_ram = type_copy(void_type);
    void_symbol = sym_create_symbol("__VoidSym", void_in_ram, LINK_NONE, SC_NONE);
}

void trnUninitialize()
{
    trn_forget_tag_definitions();
    for (typell **t : {&char_type, &unsigned_char_type, &short_int_type, &int_type, &short_long_int_type,
                       &long_int_type, &float_type, &double_type, &long_double_type, &void_type,
                       &default_function_type, &void_function_type}) {
        type_free(*t);
        *t = nullptr;
    }
    void_symbol = nullptr; // the symbol table owns it
}

bool is_type_scalar(const typell *type)
{
    if (!type)
        return false;
    if (type->kind == PTR)
        return true;
    return type->kind == BSC && type->detail.basic >= BT_CHAR && type->detail.basic <= BT_SCALAR_OTHER;
}

bool is_type_function(const typell *type) { return type && type->kind == FCN; }
bool is_type_pointer(const typell *type) { return type && type->kind == PTR; }
bool is_type_array(const typell *type) { return type && type->kind == ARY; }
bool is_type_void(const typell *type) { return type && type->kind == BSC && type->detail.basic == BT_VOID; }
bool is_type_float(const typell *type) { return type && type->kind == BSC && type->detail.basic == BT_FLOAT; }
bool is_type_char(const typell *type) { return type && type->kind == BSC && type->detail.basic == BT_CHAR; }

bool is_type_integer(const typell *type)
{
    return type && type->kind == BSC && (type->detail.basic == BT_CHAR || type->detail.basic == BT_INT);
}

bool is_type_arithmetic(const typell *type) { return is_type_integer(type) || is_type_float(type); }

bool is_type_signed(const typell *type)
{
    return is_type_float(type) || (is_type_integer(type) && (type->flags & TF_SIGNED));
}

bool is_type_sue(const typell *type, tag_kind kind)
{
    return type && type->kind == SUE && type->detail.tag->kind == kind;
}

bool is_type_struct_or_union(const typell *type)
{
    return is_type_sue(type, STRUCT_TAG) || is_type_sue(type, UNION_TAG);
}

typell *type_function_return_type(const typell *ftype)
{
    VX_ASSERT(is_type_function(ftype));
    VX_ASSERT(ftype->next != NULL);
    return type_copy(ftype->next);
}

uint32_t ll_sizeof_type(const typell *type)
{
    VX_ASSERT(type != nullptr);
    switch (type->kind) {
    case BSC:
        switch (type->detail.basic) {
        case BT_NONE:
        case BT_VOID:
            return 0;
        case BT_CHAR:
            return 1;
        case BT_INT:
            if (type->flags & TF_LONG)
                return (type->flags & TF_SHORT) ? 3 : 4;
            return 2;
        case BT_FLOAT:
            return 4;
        }
        break;
    case SUE:
        return type->detail.tag->definition ? type->detail.tag->definition->size : 0;
    case PTR: {
        const typell *target = type->next;
        VX_ASSERT(target != nullptr);
        VX_ASSERT(target->memory != 0 && target->range != 0);
        return target->memory == MEMORY_ROM && target->range == RANGE_FAR ? 3 : 2;
    }
    case ARY: {
        // Saturates, so that an absurd declaration cannot wrap to a small size.
        uint64_t size = uint64_t{ll_sizeof_type(type->next)} * (type->detail.count ? type->detail.count : 1);
        return size > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(size);
    }
    case FCN:
        return type->range == RANGE_FAR ? 3 : 2;
    }
    _assert("known type", __FILE__, __LINE__);
}

uint32_t type_constant_code(const typell *type)
{
    if (is_type_float(type))
        return CT_FLOAT;
    VX_ASSERT(is_type_integer(type) || is_type_pointer(type));
    bool is_unsigned = type->kind == PTR || !(type->flags & TF_SIGNED);
    switch (ll_sizeof_type(type)) {
    case 1: return is_unsigned ? CT_UCHAR : CT_SCHAR;
    case 2: return is_unsigned ? CT_UINT : CT_INT;
    case 3: return is_unsigned ? CT_USHORTLONG : CT_SHORTLONG;
    case 4: return is_unsigned ? CT_ULONG : CT_LONG;
    }
    _assert("scalar width", __FILE__, __LINE__);
}

member_record *type_lookup_su_member(const aggregate_definition *definition, const char *name)
{
    if (!definition)
        return nullptr;
    for (member_record *m = definition->members; m; m = m->next) {
        if (m->name && strcmp(m->name, name) == 0)
            return m;
        if (!m->name && is_type_struct_or_union(m->type))
            if (member_record *inner = type_lookup_su_member(m->type->detail.tag->definition, name))
                return inner;
    }
    return nullptr;
}

bool are_types_compatible(const typell *a, const typell *b, bool check_qualifiers)
{
    if (a == b)
        return true;
    if (!a || !b || a->kind != b->kind)
        return false;
    if (check_qualifiers && !s_same_qualifiers(a, b))
        return false;
    return s_levels_compatible(a, b);
}

void type_print(FILE *stream, const typell *type) { s_print(stream, type, true); }
