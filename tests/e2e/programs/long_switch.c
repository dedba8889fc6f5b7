// Switch statements on 32- and 24-bit values: dense runs, sparse cases that differ only in their high bytes, negative cases, fallthrough and defaults.
#include "../e2e.h"
#include "../e2e_wide.h"

u8 dense(u32 v)
{
    switch (v) {
    case 0: return 10;
    case 1: return 11;
    case 2: return 12;
    case 3: return 13;
    case 4: return 14;
    case 5: return 15;
    case 6: return 16;
    case 7: return 17;
    case 8: return 18;
    case 9: return 19;
    default: return 99;
    }
}

/* Dense values far from zero: only a subtraction of the base can bring
   them into a table. */
u8 dense_high(u32 v)
{
    switch (v) {
    case 0x12340000UL: return 1;
    case 0x12340001UL: return 2;
    case 0x12340002UL: return 3;
    case 0x12340003UL: return 4;
    case 0x12340004UL: return 5;
    case 0x12340005UL: return 6;
    default: return 0;
    }
}

/* Each case differs from another in one byte only. */
u8 sparse(u32 v)
{
    switch (v) {
    case 0x00000001UL: return 1;
    case 0x00000100UL: return 2;
    case 0x00010000UL: return 3;
    case 0x01000000UL: return 4;
    case 0x01000001UL: return 5;
    case 0x80000000UL: return 6;
    case 0xFFFFFFFFUL: return 7;
    case 0xFFFF0000UL: return 8;
    case 0x0000FFFFUL: return 9;
    case 0xDEADBEEFUL: return 10;
    default: return 0;
    }
}

u8 signed_cases(s32 v)
{
    u8 r = 0;
    switch (v) {
    case S32_MIN: r = 1; break;
    case -65536L: r = 2; break;
    case -256: r = 3; break;
    case -2: r = 4;
    /* fall through */
    case -1: r += 5; break;
    case 0: r = 6; break;
    case 32768L: r = 7; break;
    case 65535L: r = 8; break;
    case S32_MAX: r = 9; break;
    default: r = 100; break;
    }
    return r;
}

u8 small_cases(s24 v)
{
    switch (v) {
    case S24_MIN: return 1;
    case -32769L: return 2;
    case -1: return 3;
    case 0x7FFFL: return 4;
    case 0x8000L: return 5;
    case 0x10000L: return 6;
    case S24_MAX: return 7;
    default: return 0;
    }
}

u8 small_unsigned(u24 v)
{
    switch (v) {
    case 0xFFFFFFUL: return 1;
    case 0x800000UL: return 2;
    case 0xFF00UL: return 3;
    case 0x0000FFUL: return 4;
    default: return 0;
    }
}

u32 probes[22] = { 0, 5, 9, 10, 0xFFFFFFFFUL, 0xFFFFFFFEUL,
                   0x12340000UL, 0x12340005UL, 0x12340006UL, 0x1234FFFFUL, 0x02340003UL,
                   1, 0x100UL, 0x10000UL, 0x1000000UL, 0x1000001UL, 0x80000000UL,
                   0xFFFF0000UL, 0xFFFFUL, 0xDEADBEEFUL, 0xDEADBEEEUL, 0x01000100UL };
s32 sprobes[14] = { S32_MIN, S32_MIN + 1, -65536L, -65535L, -256, -2, -1, 0, 1, 32768L,
                    65535L, 65536L, S32_MAX, -16777216L };
s24 probes24[9] = { S24_MIN, -32769L, -32768L, -1, 0x7FFFL, 0x8000L, 0x10000L, S24_MAX, 0xFFFFL };
u24 uprobes24[6] = { 0xFFFFFFUL, 0x800000UL, 0xFF00UL, 0xFFUL, 0xFFFFFEUL, 0 };

void main(void)
{
    u8 i;
    u32 n;

    for (i = 0; i < 22; i++)
        put8((u8)(dense(probes[i]) + dense_high(probes[i]) * 16 + sparse(probes[i]) * 3));
    for (i = 0; i < 14; i++)
        put8(signed_cases(sprobes[i]));
    for (i = 0; i < 9; i++)
        put8(small_cases(probes24[i]));
    for (i = 0; i < 6; i++)
        put8(small_unsigned(uprobes24[i]));

    /* A sweep of the dense switch and around the far base. */
    check = 0;
    for (n = 0; n < 40; n++) {
        mix(dense(n));
        mix(dense_high(0x1233FFF0UL + n));
        mix(sparse(n << 8));
    }
    put16(check);
}
