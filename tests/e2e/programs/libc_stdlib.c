// <stdlib.h>: abs, labs, div and ldiv with every sign, atoi and atol, strtol and strtoul in several bases with prefixes, signs, overflow and the end pointer, qsort of ints and of records, bsearch, and rand's range and repeatability.
#include "../e2e.h"
#include "../e2e_wide.h"
#include <stdlib.h>
#include <string.h>

#if defined(__VxCORE) && !defined(__STANDARD_C__)
#define TEXT(literal) strcpy_rom(text, literal)
#else
#define TEXT(literal) strcpy(text, literal)
#endif

#ifndef __VxCORE
/* The host's long has 64 bits: its conversions are brought to the range
   of the target's 32-bit long, where they saturate. */
long strtol32(const char *s, char **end, int base)
{
    long long value = strtoll(s, end, base);

    return value > 2147483647 ? 2147483647 : value < -2147483647 - 1 ? -2147483647 - 1 : (long)value;
}

unsigned long strtoul32(const char *s, char **end, int base)
{
    unsigned long long value = strtoull(s, end, base);
    unsigned long long magnitude;
    const char *p = s;

    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        p++;
    magnitude = *p == '-' ? 0 - value : value;
    if (magnitude > 0xFFFFFFFFu)
        return 0xFFFFFFFFu;
    return (unsigned long)(u32)value;
}
#define strtol strtol32
#define strtoul strtoul32
#endif

char text[24];
u16 hash;

void mix16(u16 value)
{
    hash = (u16)(hash * 31u + value);
}

void mix32(u32 value)
{
    mix16((u16)value);
    mix16((u16)(value >> 16));
}

/* The result and how far the end pointer went. */
void to_long(int base)
{
    char *end;
    long value = strtol(text, &end, base);

    mix32((u32)value);
    mix16((u16)(end - text));
}

void to_unsigned(int base)
{
    char *end;
    u32 value = strtoul(text, &end, base);

    mix32(value);
    mix16((u16)(end - text));
}

int compare_s16(const void *a, const void *b)
{
    s16 x = *(const s16 *)a;
    s16 y = *(const s16 *)b;

    return x < y ? -1 : x > y;
}

struct record {
    u8 tag;
    u32 key;
};

int compare_record(const void *a, const void *b)
{
    u32 x = ((const struct record *)a)->key;
    u32 y = ((const struct record *)b)->key;

    return x < y ? -1 : x > y;
}

s16 numbers[23];
struct record records[9];

void main(void)
{
    div_t d;
    ldiv_t ld;
    s16 key;
    s16 *found;
    u8 i, ok;
    u16 first[4];
    u16 seen;
    long r;

    put16((u16)abs(-1234));
    put16((u16)abs(77));
    put16((u16)abs(-32767));
    mix32((u32)labs(-100000L));
    mix32((u32)labs(2147483647L));
    mix32((u32)labs(-5L));
    d = div(-17, 5);
    mix16((u16)d.quot); mix16((u16)d.rem);
    d = div(17, -5);
    mix16((u16)d.quot); mix16((u16)d.rem);
    d = div(-32767, 1000);
    mix16((u16)d.quot); mix16((u16)d.rem);
    ld = ldiv(-1000003L, 1000L);
    mix32((u32)ld.quot); mix32((u32)ld.rem);
    ld = ldiv(123456789L, -10L);
    mix32((u32)ld.quot); mix32((u32)ld.rem);
    put16(hash);

    hash = 0;
    mix16((u16)atoi(TEXT("  -32768x")));
    mix16((u16)atoi(TEXT("\t\n+32767")));
    mix16((u16)atoi(TEXT("12ab")));
    mix16((u16)atoi(TEXT("- 5")));
    mix16((u16)atoi(TEXT("")));
    mix32((u32)atol(TEXT(" -2147483648")));
    mix32((u32)atol(TEXT("99999")));
    put16(hash);

    hash = 0;
    TEXT("  -0x1fZ"); to_long(0); to_long(16); to_long(10); to_long(8);
    TEXT("0777"); to_long(0); to_long(10);
    TEXT("0x"); to_long(0); to_long(16);
    TEXT("0xg"); to_long(16);
    TEXT("zz"); to_long(36); to_long(35);
    TEXT("101012"); to_long(2);
    TEXT("2147483647"); to_long(10);
    TEXT("2147483648"); to_long(10);
    TEXT("-2147483648"); to_long(10);
    TEXT("-2147483649"); to_long(10);
    TEXT("99999999999999"); to_long(0);
    TEXT(" + 1"); to_long(10);
    TEXT("-"); to_long(10);
    put16(hash);

    hash = 0;
    TEXT("4294967295"); to_unsigned(10);
    TEXT("4294967296"); to_unsigned(10);
    TEXT("-1"); to_unsigned(10);
    TEXT("-4294967295"); to_unsigned(0);
    TEXT("-4294967296"); to_unsigned(0);
    TEXT("0XfFfFfFfF"); to_unsigned(0);
    TEXT("1ffffffff"); to_unsigned(16);
    TEXT("  +0123"); to_unsigned(0);
    TEXT("Zz9"); to_unsigned(36);
    TEXT("12"); to_unsigned(3);
    put16(hash);

    for (i = 0; i < 23; i++)
        numbers[i] = (s16)((u16)(i * 7919u) ^ 0x5A5Au);
    numbers[5] = numbers[17];
    numbers[9] = (-32767 - 1);
    numbers[11] = 32767;
    qsort(numbers, 23, sizeof numbers[0], compare_s16);
    hash = 0;
    ok = 1;
    for (i = 0; i < 23; i++) {
        mix16((u16)numbers[i]);
        if (i && numbers[i - 1] > numbers[i])
            ok = 0;
    }
    put16(hash);
    put8(ok);
    qsort(numbers, 0, sizeof numbers[0], compare_s16);
    qsort(numbers, 1, sizeof numbers[0], compare_s16);
    put16((u16)numbers[0]);

    /* Among equal keys, any one may be found: the first one stands for it. */
    for (i = 0; i < 23; i++) {
        key = numbers[i];
        found = (s16 *)bsearch(&key, numbers, 23, sizeof numbers[0], compare_s16);
        while (found && found > numbers && found[-1] == key)
            found--;
        put8(found ? (u8)(found - numbers) : 0xEE);
    }
    key = 0;
    found = (s16 *)bsearch(&key, numbers, 23, sizeof numbers[0], compare_s16);
    put8(found ? (u8)(found - numbers) : 0xEE);
    key = 32767;
    found = (s16 *)bsearch(&key, numbers, 0, sizeof numbers[0], compare_s16);
    put8(found ? (u8)(found - numbers) : 0xEE);

    for (i = 0; i < 9; i++) {
        records[i].tag = i;
        records[i].key = (u32)(8 - i) * 0x01010101uL;
    }
    qsort(records, 9, sizeof records[0], compare_record);
    for (i = 0; i < 9; i++)
        put8(records[i].tag);

    /* Values stay in 0..RAND_MAX and reach its top and bottom bits, the default sequence is the one of
       srand(1), and a seed repeats its sequence. */
    ok = 1;
    for (i = 0; i < 4; i++)
        first[i] = (u16)rand();
    srand(1);
    for (i = 0; i < 4; i++)
        if ((u16)rand() != first[i])
            ok = 0;
    srand(12345u);
    first[0] = (u16)rand();
    seen = 0;
    for (i = 0; i < 200; i++) {
        r = rand();
        if (r < 0 || r > RAND_MAX)
            ok = 0;
        seen |= (u16)r;
    }
    if ((seen & 0x4001u) != 0x4001u)
        ok = 0;
    srand(12345u);
    if ((u16)rand() != first[0])
        ok = 0;
    put8(ok);
}
