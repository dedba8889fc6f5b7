// Fixed-size hash tables of fixed-size elements.  The table allocates each
// element zero-filled and hands the caller a pointer to fill in place; an
// element never moves while it is in the table.  Tables never grow.
#pragma once
#include <cstddef>

using hash_compare_fn = int (*)(const void *key, const void *element, unsigned key_size);
using hash_function_fn = unsigned (*)(const void *key, unsigned key_size);
using element_free_fn = void (*)(void *element);

struct hash_node {
    hash_node *next;
    hash_node **back; // the bucket slot or the previous node's `next`
    alignas(std::max_align_t) unsigned char element[];
};

struct hash_table {
    unsigned count;
    unsigned element_size;
    unsigned key_size; // 0 when custom functions handle the key
    unsigned bucket_count;
    hash_compare_fn compare;
    hash_function_fn hash;
    hash_node *buckets[];
};

hash_table *hash_create(unsigned element_size, unsigned key_size, unsigned bucket_count);
void hash_set_compare(hash_table *table, hash_compare_fn compare);
void hash_set_hash(hash_table *table, hash_function_fn hash);
void *hash_add(hash_table *table, const void *key);
void *hash_find(const hash_table *table, const void *key);
int hash_delete(hash_table *table, const void *key, element_free_fn free_element);
void hash_free(hash_table *table, element_free_fn free_element);

unsigned hashpjw(const void *bytes, unsigned length);
unsigned hash_string_pjw(const char *text);

// Helpers for tables whose element starts with a `const char *` key.
unsigned hash_string_key(const void *key, unsigned key_size);
int compare_string_key(const void *key, const void *element, unsigned key_size);
