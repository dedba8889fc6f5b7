#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "frontend/ast.h"
#include "support/hash.h"

namespace {
// The key carries the name's hash so that the entries of a bucket are told
// apart without comparing their names.
struct typedef_key {
    const char *name;
    unsigned hash;
};

struct typedef_entry {
    typedef_key key;
    int overridden;
    typehl *type;
};

typedef_key s_key(const char *name)
{
    return {name, hash_string_pjw(name)};
}

unsigned s_hash(const void *key, unsigned)
{
    return static_cast<const typedef_key *>(key)->hash;
}

int s_compare(const void *key, const void *element, unsigned)
{
    const auto *k = static_cast<const typedef_key *>(key);
    const auto *e = static_cast<const typedef_entry *>(element);
    if (k->hash != e->key.hash)
        return 1;
    return strcmp(k->name, e->key.name);
}

void s_free_entry(void *element)
{
    auto *entry = static_cast<typedef_entry *>(element);
    free(const_cast<char *>(entry->key.name));
    typehl_free(entry->type);
}

std::vector<hash_table *> s_typedef_scope;

typedef_entry *s_enter(const char *name)
{
    hash_table *scope = s_typedef_scope.back();
    typedef_key key = s_key(name);
    if (auto *existing = static_cast<typedef_entry *>(hash_find(scope, &key))) {
        typehl_free(existing->type);
        existing->type = nullptr;
        existing->overridden = 0;
        return existing;
    }
    key.name = hl_strdup(name);
    auto *entry = static_cast<typedef_entry *>(hash_add(scope, &key));
    if (!entry) {
        free(const_cast<char *>(key.name));
        post_error(101);
    }
    return entry;
}
} // namespace

void enter_typedef_scope()
{
    hash_table *scope = hash_create(sizeof(typedef_entry), sizeof(typedef_key), 128);
    if (!scope)
        post_error(101);
    hash_set_hash(scope, s_hash);
    hash_set_compare(scope, s_compare);
    s_typedef_scope.push_back(scope);
}

void exit_typedef_scope()
{
    if (s_typedef_scope.empty())
        return;
    hash_free(s_typedef_scope.back(), s_free_entry);
    s_typedef_scope.pop_back();
}

unsigned typedef_scope_depth()
{
    return static_cast<unsigned>(s_typedef_scope.size());
}

void unwind_typedef_scopes(unsigned depth)
{
    while (s_typedef_scope.size() > depth)
        exit_typedef_scope();
}

void free_typedef_scopes()
{
    unwind_typedef_scopes(0);
}

void s_declare_typedef(const char *name, const typehl *type)
{
    if (s_typedef_scope.empty())
        return;
    typehl *stored = typehl_copy(type);
    for (typenodehl *n = stored->head; n;) {
        typenodehl *next = n->next;
        if (n->kind == TN_TYPEDEF) {
            typehl_remove(stored, n);
            typenodehl_free(n);
        }
        n = next;
    }
    typedef_entry *entry = s_enter(name);
    entry->type = stored;
}

void override_typedef(const char *name)
{
    if (s_typedef_scope.empty())
        return;
    s_enter(name)->overridden = 1;
}

const typehl *lookup_typedef(const char *name)
{
    typedef_key key = s_key(name);
    for (auto scope = s_typedef_scope.rbegin(); scope != s_typedef_scope.rend(); ++scope) {
        if (auto *entry = static_cast<const typedef_entry *>(hash_find(*scope, &key)))
            return entry->overridden ? nullptr : entry->type;
    }
    return nullptr;
}
