#include "support/pool.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool s_pooled = false;
#elif defined(__has_feature)
constexpr bool s_pooled = !__has_feature(address_sanitizer);
#else
constexpr bool s_pooled = true;
#endif

constexpr size_t s_chunk_bytes = size_t{2} << 20;

size_t s_slot_size(const record_pool *pool)
{
    constexpr size_t align = alignof(std::max_align_t);
    size_t size = pool->record_size < sizeof(void *) ? sizeof(void *) : pool->record_size;
    return (size + align - 1) / align * align;
}

// A chunk aligned to its own size, so that the kernel can map it with one
// huge page; fresh anonymous memory is zero already.
void *s_map_chunk()
{
    void *mapped = mmap(nullptr, 2 * s_chunk_bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    auto start = reinterpret_cast<uintptr_t>(mapped);
    uintptr_t aligned = (start + s_chunk_bytes - 1) & ~(s_chunk_bytes - 1);
    if (aligned > start)
        munmap(mapped, aligned - start);
    uintptr_t tail = start + 2 * s_chunk_bytes - (aligned + s_chunk_bytes);
    if (tail > 0)
        munmap(reinterpret_cast<void *>(aligned + s_chunk_bytes), tail);
    auto *chunk = reinterpret_cast<void *>(aligned);
    madvise(chunk, s_chunk_bytes, MADV_HUGEPAGE);
    return chunk;
}

void s_release_chunks(record_pool *pool)
{
    for (void *chunk : pool->chunks)
        munmap(chunk, s_chunk_bytes);
    pool->chunks.clear();
    pool->chunks.shrink_to_fit();
    pool->free_records = nullptr;
    pool->next = pool->end = nullptr;
}

} // namespace

void *pool_alloc(record_pool *pool)
{
    if (!s_pooled)
        return calloc(1, pool->record_size);
    size_t slot = s_slot_size(pool);
    void *record = pool->free_records;
    if (record) {
        pool->free_records = *static_cast<void **>(record);
        memset(record, 0, slot);
    } else {
        if (pool->end - pool->next < static_cast<ptrdiff_t>(slot)) {
            void *chunk = s_map_chunk();
            if (!chunk)
                return nullptr;
            pool->chunks.push_back(chunk);
            pool->next = static_cast<char *>(chunk);
            pool->end = pool->next + s_chunk_bytes;
        }
        record = pool->next;
        pool->next += slot;
    }
    ++pool->live;
    return record;
}

void pool_free(record_pool *pool, void *record)
{
    if (!record)
        return;
    if (!s_pooled) {
        free(record);
        return;
    }
    *static_cast<void **>(record) = pool->free_records;
    pool->free_records = record;
    if (--pool->live == 0)
        s_release_chunks(pool);
}
