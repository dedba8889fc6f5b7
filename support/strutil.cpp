#include "support/strutil.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "support/vxassert.h"

constexpr size_t STRCATDYN_BLOCK = 512;

char *strcatdyn(char *buffer, const char *text)
{
    if (!buffer) {
        buffer = static_cast<char *>(calloc(1, STRCATDYN_BLOCK));
        VX_ASSERT(buffer != nullptr);
    }
    size_t length = strlen(buffer);
    size_t needed = length + strlen(text) + 1;
    size_t capacity = (length / STRCATDYN_BLOCK + 1) * STRCATDYN_BLOCK;
    if (needed > capacity) {
        while (needed > capacity)
            capacity += STRCATDYN_BLOCK;
        buffer = static_cast<char *>(realloc(buffer, capacity));
        VX_ASSERT(buffer != nullptr);
    }
    memcpy(buffer + length, text, needed - length);
    return buffer;
}

char *strstrip(char *text)
{
    char *start = text;
    while (*start && isspace(static_cast<unsigned char>(*start)))
        ++start;
    size_t length = strlen(start);
    while (length > 0 && isspace(static_cast<unsigned char>(start[length - 1])))
        --length;
    memmove(text, start, length);
    text[length] = '\0';
    return text;
}

uint32_t get_float_representation(float value)
{
    uint32_t bits;
    memcpy(&bits, &value, sizeof bits);
    return bits;
}
