// Fletcher-32 over 16-bit words and Adler-32 over bytes, with the modulus taken every word and in deferred blocks, on known strings and generated data.
#include "../e2e.h"
#include "../e2e_wide.h"

char abcde[6] = "abcde";
char abcdef[7] = "abcdef";
char abcdefgh[9] = "abcdefgh";
char wiki[10] = "Wikipedia";
u8 data[160];

/* Words are taken little-endian, as the reference check values assume. */
u32 fletcher32(u8 *p, u8 bytes)
{
    u32 sum1 = 0xFFFF, sum2 = 0xFFFF;
    u16 word;
    while (bytes) {
        word = *p++;
        if (--bytes) {
            word |= (u16)*p++ << 8;
            bytes--;
        }
        sum1 += word;
        sum1 %= 65535UL;
        sum2 += sum1;
        sum2 %= 65535UL;
    }
    return sum2 << 16 | sum1;
}

/* The same sums with the reduction deferred over blocks of 23 words, well
   below the 359 that 32 bits allow, and done by folding instead of %. */
u32 fletcher32_blocks(u8 *p, u8 bytes)
{
    u32 sum1 = 0xFFFF, sum2 = 0xFFFF;
    u16 block;
    while (bytes) {
        block = 23;
        while (block && bytes) {
            sum1 += *p++;
            if (--bytes) {
                sum1 += (u32)*p++ << 8;
                bytes--;
            }
            sum2 += sum1;
            block--;
        }
        sum1 = (sum1 & 0xFFFF) + (sum1 >> 16);
        sum2 = (sum2 & 0xFFFF) + (sum2 >> 16);
    }
    sum1 = (sum1 & 0xFFFF) + (sum1 >> 16);
    sum2 = (sum2 & 0xFFFF) + (sum2 >> 16);
    if (sum1 == 65535UL)
        sum1 = 0;
    if (sum2 == 65535UL)
        sum2 = 0;
    return sum2 << 16 | sum1;
}

u32 adler32(u8 *p, u8 n)
{
    u32 a = 1, b = 0;
    while (n--) {
        a = (a + *p++) % 65521UL;
        b = (b + a) % 65521UL;
    }
    return b << 16 | a;
}

void main(void)
{
    u8 i;
    u16 j;

    put32(fletcher32((u8 *)abcde, 5));
    put32(fletcher32((u8 *)abcdef, 6));
    put32(fletcher32((u8 *)abcdefgh, 8));
    put32(adler32((u8 *)wiki, 9));

    check = 0;
    for (j = 0; j < 160; j++)
        data[j] = (u8)(j * 73 + 5);
    for (i = 1; i <= 160; i += 17) {
        mix(fletcher32(data, i));
        mix(fletcher32(data, i) == fletcher32_blocks(data, i));
        mix(adler32(data, i));
    }
    put16(check);

    /* All-ones data drives the sums to the modulus itself. */
    for (j = 0; j < 160; j++)
        data[j] = 0xFF;
    put32(fletcher32(data, 160));
    put32(fletcher32_blocks(data, 160));
    put32(adler32(data, 160));
    put32(fletcher32(data, 0));
    put32(adler32(data, 0));
}
