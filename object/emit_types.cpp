// Type words, storage classes, and the struct and union tags that debuggers
// read: each tag once, with its members, before the first object of it.
#include <cstdio>

#include "driver/diag.h"
#include "driver/options.h"
#include "object/emit_state.h"
#include "support/vxassert.h"
#include "translate/ranges.h"

namespace {

constexpr unsigned TYPE_WORD_BITS = 16;
constexpr unsigned MAX_ARRAY_DIMENSIONS = 6;

// Pointers into program memory have derived types of their own.
uint32_t s_pointer_code(const typell *level)
{
    if (level && level->memory == MEMORY_ROM)
        return level->range == RANGE_NEAR ? DT_ROMPTR_NEAR : DT_ROMPTR_FAR;
    return DT_PTR;
}

uint32_t s_basic_type(const typell *level)
{
    if (!level)
        return T_NULL;
    if (level->kind == SUE) {
        const tag_record *tag = level->detail.tag;
        if (!tag || !tag->definition)
            return T_VOID;
        return tag->kind == UNION_TAG ? T_UNION : tag->kind == STRUCT_TAG ? T_STRUCT : T_ENUM;
    }
    bool is_signed = level->flags & TF_SIGNED;
    switch (level->detail.basic) {
    case BT_VOID: return T_VOID;
    case BT_CHAR: return is_signed ? T_CHAR : T_UCHAR;
    case BT_FLOAT: return T_FLOAT;
    case BT_INT:
        if ((level->flags & TF_SHORT) && (level->flags & TF_LONG))
            return is_signed ? T_SHORTLONG : T_USHORTLONG;
        if (level->flags & TF_LONG)
            return is_signed ? T_LONG : T_ULONG;
        if (level->flags & TF_SHORT)
            return is_signed ? T_SHORT : T_USHORT;
        return is_signed ? T_INT : T_UINT;
    default: return T_NULL;
    }
}

const aggregate_definition *s_struct_or_union(const typell *type)
{
    for (const typell *level = type; level; level = level->next)
        if (level->kind == SUE && level->detail.tag && level->detail.tag->definition &&
            level->detail.tag->kind != ENUM_TAG)
            return level->detail.tag->definition;
    return nullptr;
}

void s_sue_member(const member_record *member, tag_kind kind)
{
    VX_ASSERT(kind != ENUM_TAG);
    s_process_tag_type(member->type);
    char anonymous[32];
    const char *name = member->name;
    if (!name) {
        snprintf(anonymous, sizeof anonymous, "__member_%d", s_emit->member_counter++);
        name = anonymous;
    }
    uint32_t type = s_convert_type(member->type);
    if (member->is_bitfield) {
        uint32_t entry = s_add_entry(name, member->offset * 8 + member->bit_offset, N_ABS, type, C_FIELD);
        s_add_aux(entry).x_size = static_cast<uint32_t>(member->bit_width);
        return;
    }
    uint32_t entry = s_add_entry(name, member->offset, N_ABS, type, kind == STRUCT_TAG ? C_MOS : C_MOU);
    s_add_aux_arr_or_sue_var(entry, member->type, name);
}

void s_define_sue_tag(const tag_record *tag)
{
    const aggregate_definition *definition = tag->definition;
    VX_ASSERT(tag->kind == STRUCT_TAG || tag->kind == UNION_TAG);
    s_emit->tags_in_progress[definition] = true;
    // The tags of the members come first, so that one tag's entries are never
    // split by another's.
    for (const member_record *member = definition->members; member; member = member->next)
        s_process_tag_type(member->type);
    bool is_struct = tag->kind == STRUCT_TAG;
    uint32_t entry = s_add_entry(tag->name ? tag->name : "", 0, N_DEBUG, is_struct ? T_STRUCT : T_UNION,
                                 is_struct ? C_STRTAG : C_UNTAG);
    if (s_emit->last_tag_aux != NO_INDEX)
        s_emit->image->symbols[s_emit->last_tag_aux].aux.x_endndx = entry;
    s_add_aux(entry).x_size = definition->size;
    s_emit->last_tag_aux = entry + 1;
    s_emit->tags[definition] = entry;
    auto &slots = s_emit->pending_tag_slots;
    for (auto slot = slots.begin(); slot != slots.end();) {
        if (slot->second != definition) {
            ++slot;
            continue;
        }
        s_emit->image->symbols[slot->first].aux.x_tagndx = entry;
        slot = slots.erase(slot);
    }
    for (const member_record *member = definition->members; member; member = member->next)
        s_sue_member(member, tag->kind);
    uint32_t eos = s_add_entry(".eos", 0, N_DEBUG, T_NULL, C_EOS);
    coff_auxent &aux = s_add_aux(eos);
    aux.x_tagndx = entry;
    aux.x_size = definition->size;
    s_emit->tags_in_progress.erase(definition);
}

} // namespace

uint32_t s_convert_type(const typell *type)
{
    uint32_t word = 0;
    unsigned shift = N_BTSHFT;
    bool past_function = false;
    const typell *level = type;
    for (; level && (level->kind == PTR || level->kind == ARY || level->kind == FCN); level = level->next) {
        uint32_t code;
        if (level->kind == FCN) {
            code = DT_FCN;
            past_function = true;
        } else if (level->kind == ARY) {
            // What a function returns or takes as an array is a pointer.
            code = past_function ? s_pointer_code(level) : uint32_t(DT_ARY);
        } else {
            code = s_pointer_code(level->next);
        }
        if (shift + N_TSHIFT <= TYPE_WORD_BITS)
            word |= code << shift;
        shift += N_TSHIFT;
    }
    return (word | s_basic_type(level)) & ((1u << TYPE_WORD_BITS) - 1);
}

int8_t s_convert_storage_class(const symbol *sym)
{
    if (sym->kind == LABEL)
        return C_LABEL;
    switch (sym->linkage) {
    case LINK_EXTERNAL: return C_EXT;
    case LINK_INTERNAL: return C_STAT;
    case LINK_NONE:
        if (sym->storage_class == SC_STATIC || sym->storage_class == SC_OVERLAY)
            return C_STAT;
        if (sym->storage_class == SC_AUTO)
            return C_AUTO;
        break;
    default: break;
    }
    _assert("emitter: storage class of a symbol", __FILE__, __LINE__);
}

void s_process_tag_type(const typell *type)
{
    for (const typell *level = type; level; level = level->next) {
        if (level->kind != SUE || !level->detail.tag || !level->detail.tag->definition)
            continue;
        const tag_record *tag = level->detail.tag;
        if (tag->kind == ENUM_TAG || s_emit->tags.count(tag->definition) ||
            s_emit->tags_in_progress.count(tag->definition))
            continue;
        s_define_sue_tag(tag);
    }
}

// The tag index for the auxiliary entry `aux`; a tag still being emitted
// fills the slot once its entry exists.
uint32_t s_tag_index(const typell *type, const char *owner, size_t aux)
{
    const aggregate_definition *definition = s_struct_or_union(type);
    if (!definition)
        return 0;
    auto found = s_emit->tags.find(definition);
    if (found != s_emit->tags.end())
        return found->second;
    if (s_emit->tags_in_progress.count(definition))
        s_emit->pending_tag_slots.emplace_back(aux, definition);
    else
        post_error(154, owner);
    return 0;
}

void s_add_aux_arr_or_sue_var(uint32_t entry, const typell *type, const char *name)
{
    const coff_syment &sym = s_entry(entry);
    bool array = coff_is_array(&sym);
    if (!array && !coff_is_sue_var(&sym))
        return;
    const aggregate_definition *definition = s_struct_or_union(type);
    if (!array && !definition)
        return;
    s_add_aux(entry);
    size_t slot = s_emit->image->symbols.size() - 1;
    uint32_t tag = s_tag_index(type, name, slot);
    coff_auxent &aux = s_emit->image->symbols[slot].aux;
    aux.x_tagndx = tag;
    if (!array) {
        aux.x_size = definition->size;
        return;
    }
    aux.x_size = ll_sizeof_type(type);
    unsigned dimension = 0;
    for (const typell *level = type; level && level->kind == ARY && dimension < MAX_ARRAY_DIMENSIONS;
         level = level->next)
        aux.x_dimen[dimension++] = static_cast<uint16_t>(level->detail.count);
}
