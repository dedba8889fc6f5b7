// Lowering of initializers.  A static object's initializer becomes an image
// of data bytes and address bytes that the object emitter writes into the
// object's section; an automatic object's becomes run-time statements.
#include <cstdlib>
#include <vector>

#include "driver/diag.h"
#include "driver/options.h"
#include "support/vxassert.h"
#include "translate/expr_internal.h"
#include "translate/lower_internal.h"
#include "translate/ranges.h"
#include "translate/trnalloc.h"

namespace {

using image = std::vector<init_record>;

// The widest address of the target is 24 bits.
constexpr uint32_t MAX_OBJECT_SIZE = 0x1000000;

struct init_walk {
    image bytes;
    bool surplus_reported;
};

void s_report_surplus(init_walk &walk)
{
    if (!walk.surplus_reported)
        post_error(1218);
    walk.surplus_reported = true;
}

symbol *s_string_symbol_of(const pcodell *tree)
{
    while (tree && (is_opcode_cast(tree->opcode) || isPcodellIndirection(tree)))
        tree = tree->left;
    if (isPcodellIdentifier(tree) && tree->sym && tree->sym->string_text)
        return tree->sym;
    return nullptr;
}

// A value standing alone or as the only element of a list, as in
// `char s[] = {"ab"}`.
symbol *s_string_initializer(const initializer *init)
{
    if (!init->value && init->elements && !init->elements->next)
        init = init->elements;
    return init->value ? s_string_symbol_of(init->value) : nullptr;
}

// Resolves an address expression into symbol plus offset; `exact` is
// cleared when a part of the offset is not an integer constant.
bool s_resolve_constant_address(const pcodell *tree, symbol **sym, int64_t *offset, bool *exact)
{
    if (!tree)
        return false;
    if (isPcodellIdentifier(tree)) {
        if (tree->opcode == I_IDSTK)
            return false;
        *sym = tree->sym;
        return true;
    }
    if (is_opcode_cast(tree->opcode))
        return s_resolve_constant_address(tree->left, sym, offset, exact);
    if (tree->opcode >= I_MEMBERRAM8 && tree->opcode <= I_MEMBERROM24) {
        *offset += tree->member.offset;
        return s_resolve_constant_address(tree->left, sym, offset, exact);
    }
    bool is_add = tree->opcode >= I_cop8 && tree->opcode <= I_copF && tree->cop == B_ADD;
    bool is_sub = tree->opcode == I_SUB8 || tree->opcode == I_SUB16 || tree->opcode == I_SUB24;
    if (!is_add && !is_sub)
        return false;
    const pcodell *address = tree->left;
    const pcodell *distance = tree->right;
    if (is_add && !is_type_pointer(address->type) && is_type_pointer(distance->type))
        std::swap(address, distance);
    if (!s_resolve_constant_address(address, sym, offset, exact))
        return false;
    if (is_pcodell_constant(distance) && distance->constant.type != CT_FLOAT) {
        int64_t value = is_signed_type(distance->constant.type)
                            ? get_signed_constant_value(distance->constant.type, distance->constant.value)
                            : get_unsigned_constant_value(distance->constant.type, distance->constant.value);
        *offset += is_sub ? -value : value;
    } else {
        *exact = false;
    }
    return true;
}

bool s_is_zero(const pcodell *value)
{
    return is_pcodell_constant(value) && value->constant.type != CT_FLOAT && value->constant.value == 0;
}

// Whether a value may initialize an object of `type`.  Pointers to the same
// type (qualifiers aside) and the null pointer pass silently; any other
// conversion is checked, and warned about, as a cast.
bool s_assignable(const pcodell *value, const typell *type)
{
    const typell *from = value->type;
    if (are_types_compatible(from, type, false))
        return true;
    if (is_type_pointer(type)) {
        if (is_type_pointer(from) && are_types_compatible(from->next, type->next, false))
            return true;
        // As in an assignment: a pointer to void to or from another pointer
        // of the same qualifiers and place.
        if (is_type_pointer(from) && s_pointer_assignable(type, from) == 1)
            return true;
        if (s_is_zero(value))
            return true;
    }
    return ll_can_cast(from, type, true);
}

const initializer *s_scalar_element(const initializer *init)
{
    bool extra = false;
    while (!init->value) {
        if (!init->elements)
            return nullptr;
        extra = extra || init->elements->next;
        init = init->elements;
    }
    if (extra)
        post_error(1218);
    return init;
}

void s_initializer(init_walk &walk, const typell *type, const initializer *init, uint32_t offset);

// Writes a converted constant or address into the image; a bit-field
// member ORs its masked value into its byte.
void s_initialize_scalar(init_walk &walk, const typell *type, const initializer *init, uint32_t offset,
                         const member_record *bitfield)
{
    const initializer *element = s_scalar_element(init);
    if (!element)
        return;
    pcodell *placed = trn_place_string_literal(type, pcodell_copy(element->value));
    if (!s_assignable(placed, type)) {
        pcodellFreeTree(placed);
        post_error(1131);
        return;
    }
    typell *target = type_copy(type);
    target->is_bitfield = 0;
    pcodell *value = ll_cast(placed, target);
    uint32_t size = ll_sizeof_type(type);
    symbol *sym = nullptr;
    int64_t address_offset = 0;
    bool exact = true;
    unsigned diagnostic = 0;
    if (is_pcodell_constant(value)) {
        uint32_t bits = value->constant.value;
        if (bitfield) {
            uint32_t mask = (1u << bitfield->bit_width) - 1;
            walk.bytes[offset].value |= static_cast<uint8_t>((bits & mask) << bitfield->bit_offset);
        } else {
            for (uint32_t i = 0; i < size; ++i)
                walk.bytes[offset + i].value = static_cast<uint8_t>(bits >> (8 * i));
        }
    } else if (!bitfield && s_resolve_constant_address(value, &sym, &address_offset, &exact)) {
        const pcodell *address = value;
        while (is_opcode_cast(address->opcode))
            address = address->left;
        uint32_t address_size = ll_sizeof_type(address->type);
        for (uint32_t i = 0; i < size && i < address_size; ++i) {
            init_record &slot = walk.bytes[offset + i];
            slot.kind = INIT_ADDRESS_BYTE;
            slot.sym = sym;
            slot.offset = static_cast<int32_t>(address_offset);
            slot.byte_index = i;
        }
        if (!exact)
            diagnostic = 1219;
    } else {
        diagnostic = 1214;
    }
    // The diagnostic may end the compilation, so the value goes first.
    pcodellFreeTree(value);
    if (diagnostic)
        post_error(diagnostic);
}

void s_initialize_member(init_walk &walk, const member_record *member, const initializer *init, uint32_t offset)
{
    if (member->is_bitfield)
        s_initialize_scalar(walk, member->type, init, offset + member->offset, member);
    else
        s_initializer(walk, member->type, init, offset + member->offset);
}

void s_initialize_struct(init_walk &walk, const typell *type, const initializer *init, uint32_t offset)
{
    if (init->value) {
        post_error(1213);
        return;
    }
    const initializer *element = init->elements;
    for (const member_record *m = type->detail.tag->definition->members; m && element; m = m->next) {
        if (!m->name && m->is_bitfield)
            continue;
        s_initialize_member(walk, m, element, offset);
        element = element->next;
    }
    if (element)
        s_report_surplus(walk);
}

void s_initialize_union(init_walk &walk, const typell *type, const initializer *init, uint32_t offset)
{
    if (init->value) {
        post_error(1213);
        return;
    }
    const aggregate_definition *definition = type->detail.tag->definition;
    const initializer *element = init->elements;
    if (!element || !definition->first_member)
        return;
    member_record first = {};
    first.type = definition->first_member;
    first.is_bitfield = first.type->is_bitfield;
    first.bit_width = first.type->bit_width;
    s_initialize_member(walk, &first, element, offset);
    if (element->next)
        s_report_surplus(walk);
}

void s_initialize_string(init_walk &walk, const typell *type, symbol *string, uint32_t offset)
{
    uint32_t count = type->detail.count;
    if (string->string_length + 1 > count)
        post_error(2073);
    for (uint32_t i = 0; i < count && i < string->string_length; ++i)
        walk.bytes[offset + i].value = static_cast<uint8_t>(string->string_text[i]);
    if (string->ref_count > 0)
        --string->ref_count;
}

void s_initialize_array(init_walk &walk, const typell *type, const initializer *init, uint32_t offset)
{
    if (is_type_char(type->next))
        if (symbol *string = s_string_initializer(init)) {
            s_initialize_string(walk, type, string, offset);
            return;
        }
    if (init->value) {
        post_error(1213);
        return;
    }
    uint32_t element_size = ll_sizeof_type(type->next);
    uint32_t index = 0;
    const initializer *element = init->elements;
    for (; element && index < type->detail.count; element = element->next, ++index)
        s_initializer(walk, type->next, element, offset + index * element_size);
    if (element)
        s_report_surplus(walk);
}

void s_initializer(init_walk &walk, const typell *type, const initializer *init, uint32_t offset)
{
    switch (type->kind) {
    case SUE:
        if (!type->detail.tag->definition)
            return; // an incomplete tag was reported where it was declared
        if (type->detail.tag->kind == UNION_TAG)
            s_initialize_union(walk, type, init, offset);
        else
            s_initialize_struct(walk, type, init, offset);
        return;
    case ARY:
        s_initialize_array(walk, type, init, offset);
        return;
    default:
        s_initialize_scalar(walk, type, init, offset, nullptr);
        return;
    }
}

// The element count of an array declared without a size comes from its
// initializer.
void s_complete_array_size(typell *type, const initializer *init)
{
    if (type->kind != ARY || type->detail.count != 0)
        return;
    uint32_t count = 0;
    if (symbol *string = is_type_char(type->next) ? s_string_initializer(init) : nullptr)
        count = string->string_length + 1;
    else if (!init->value)
        for (const initializer *e = init->elements; e; e = e->next)
            ++count;
    type->detail.count = count ? count : 1;
}

init_record *s_to_list(const image &bytes)
{
    init_record *head = nullptr;
    init_record **tail = &head;
    for (const init_record &slot : bytes) {
        init_record *record = trn_new<init_record>();
        *record = slot;
        record->next = nullptr;
        *tail = record;
        tail = &record->next;
    }
    return head;
}

pcodell *s_object(symbol *sym, int32_t line, const char *file)
{
    return ll_indir(ll_ident(sym, line, file), ll_sizeof_type(sym->type), sym->type->memory, sym->type->range,
                    line, file);
}

} // namespace

init_record *init_list_copy(const init_record *list)
{
    init_record *head = nullptr;
    init_record **tail = &head;
    for (; list; list = list->next) {
        init_record *record = trn_new<init_record>();
        *record = *list;
        record->next = nullptr;
        *tail = record;
        tail = &record->next;
    }
    return head;
}

void init_list_free(init_record *list)
{
    while (list) {
        init_record *next = list->next;
        free(list);
        list = next;
    }
}

initializer *ll_initializer_value(pcodell *value, int32_t line, const char *file)
{
    initializer *init = trn_new<initializer>();
    init->value = value;
    init->line = line;
    init->file = trn_strdup(file);
    return init;
}

initializer *ll_initializer_list(initializer *elements, int32_t line, const char *file)
{
    initializer *init = trn_new<initializer>();
    init->elements = elements;
    init->last_element = elements;
    init->line = line;
    init->file = trn_strdup(file);
    return init;
}

void ll_initializer_append(initializer *list, initializer *element)
{
    if (!element)
        return;
    if (list->last_element)
        list->last_element->next = element;
    else
        list->elements = element;
    list->last_element = element;
}

void ll_initializer_free(initializer *init)
{
    while (init) {
        initializer *next = init->next;
        pcodellFreeTree(init->value);
        ll_initializer_free(init->elements);
        free(init->file);
        free(init);
        init = next;
    }
}

stmt *ll_process_initializers(symbol *sym, initializer *init, int32_t line, const char *file)
{
    VX_ASSERT(sym && sym->kind == VARIABLE && sym->type);
    if (!init)
        return nullptr;
    s_complete_array_size(sym->type, init);
    bool at_run_time = sym->storage_class == SC_AUTO || sym->storage_class == SC_OVERLAY;
    bool aggregate = sym->type->kind == ARY || sym->type->kind == SUE;

    if (at_run_time && !aggregate) {
        const initializer *element = s_scalar_element(init);
        if (!element)
            return nullptr;
        if (!s_assignable(element->value, sym->type)) {
            post_error(1131);
            return nullptr;
        }
        pcodell *value = ll_cast(pcodell_copy(element->value), type_copy(sym->type));
        return stmtCreate(ll_assign(s_object(sym, line, file), value, ll_sizeof_type(sym->type), line, file));
    }
    if (at_run_time && init->value && is_type_struct_or_union(sym->type) &&
        are_types_compatible(init->value->type, sym->type, false)) {
        pcodell *value = pcodell_copy(init->value);
        return stmtCreate(ll_assign(s_object(sym, line, file), value, ll_sizeof_type(sym->type), line, file));
    }

    uint32_t size = ll_sizeof_type(sym->type);
    if (size > MAX_OBJECT_SIZE)
        post_error(100, "initialized object exceeds the target's address space");
    init_walk walk = {};
    walk.bytes.assign(size, init_record{});
    s_initializer(walk, sym->type, init, 0);
    init_record *records = s_to_list(walk.bytes);
    if (!at_run_time) {
        init_list_free(sym->initial_data);
        sym->initial_data = records;
        return nullptr;
    }
    pcodell *copy = pcodell_create(I_INITX, ll_ident(sym, line, file), nullptr, line, file);
    copy->type = type_copy(sym->type);
    copy->size = ll_sizeof_type(sym->type);
    copy->init = records;
    return stmtCreate(copy);
}

void ll_initialize_string_literal(symbol *string_symbol)
{
    VX_ASSERT(string_symbol && string_symbol->kind == VARIABLE);
    image bytes(string_symbol->string_length + 1, init_record{});
    for (uint32_t i = 0; i < string_symbol->string_length; ++i)
        bytes[i].value = static_cast<uint8_t>(string_symbol->string_text[i]);
    init_list_free(string_symbol->initial_data);
    string_symbol->initial_data = s_to_list(bytes);
}
