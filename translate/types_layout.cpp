// Layout of structs and unions (byte alignment, no padding, bit-fields that
// never straddle a byte) and the definition of enumerations with the choice
// of their underlying type.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/options.h"
#include "frontend/ast.h"
#include "support/vxassert.h"
#include "translate/lower.h"
#include "translate/ranges.h"
#include "translate/symbols.h"
#include "translate/trnalloc.h"

namespace {

// Running position of a struct layout.
struct layout {
    uint32_t offset;
    int32_t bit_offset;
};

const char *s_member_name(const pcodehl *decl)
{
    return decl->left && decl->left->kind == H_IDENT ? decl->left->name : nullptr;
}

pcodehl *s_width_expression(const pcodehl *decl)
{
    return decl->right && decl->right->kind != H_NOP ? decl->right : nullptr;
}

// The width of a bit-field: 8 after a diagnostic, and any width above 8
// as 9, which the caller reports and narrows.
int32_t s_bitfield_width(pcodehl *expression)
{
    pcodell *width = trn_constant_expression(expression);
    if (!is_pcodell_constant(width)) {
        pcodellFreeTree(width);
        post_error(1219);
        return 8;
    }
    int64_t value = 0;
    uint32_t code = 0;
    if (!trn_integer_constant(width, &value, &code) || value < 0) {
        post_error(1170);
        return 8;
    }
    return value > 8 ? 9 : static_cast<int32_t>(value);
}

// A bit-field's declared type becomes a char of the same signedness.
void s_make_char(typell *type)
{
    type->detail.basic = BT_CHAR;
    type->flags &= TF_SIGNED;
}

void s_free_member(member_record *member)
{
    free(member->name);
    type_free(member->type);
    free(member);
}

void s_replace_type(member_record *member, typell *type)
{
    type_free(member->type);
    member->type = type;
}

void s_bitfield(member_record *member, pcodehl *width_expression)
{
    if (!is_type_integer(member->type)) {
        post_error(1170);
        s_replace_type(member, type_copy(char_type));
    }
    typell *type = member->type;
    int32_t width = s_bitfield_width(width_expression);
    if (type->enum_tag && type->enum_tag->definition) {
        uint64_t largest = type->enum_tag->definition->largest_value;
        int32_t checked = std::min(width, 8);
        if ((largest & (0xFFu >> (8 - checked))) != largest)
            post_error(2104, type->enum_tag->name, static_cast<int>(checked));
    }
    if (width > 8) {
        post_error(1171);
        width = 8;
    }
    s_make_char(type);
    if (!(member->name && width == 8)) {
        type->is_bitfield = 1;
        type->bit_width = width;
        member->is_bitfield = 1;
        member->bit_width = width;
    }
}

member_record *sDefineSUMember(const pcodehl *decl, tag_kind kind, const char *file, int32_t line)
{
    typell *type = trnResolveType(decl->type, decl->file ? decl->file : file, decl->line ? decl->line : line);
    if (!type)
        return nullptr;
    member_record *member = trn_new<member_record>();
    member->type = type;
    member->name = trn_strdup(s_member_name(decl));
    try {
        if (trn_check_illegal_tag_reference(member->type))
            s_replace_type(member, type_copy(char_type));
        pcodehl *width_expression = s_width_expression(decl);
        if (!member->name && !width_expression && kind == STRUCT_TAG) {
            char buffer[32];
            sym_get_fake_tag_name(buffer, sizeof buffer);
            member->name = trn_strdup(buffer);
            s_replace_type(member, type_copy(char_type));
            post_error(1169);
        }
        if (is_type_function(member->type)) {
            member->type = type_reference(member->type);
            post_error(1156, member->name ? member->name : "");
        }
        if (width_expression)
            s_bitfield(member, width_expression);
    } catch (...) {
        s_free_member(member);
        throw;
    }
    return member;
}

template <typename Visit> void s_each_member_declaration(const pcodehl *members, Visit visit)
{
    for (const pcodehl *node = members; node; node = node->right) {
        if (!node->left)
            continue;
        if (node->left->kind == H_DECLLST)
            s_each_member_declaration(node->left, visit);
        else
            visit(node->left);
    }
}

using member_list = std::vector<member_record *>;

// A named member must not repeat a name of this aggregate, including the
// names inside its anonymous members.
bool s_is_duplicate(const member_list &members, const member_record *member)
{
    if (!member->name)
        return false;
    for (const member_record *m : members) {
        bool taken = m->name ? strcmp(m->name, member->name) == 0
                             : is_type_struct_or_union(m->type) &&
                                   type_lookup_su_member(m->type->detail.tag->definition, member->name);
        if (taken)
            return true;
    }
    return false;
}

// Drops a repeated member; the diagnostic comes last, as it may end the
// compilation.
void s_drop_duplicate(member_record *member)
{
    std::string name = member->name;
    s_free_member(member);
    post_error(1513, name.c_str());
}

void s_free_members(member_list &members)
{
    for (member_record *member : members)
        s_free_member(member);
    members.clear();
}

uint32_t s_saturating_add(uint32_t a, uint32_t b) { return a > UINT32_MAX - b ? UINT32_MAX : a + b; }

member_record *s_link(const member_list &members)
{
    member_record *head = nullptr;
    member_record **tail = &head;
    for (member_record *member : members) {
        member->next = nullptr;
        *tail = member;
        tail = &member->next;
    }
    return head;
}

aggregate_definition *sDefineStruct(const pcodehl *members, const char *file, int32_t line)
{
    aggregate_definition *definition = trn_new<aggregate_definition>();
    definition->kind = STRUCT_TAG;
    member_list list;
    layout at = {};
    try {
        s_each_member_declaration(members, [&](const pcodehl *decl) {
            member_record *member = sDefineSUMember(decl, STRUCT_TAG, file, line);
            if (!member)
                return;
            if (s_is_duplicate(list, member)) {
                s_drop_duplicate(member);
                return;
            }
            if (member->is_bitfield) {
                if (at.bit_offset + member->bit_width > 8) {
                    at.offset = s_saturating_add(at.offset, at.bit_offset != 0 ? 1 : 0);
                    at.bit_offset = 0;
                }
                member->offset = at.offset;
                member->bit_offset = at.bit_offset;
                member->type->bit_offset = at.bit_offset;
                at.bit_offset += member->bit_width;
            } else {
                member->offset = s_saturating_add(at.offset, at.bit_offset != 0 ? 1 : 0);
                at.offset = s_saturating_add(member->offset, ll_sizeof_type(member->type));
                at.bit_offset = 0;
            }
            list.push_back(member);
        });
    } catch (...) {
        s_free_members(list);
        aggregate_definition_free(definition);
        throw;
    }
    definition->members = s_link(list);
    definition->size = s_saturating_add(at.offset, at.bit_offset != 0 ? 1 : 0);
    return definition;
}

// Unnamed members sort first, the others in ascending strcmp order.
bool sMemberCompare(const member_record *a, const member_record *b)
{
    if (!a->name || !b->name)
        return !a->name && b->name;
    return strcmp(a->name, b->name) < 0;
}

aggregate_definition *sDefineUnion(const pcodehl *members, const char *file, int32_t line)
{
    aggregate_definition *definition = trn_new<aggregate_definition>();
    definition->kind = UNION_TAG;
    member_list list;
    try {
        s_each_member_declaration(members, [&](const pcodehl *decl) {
            member_record *member = sDefineSUMember(decl, UNION_TAG, file, line);
            if (!member)
                return;
            if (s_is_duplicate(list, member)) {
                s_drop_duplicate(member);
                return;
            }
            if (list.empty())
                definition->first_member = type_copy(member->type);
            definition->size = std::max(definition->size, ll_sizeof_type(member->type));
            list.push_back(member);
        });
    } catch (...) {
        s_free_members(list);
        aggregate_definition_free(definition);
        throw;
    }
    std::stable_sort(list.begin(), list.end(), sMemberCompare);
    definition->members = s_link(list);
    return definition;
}

int64_t s_constant_value(const constant_record &c)
{
    return is_signed_type(c.type) ? get_signed_constant_value(c.type, c.value)
                                  : static_cast<int64_t>(get_unsigned_constant_value(c.type, c.value));
}

uint32_t s_code_from_largest(uint64_t largest)
{
    if (largest > 0x7FFFFFFF)
        return CT_ULONG;
    if (largest > 0xFFFFFF)
        return CT_LONG;
    if (largest > 0x7FFFFF)
        return CT_USHORTLONG;
    if (largest > 65535)
        return CT_SHORTLONG;
    if (largest > 32767)
        return CT_UINT;
    if (largest > 255)
        return CT_INT;
    if (largest >= 128)
        return CT_UCHAR;
    return CT_SCHAR;
}

uint32_t s_code_from_smallest(int64_t smallest)
{
    if (smallest < -8388608)
        return CT_LONG;
    if (smallest < -32768)
        return CT_SHORTLONG;
    if (smallest <= -129)
        return CT_INT;
    return CT_SCHAR;
}

} // namespace

aggregate_definition *sDefineSUEtype(tag_kind kind, pcodehl *members, const char *file_name, int32_t line)
{
    switch (kind) {
    case STRUCT_TAG: return sDefineStruct(members, file_name, line);
    case UNION_TAG: return sDefineUnion(members, file_name, line);
    default: _assert("struct or union kind", __FILE__, __LINE__);
    }
}

aggregate_definition *sDefineEnum(pcodehl *enumerators)
{
    aggregate_definition *definition = trn_new<aggregate_definition>();
    definition->kind = ENUM_TAG;
    enum_entry **tail = &definition->constants;
    constant_record running = {CT_SCHAR, 0};
    bool first = true;
    uint64_t largest = 0;
    int64_t smallest = 0;
    bool negative = false;

    try {
        for (pcodehl *node = enumerators; node; node = node->right) {
            pcodehl *item = node->left;
            if (!item)
                continue;
            pcodehl *ident = item->kind == H_ASSIGN ? item->left : item;
            VX_ASSERT(ident && ident->kind == H_IDENT);
            if (!first)
                const_inc(&running);
            first = false;
            if (item->kind == H_ASSIGN) {
                int64_t value = 0;
                uint32_t code = 0;
                if (trn_integer_constant(trn_constant_expression(item->right), &value, &code))
                    running = constant_record{code, ll_wrap(code, static_cast<uint64_t>(value))};
                else
                    post_error(1219);
            }
            int64_t value = s_constant_value(running);
            if (value < 0) {
                negative = true;
                smallest = std::min(smallest, value);
            } else {
                largest = std::max(largest, static_cast<uint64_t>(value));
            }

            symbol *prior = sym_lookup_sym(ident->name, LOOKUP_CURRENT);
            if (prior) {
                if (!prior->is_enum_constant)
                    post_error(1109, ident->name);
                else if (s_constant_value(prior->enum_value) != value)
                    post_error(1172, ident->name);
                continue;
            }
            typell *type = type_basic(BT_INT, TF_SIGNED);
            symbol *sym = sym_create_symbol(ident->name, type, LINK_NONE, SC_NONE);
            sym->is_enum_constant = true;
            sym->enum_value = running;
            sym_declare_symbol(sym, false, ident->line, ident->file);
            enum_entry *entry = trn_new<enum_entry>();
            entry->constant = sym;
            *tail = entry;
            tail = &entry->next;
        }
    } catch (...) {
        aggregate_definition_free(definition);
        throw;
    }

    uint32_t code = s_code_from_largest(largest);
    if (negative) {
        if (code == CT_ULONG) {
            post_error(2069);
        } else {
            code = std::max(code, s_code_from_smallest(smallest));
            if (code == CT_UCHAR || code == CT_UINT || code == CT_USHORTLONG)
                ++code;
        }
    }
    for (enum_entry *e = definition->constants; e; e = e->next) {
        do_convert_constant_type(&e->constant->enum_value, code);
        type_free(e->constant->type);
        e->constant->type = ll_get_constant_type(code);
    }
    definition->largest_value = largest;
    definition->underlying = definition->constants ? type_copy(definition->constants->constant->type) : type_copy(int_type);
    definition->size = ll_sizeof_type(definition->underlying);
    return definition;
}
