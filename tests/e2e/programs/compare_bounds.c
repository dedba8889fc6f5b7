// Relational operators between 8-, 16-, 24- and 32-bit values, signed and unsigned, at each type's limits and their neighbours, and against constants.
#include "../e2e.h"
#include "../e2e_wide.h"

/* Minima are spelled as differences: the positive literal does not fit
   the type that the minimum belongs to. */
#define S16_MIN (-32767 - 1)

s8 vals_s8[6] = { -128, -127, -1, 0, 1, 127 };
u8 vals_u8[6] = { 0, 1, 127, 128, 254, 255 };
s16 vals_s16[7] = { S16_MIN, -1, 0, 1, 127, 128, 32767 };
u16 vals_u16[7] = { 0, 1, 255, 256, 32767, 32768u, 65535u };
s24 vals_s24[8] = { S24_MIN, -8388607L, -32768L, -1, 0, 32768L, 8388606L, 8388607L };
u24 vals_u24[8] = { 0, 1, 0xFFFFUL, 0x10000UL, 0x7FFFFFUL, 0x800000UL, 0xFFFFFEUL, 0xFFFFFFUL };
s32 vals_s32[9] = { S32_MIN, -2147483647L, -8388609L, -65536L, -1, 0, 65535L, 8388608L, 2147483647L };
u32 vals_u32[9] = { 0, 1, 0xFFFFUL, 0x10000UL, 0xFFFFFFUL, 0x1000000UL, 0x7FFFFFFFUL,
                    0x80000000UL, 0xFFFFFFFFUL };

/* The same six tests for every type; each relation sets its own bit of the
   result, taken as a branch condition. */
#define RELATIONS(name, type)          \
    u8 name(type a, type b)            \
    {                                  \
        u8 bits = 0;                   \
        if (a < b)                     \
            bits |= 0x01;              \
        if (a <= b)                    \
            bits |= 0x02;              \
        if (a > b)                     \
            bits |= 0x04;              \
        if (a >= b)                    \
            bits |= 0x08;              \
        if (a == b)                    \
            bits |= 0x10;              \
        if (a != b)                    \
            bits |= 0x20;              \
        return bits;                   \
    }

RELATIONS(relations_s8, s8)
RELATIONS(relations_u8, u8)
RELATIONS(relations_s16, s16)
RELATIONS(relations_u16, u16)
RELATIONS(relations_s24, s24)
RELATIONS(relations_u24, u24)
RELATIONS(relations_s32, s32)
RELATIONS(relations_u32, u32)

/* Comparisons used as values rather than as branch conditions, against
   constants at and next to the limits. */
u8 constants_s8(s8 a)
{
    return (a < 0) | ((a > -1) << 1) | ((a <= -128) << 2) | ((a >= 127) << 3) |
           ((a == -1) << 4) | ((a != 0) << 5) | ((a > -128) << 6) | ((a < 1) << 7);
}

u8 constants_u8(u8 a)
{
    return (a < 1) | ((a > 0) << 1) | ((a <= 127) << 2) | ((a >= 128) << 3) |
           ((a == 255) << 4) | ((a != 254) << 5) | ((a > 254) << 6) | ((a < 128) << 7);
}

u8 constants_s16(s16 a)
{
    return (a < 0) | ((a > -1) << 1) | ((a <= S16_MIN) << 2) | ((a >= 32767) << 3) |
           ((a == 128) << 4) | ((a != 127) << 5) | ((a > -256) << 6) | ((a < 256) << 7);
}

u8 constants_u16(u16 a)
{
    return (a < 1) | ((a > 255) << 1) | ((a <= 256) << 2) | ((a >= 32768u) << 3) |
           ((a == 65535u) << 4) | ((a != 32767) << 5) | ((a > 32767) << 6) | ((a < 0xFFFF) << 7);
}

/* The wider types' comparisons are gathered one statement at a time: a
   single expression of eight of them needs more temporaries than the
   access bank holds. */
u8 constants_s24(s24 a)
{
    u8 r = a < 0;
    r |= (a > -1) << 1;
    r |= (a <= S24_MIN) << 2;
    r |= (a >= 8388607L) << 3;
    r |= (a == 32768L) << 4;
    r |= (a != -32768L) << 5;
    r |= (a > -32769L) << 6;
    r |= (a < 8388607L) << 7;
    return r;
}

u8 constants_u24(u24 a)
{
    u8 r = a < 1;
    r |= (a > 0xFFFFUL) << 1;
    r |= (a <= 0x10000UL) << 2;
    r |= (a >= 0x800000UL) << 3;
    r |= (a == 0xFFFFFFUL) << 4;
    r |= (a != 0x7FFFFFUL) << 5;
    r |= (a > 0x7FFFFFUL) << 6;
    r |= (a < 0xFFFFFFUL) << 7;
    return r;
}

u8 constants_s32(s32 a)
{
    u8 r = a < 0;
    r |= (a > -1) << 1;
    r |= (a <= S32_MIN) << 2;
    r |= (a >= 2147483647L) << 3;
    r |= (a == -65536L) << 4;
    r |= (a != 65535L) << 5;
    r |= (a > -8388609L) << 6;
    r |= (a < 8388608L) << 7;
    return r;
}

u8 constants_u32(u32 a)
{
    u8 r = a < 1UL;
    r |= (a > 0xFFFFUL) << 1;
    r |= (a <= 0xFFFFFFUL) << 2;
    r |= (a >= 0x80000000UL) << 3;
    r |= (a == 0xFFFFFFFFUL) << 4;
    r |= (a != 0x10000UL) << 5;
    r |= (a > 0x7FFFFFFFUL) << 6;
    r |= (a < 0x1000000UL) << 7;
    return r;
}

/* Every table gives a checksum of its relation bytes, in order, and one of
   its constant bytes; a rotation keeps the order significant. */
void mix8(u8 v)
{
    check = (u16)((check << 3) | (check >> 13)) ^ v;
}

void main(void)
{
    u8 i, j;

#define TABLE(count, vals, relations, constants)           \
    check = 0;                                              \
    for (i = 0; i < count; i++)                             \
        for (j = 0; j < count; j++)                         \
            mix8(relations(vals[i], vals[j]));              \
    put16(check);                                           \
    check = 0;                                              \
    for (i = 0; i < count; i++)                             \
        mix8(constants(vals[i]));                           \
    put16(check);

    TABLE(6, vals_s8, relations_s8, constants_s8)
    TABLE(6, vals_u8, relations_u8, constants_u8)
    TABLE(7, vals_s16, relations_s16, constants_s16)
    TABLE(7, vals_u16, relations_u16, constants_u16)
    TABLE(8, vals_s24, relations_s24, constants_s24)
    TABLE(8, vals_u24, relations_u24, constants_u24)
    TABLE(9, vals_s32, relations_s32, constants_s32)
    TABLE(9, vals_u32, relations_u32, constants_u32)

    /* The pairs one apart across each signed limit, raw. */
    put8(relations_s8(vals_s8[0], vals_s8[5]));
    put8(relations_s16(vals_s16[6], vals_s16[0]));
    put8(relations_s24(vals_s24[0], vals_s24[7]));
    put8(relations_s32(vals_s32[8], vals_s32[0]));
    put8(relations_u16(vals_u16[5], vals_u16[4]));
    put8(relations_u24(vals_u24[5], vals_u24[4]));
    put8(relations_u32(vals_u32[7], vals_u32[6]));
    put8(constants_s32(vals_s32[0]));
    put8(constants_u32(vals_u32[8]));
    put8(constants_s24(vals_s24[7]));
    put8(constants_u24(vals_u24[5]));
}
