/* memcpy, memmove over overlapping ranges both ways, memset, memcmp
   ordering as unsigned bytes, memchr, and strncpy's padding, each checked
   against a byte-by-byte loop. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static unsigned char a[40], b[40];
static char s[16];
static char long_text[] = "truncated text";

static long sum(const unsigned char *p, int n)
{
    long t = 0;
    int i;
    for (i = 0; i < n; i++)
        t += p[i] * (i + 1);
    return t;
}

int main(void)
{
    int i;
    unsigned char *hit;
    for (i = 0; i < 40; i++)
        a[i] = (unsigned char)(i * 7 + 1);
    memcpy(b, a, 40);
    if (memcmp(a, b, 40) != 0)
        abort();
    memmove(a + 5, a, 20);
    for (i = 0; i < 20; i++)
        if (a[i + 5] != b[i])
            abort();
    memcpy(a, b, 40);
    a[3] = 0x7F;
    b[3] = 0x80;
    printf("%d %d %d\n", memcmp(a, b, 4) < 0, memcmp(b, a, 4) > 0, memcmp(a, b, 3) == 0);
    memmove(a, a + 7, 30);
    for (i = 0; i < 30; i++)
        if (a[i] != b[i + 7])
            abort();
    printf("%ld %ld\n", sum(a, 40), sum(b, 40));
    memset(a + 10, 0xEE, 15);
    printf("%d %d %d\n", a[9], a[10], a[24]);
    hit = memchr(b, 0xE6, 40);
    printf("%d %d\n", hit ? (int)(hit - b) : -1, memchr(b, 2, 40) == NULL);
    memset(s, 'x', sizeof s);
    strncpy(s, "vx", 6);
    printf("%d %d %d %c\n", s[1], s[2], s[5], s[6]);
    strncpy(s, long_text, (size_t)(a[0] - a[0] + 5));
    printf("%.5s%c\n", s, s[5]);
    return (int)(sum(a, 10) & 0x7F);
}
