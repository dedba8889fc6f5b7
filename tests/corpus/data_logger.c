/* Sample logger: a high-priority interrupt fills a ring of records in a
 * section of its own, the main loop averages them at every width, scales
 * with casts and formats a line through a function-pointer table. */
#include "vxregs.h"

#define RING 16
#define CHANNELS 3

typedef struct {
    u16 stamp;
    s16 value[CHANNELS];
    union {
        u8 raw[2];
        u16 word;
    } status;
} record_t;

#pragma udata logbuf
record_t ring[RING];
volatile u8 head, tail;
#pragma udata

s32 sums[CHANNELS];
u24 long_stamp;
float scale = 0.5;
u8 line[24];
u16 stamp;

void sample_isr(void);
#pragma interrupt sample_isr save=stamp

void sample_isr(void)
{
    record_t *r = &ring[head];
    u8 i;
    r->stamp = ++stamp;
    for (i = 0; i < CHANNELS; i++)
        r->value[i] = (s16)MAKE_WORD(ADRESH, ADRESL) - 512;
    r->status.raw[0] = PORTA;
    r->status.raw[1] = PORTB;
    head = (u8)((head + 1) % RING);
}

static u8 put_hex(u8 *out, u8 v)
{
    static const rom char digits[] = "0123456789ABCDEF";
    out[0] = digits[v >> 4];
    out[1] = digits[v & 0x0F];
    return 2;
}

static u8 put_dec(u8 *out, u8 v)
{
    u8 n = 0;
    if (v >= 100)
        out[n++] = (u8)('0' + v / 100);
    if (v >= 10)
        out[n++] = (u8)('0' + v / 10 % 10);
    out[n++] = (u8)('0' + v % 10);
    return n;
}

static u8 (*const formatters[2])(u8 *, u8) = { put_hex, put_dec };

u8 format_record(const record_t *r, u8 style)
{
    u8 *p = line;
    u8 c;
    for (c = 0; c < CHANNELS && p < line + sizeof line - 4; c++) {
        p += formatters[style & 1](p, LOW_BYTE(r->value[c]));
        *p++ = ',';
    }
    *--p = 0;
    return (u8)(p - line);
}

void drain(void)
{
    u8 c, count = 0;
    s16 avg;
    while (tail != head) {
        record_t *r = ring + tail;
        for (c = 0; c < CHANNELS; c++)
            sums[c] += r->value[c];
        long_stamp += r->stamp;
        long_stamp <<= 1;
        long_stamp |= r->status.word & 1;
        tail = (u8)((tail + 1) & (RING - 1)), count++;
        format_record(r, count & 1);
    }
    if (count == 0)
        return;
    for (c = 0; c < CHANNELS; c++) {
        avg = (s16)(sums[c] / count);
        sums[c] = 0;
        avg = (s16)((float)avg * scale);
        LATB = avg > 0 ? (u8)avg : 0;
        avg ^= 0x55;
        avg &= 0x7FFF;
        avg >>= 2;
    }
}
