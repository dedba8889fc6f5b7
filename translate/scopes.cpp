#include "translate/symtab.h"

#include <cstdlib>

#include "driver/diag.h"
#include "support/hash.h"
#include "support/vxassert.h"
#include "translate/trnalloc.h"

namespace {

constexpr unsigned SCOPE_BUCKETS = 128;

// Scopes do not own what they name: symbols and tags outlive the scope that
// declared them because types and the master list still refer to them.
struct scope_entry {
    const char *name;
    void *record;
};

struct scope {
    hash_table *table;
    scope *outer;
};

scope *s_sym_namespace;
scope *s_sym_file_namespace;
scope *s_tag_namespace;
scope *s_label_namespace;
int32_t s_nesting_level;

// Every tag record made in this module, freed with the module.
struct tag_link {
    tag_record *tag;
    tag_link *next;
};
tag_link *s_all_tags;

scope *s_push(scope *outer)
{
    scope *s = trn_new<scope>();
    s->table = hash_create(sizeof(scope_entry), sizeof(const char *), SCOPE_BUCKETS);
    if (!s->table)
        post_error(101);
    hash_set_hash(s->table, hash_string_key);
    hash_set_compare(s->table, compare_string_key);
    s->outer = outer;
    return s;
}

scope *s_pop(scope *s)
{
    VX_ASSERT(s != nullptr);
    scope *outer = s->outer;
    hash_free(s->table, nullptr);
    free(s);
    return outer;
}

void s_add(scope *s, const char *name, void *record)
{
    auto *entry = static_cast<scope_entry *>(hash_add(s->table, &name));
    if (!entry)
        post_error(101);
    entry->record = record;
}

void *s_find(const scope *s, const char *name)
{
    auto *entry = static_cast<scope_entry *>(hash_find(s->table, &name));
    return entry ? entry->record : nullptr;
}

void *s_find_outward(const scope *s, const char *name)
{
    for (; s; s = s->outer)
        if (void *record = s_find(s, name))
            return record;
    return nullptr;
}

} // namespace

void scopes_open_file()
{
    VX_ASSERT(s_sym_namespace == nullptr);
    s_sym_namespace = s_sym_file_namespace = s_push(nullptr);
    s_tag_namespace = s_push(nullptr);
    s_label_namespace = s_push(nullptr);
    s_nesting_level = 0;
}

void scopes_free_all()
{
    while (s_sym_namespace)
        s_sym_namespace = s_pop(s_sym_namespace);
    while (s_tag_namespace)
        s_tag_namespace = s_pop(s_tag_namespace);
    while (s_label_namespace)
        s_label_namespace = s_pop(s_label_namespace);
    s_sym_file_namespace = nullptr;
    s_nesting_level = 0;
    while (s_all_tags) {
        tag_link *next = s_all_tags->next;
        aggregate_definition_free(s_all_tags->tag->definition);
        free(s_all_tags->tag->name);
        free(s_all_tags->tag);
        free(s_all_tags);
        s_all_tags = next;
    }
}

void scope_open_symbols_and_tags()
{
    s_sym_namespace = s_push(s_sym_namespace);
    s_tag_namespace = s_push(s_tag_namespace);
    ++s_nesting_level;
}

void scope_close_symbols_and_tags()
{
    VX_ASSERT(s_sym_namespace != s_sym_file_namespace);
    s_sym_namespace = s_pop(s_sym_namespace);
    s_tag_namespace = s_pop(s_tag_namespace);
    --s_nesting_level;
}

void scope_open_labels() { s_label_namespace = s_push(s_label_namespace); }

void scope_close_labels() { s_label_namespace = s_pop(s_label_namespace); }

void scope_enter(symbol *sym, bool at_file_scope)
{
    VX_ASSERT(s_sym_namespace != nullptr && sym->name != nullptr);
    s_add(at_file_scope ? s_sym_file_namespace : s_sym_namespace, sym->name, sym);
}

int32_t sym_get_nesting_level() { return s_nesting_level; }

symbol *sym_lookup_sym(const char *name, lookup_mode mode)
{
    VX_ASSERT(s_sym_namespace != nullptr);
    switch (mode) {
    case LOOKUP_ALL:
        return static_cast<symbol *>(s_find_outward(s_sym_namespace, name));
    case LOOKUP_CURRENT:
        return static_cast<symbol *>(s_find(s_sym_namespace, name));
    case LOOKUP_FILE:
        return static_cast<symbol *>(s_find(s_sym_file_namespace, name));
    }
    _assert("known lookup mode", __FILE__, __LINE__);
}

tag_record *sym_lookup_tag(const char *name, bool current_only)
{
    VX_ASSERT(s_tag_namespace != nullptr);
    void *record = current_only ? s_find(s_tag_namespace, name) : s_find_outward(s_tag_namespace, name);
    return static_cast<tag_record *>(record);
}

tag_record *sym_declare_tag(const char *name, tag_kind kind)
{
    VX_ASSERT(s_tag_namespace != nullptr);
    tag_record *tag = trn_new<tag_record>();
    tag->name = trn_strdup(name);
    tag->kind = kind;
    tag_link *link = trn_new<tag_link>();
    link->tag = tag;
    link->next = s_all_tags;
    s_all_tags = link;
    s_add(s_tag_namespace, tag->name, tag);
    return tag;
}

symbol *sym_create_label(const char *name)
{
    VX_ASSERT(s_label_namespace != nullptr);
    symbol *label = sym_new_record(LABEL, name);
    s_add(s_label_namespace, label->name, label);
    return label;
}

symbol *sym_lookup_label(const char *name)
{
    VX_ASSERT(s_label_namespace != nullptr);
    return static_cast<symbol *>(s_find(s_label_namespace, name));
}

void sym_begin_prototype() { scope_open_symbols_and_tags(); }

void sym_end_prototype() { scope_close_symbols_and_tags(); }
