#include "translate/trnalloc.h"

#include <cstdlib>
#include <cstring>

#include "driver/diag.h"

void *trn_alloc(size_t size)
{
    void *memory = calloc(1, size);
    if (!memory)
        post_error(101);
    return memory;
}

char *trn_strdup(const char *text)
{
    if (!text)
        return nullptr;
    size_t length = strlen(text) + 1;
    auto *copy = static_cast<char *>(trn_alloc(length));
    memcpy(copy, text, length);
    return copy;
}
