#include "translate/trnalloc.h"

#include <cstdlib>
#include <cstring>

#include "driver/diag.h"
#include "support/intern.h"

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

const char *trn_intern(const char *text)
{
    const char *name = intern_name(text);
    if (text && !name)
        post_error(101);
    return name;
}
