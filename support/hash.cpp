#include "support/hash.h"

#include <cstdlib>
#include <cstring>

static int compare_bytes(const void *key, const void *element, unsigned key_size)
{
    return memcmp(key, element, key_size);
}

unsigned hashpjw(const void *bytes, unsigned length)
{
    const signed char *p = static_cast<const signed char *>(bytes);
    unsigned h = 0;
    for (unsigned i = 0; i < length; ++i)
        h = 4 * h + static_cast<unsigned>(static_cast<int>(p[i]));
    return h % 65536;
}

unsigned hash_string_pjw(const char *text) { return hashpjw(text, static_cast<unsigned>(strlen(text))); }

static unsigned hash_bytes(const void *key, unsigned key_size) { return hashpjw(key, key_size); }

unsigned hash_string_key(const void *key, unsigned)
{
    return hash_string_pjw(*static_cast<const char *const *>(key));
}

int compare_string_key(const void *key, const void *element, unsigned)
{
    return strcmp(*static_cast<const char *const *>(key), *static_cast<const char *const *>(element));
}

hash_table *hash_create(unsigned element_size, unsigned key_size, unsigned bucket_count)
{
    auto *table = static_cast<hash_table *>(calloc(1, sizeof(hash_table) + bucket_count * sizeof(hash_node *)));
    if (!table)
        return nullptr;
    table->element_size = element_size;
    table->key_size = key_size;
    table->bucket_count = bucket_count;
    table->compare = compare_bytes;
    table->hash = hash_bytes;
    return table;
}

void hash_set_compare(hash_table *table, hash_compare_fn compare) { table->compare = compare; }
void hash_set_hash(hash_table *table, hash_function_fn hash) { table->hash = hash; }

static hash_node **bucket_of(const hash_table *table, const void *key)
{
    unsigned h = table->hash(key, table->key_size) & 0xFFFF;
    return const_cast<hash_node **>(&table->buckets[h % table->bucket_count]);
}

void *hash_add(hash_table *table, const void *key)
{
    auto *node = static_cast<hash_node *>(calloc(1, sizeof(hash_node) + table->element_size));
    if (!node)
        return nullptr;
    memcpy(node->element, key, table->key_size);
    hash_node **slot = bucket_of(table, key);
    node->next = *slot;
    node->back = slot;
    if (*slot)
        (*slot)->back = &node->next;
    *slot = node;
    ++table->count;
    return node->element;
}

static hash_node *find_node(const hash_table *table, const void *key)
{
    for (hash_node *node = *bucket_of(table, key); node; node = node->next)
        if (table->compare(key, node->element, table->key_size) == 0)
            return node;
    return nullptr;
}

void *hash_find(const hash_table *table, const void *key)
{
    hash_node *node = find_node(table, key);
    return node ? node->element : nullptr;
}

int hash_delete(hash_table *table, const void *key, element_free_fn free_element)
{
    hash_node *node = find_node(table, key);
    if (!node)
        return -1;
    if (free_element)
        free_element(node->element);
    *node->back = node->next;
    if (node->next)
        node->next->back = node->back;
    free(node);
    --table->count;
    return 0;
}

void hash_free(hash_table *table, element_free_fn free_element)
{
    if (!table)
        return;
    for (unsigned b = 0; b < table->bucket_count; ++b) {
        hash_node *node = table->buckets[b];
        while (node) {
            hash_node *next = node->next;
            if (free_element)
                free_element(node->element);
            free(node);
            node = next;
        }
    }
    free(table);
}
