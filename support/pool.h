// Records of one size taken from 2 MiB chunks that the kernel may back with
// huge pages.  A unit makes millions of small short-lived records (syntax
// nodes, IR nodes, type levels), and the first touches of fresh small pages
// otherwise cost more than the work done with them.  Freed records are
// reused; the chunks go back when the last live record is freed.
// Sanitized builds allocate every record on its own, so that a use after
// free or a leak is still seen.
#pragma once
#include <cstddef>
#include <vector>

struct record_pool {
    explicit record_pool(size_t size) : record_size(size) {}
    size_t record_size;
    std::vector<void *> chunks;
    void *free_records = nullptr; // linked through each record's first word
    char *next = nullptr;         // unused part of the newest chunk
    char *end = nullptr;
    size_t live = 0;
};

void *pool_alloc(record_pool *pool); // zero-filled; null when memory runs out
void pool_free(record_pool *pool, void *record);

template <typename T> T *pool_new(record_pool *pool) { return static_cast<T *>(pool_alloc(pool)); }
