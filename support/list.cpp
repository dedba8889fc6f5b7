#include "support/list.h"

#include <cstddef>
#include <cstdlib>

#include "support/vxassert.h"

static list_node *node_of(const void *element)
{
    return reinterpret_cast<list_node *>(static_cast<unsigned char *>(const_cast<void *>(element)) -
                                         offsetof(list_node, element));
}

list *list_create(unsigned element_size)
{
    auto *l = static_cast<list *>(calloc(1, sizeof(list)));
    if (l)
        l->element_size = element_size;
    return l;
}

static list_node *new_node(const list *l) { return static_cast<list_node *>(calloc(1, sizeof(list_node) + l->element_size)); }

void *list_append(list *l)
{
    list_node *node = new_node(l);
    if (!node)
        return nullptr;
    if (l->tail)
        l->tail->next = node;
    else
        l->head = node;
    l->tail = node;
    ++l->count;
    return node->element;
}

void *list_insert(list *l)
{
    list_node *node = new_node(l);
    if (!node)
        return nullptr;
    node->next = l->head;
    l->head = node;
    if (!l->tail)
        l->tail = node;
    ++l->count;
    return node->element;
}

void *list_first(const list *l) { return l->head ? l->head->element : nullptr; }
void *list_last(const list *l) { return l->tail ? l->tail->element : nullptr; }

void *list_next(const void *element)
{
    list_node *next = node_of(element)->next;
    return next ? next->element : nullptr;
}

void *list_find(const list *l, const void *key, list_compare_fn compare)
{
    for (list_node *node = l->head; node; node = node->next)
        if (compare(node->element, key) == 0)
            return node->element;
    return nullptr;
}

void list_pop(list *l)
{
    list_node *head = l->head;
    if (!head)
        return;
    l->head = head->next;
    if (!l->head)
        l->tail = nullptr;
    --l->count;
    free(head);
}

void list_delete(list *l, void *element)
{
    list_node *target = node_of(element);
    list_node *previous = nullptr;
    for (list_node *node = l->head; node; previous = node, node = node->next) {
        if (node != target)
            continue;
        if (previous)
            previous->next = node->next;
        else
            l->head = node->next;
        if (l->tail == node)
            l->tail = previous;
        --l->count;
        free(node);
        return;
    }
}

void list_clear(list *l, element_free_fn free_element)
{
    list_node *node = l->head;
    while (node) {
        list_node *next = node->next;
        if (free_element)
            free_element(node->element);
        free(node);
        node = next;
    }
    l->head = l->tail = nullptr;
    l->count = 0;
}

void list_free(list *l, element_free_fn free_element)
{
    if (!l)
        return;
    list_clear(l, free_element);
    free(l);
}

void move_sym_to_end(list *l, void *value)
{
    VX_ASSERT(l != nullptr);
    VX_ASSERT(value != nullptr);
    list_node *previous = nullptr;
    for (list_node *node = l->head; node; previous = node, node = node->next) {
        if (*reinterpret_cast<void **>(node->element) != value)
            continue;
        if (node == l->tail)
            return;
        if (previous)
            previous->next = node->next;
        else
            l->head = node->next;
        node->next = nullptr;
        l->tail->next = node;
        l->tail = node;
        return;
    }
}

void s_free_object(void *element) { free(*static_cast<char **>(element)); }
