#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "frontend/ast.h"
#include "support/hash.h"

namespace {
struct typedef_entry {
    char *name; // the key
    int overridden;
    typehl *type;
};

unsigned s_hash(const void *key, unsigned)
{
    return hash_string_pjw(*static_cast<const char *const *>(key));
}

int s_compare(const void *key, const void *element, unsigned)
{
    return strcmp(*static_cast<const char *const *>(key), static_cast<const typedef_entry *>(element)->name);
}

void s_free_entry(void *element)
{
    auto *entry = static_cast<typedef_entry *>(element);
    free(entry->name);
    typehl_free(entry->type);
}

std::vector<hash_table *> s_typedef_scope;

typedef_entry *s_enter(const char *name)
{
    hash_table *scope = s_typedef_scope.back();
    const char *key = name;
    if (auto *existing = static_cast<typedef_entry *>(hash_find(scope, &key))) {
        typehl_free(existing->type);
        existing->type = nullptr;
        existing->overridden = 0;
        return existing;
    }
    char *copy = hl_strdup(name);
    auto *entry = static_cast<typedef_entry *>(hash_add(scope, &copy));
    if (!entry) {
        free(copy);
        post_error(101);
    }
    return entry;
}
} // namespace

void enter_typedef_scope()
{
    hash_table *scope = hash_create(sizeof(typedef_entry), sizeof(char *), 128);
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
        if (n->kind == T_TYPEDEF) {
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
    const char *key = name;
    for (auto scope = s_typedef_scope.rbegin(); scope != s_typedef_scope.rend(); ++scope) {
        if (auto *entry = static_cast<const typedef_entry *>(hash_find(*scope, &key)))
            return entry->overridden ? nullptr : entry->type;
    }
    return nullptr;
}
