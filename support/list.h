// Singly linked lists of fixed-size elements, allocated zero-filled by the
// list; appending and inserting at the head are constant-time.
#pragma once
#include <cstddef>
#include "support/hash.h"

struct list_node {
    list_node *next;
    alignas(std::max_align_t) unsigned char element[];
};

struct list {
    unsigned count;
    unsigned element_size;
    list_node *head;
    list_node *tail;
};

using list_compare_fn = int (*)(const void *element, const void *key);

list *list_create(unsigned element_size);
void *list_append(list *l);
void *list_insert(list *l);
void *list_first(const list *l);
void *list_last(const list *l);
void *list_next(const void *element);
void *list_find(const list *l, const void *key, list_compare_fn compare);
void list_pop(list *l);
void list_delete(list *l, void *element);
void list_clear(list *l, element_free_fn free_element);
void list_free(list *l, element_free_fn free_element);

// In a list of single pointers, moves the node holding `value` to the tail.
void move_sym_to_end(list *l, void *value);

// Frees the string that a list element of one `char *` holds.
void s_free_object(void *element);
