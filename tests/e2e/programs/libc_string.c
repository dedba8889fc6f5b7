// The data-memory functions of <string.h>: copying (overlapping blocks both ways), filling, comparing as unsigned char, searching, spans and tokens, with results as offsets into the buffers.
#include "../e2e.h"
#include <string.h>

/* String literals reach data memory directly on the host and with
   --standard-c; in the default mode they are copied out of program memory
   first. */
#if defined(__VxCORE) && !defined(__STANDARD_C__)
#define TEXT(buffer, literal) strcpy_rom(buffer, literal)
#else
#define TEXT(buffer, literal) (strcpy(buffer, literal), literal)
#endif

char a[24], b[24], c[24];
u8 hash;

u8 sign(int x)
{
    return x < 0 ? 0xFF : x > 0;
}

/* An offset into one of the buffers, or 0xEE for a null pointer. */
u8 at(const char *p, const char *base)
{
    return p ? (u8)(p - base) : 0xEE;
}

void mix(const char *p, u8 n)
{
    while (n--)
        hash = (u8)(hash * 31u + (u8)*p++);
}

void main(void)
{
    u8 i;
    char *token;

    for (i = 0; i < sizeof a; i++)
        a[i] = (char)('a' + i);
    put8(at(memcpy(b, a, 10), b));
    mix(b, 24);
    memmove(a + 3, a, 12);
    mix(a, 24);
    memmove(a, a + 5, 12);
    mix(a, 24);
    put8(at(memset(c, 0x5A, 7), c));
    memset(c + 7, -1, 3);
    memset(c + 10, 0x1234, 2);
    mix(c, 12);
    memmove(c, c, 5);
    memcpy(c, a, 0);
    memset(c, 0, 0);
    mix(c, 12);
    put8(hash);

    memcpy(b, a, 10);
    put8(sign(memcmp(a, b, 10)));
    b[4] = (char)0x90;
    put8(sign(memcmp(a, b, 10)));
    put8(sign(memcmp(b, a, 10)));
    put8(sign(memcmp(a, b, 4)));
    put8(sign(memcmp(a, b, 0)));
    put8(at(memchr(b, 0x90, 10), b));
    put8(at(memchr(b, 0x90, 4), b));
    put8(at(memchr(a, 'p', 24), a));
    put8(at(memchr(a, 'q' + 256, 24), a));

    put8((u8)strlen(TEXT(a, "hello, world")));
    put8((u8)strlen(TEXT(b, "")));
    put8(at(strcpy(c, a), c));
    put8((u8)strlen(c));
    put8(at(strcat(c, TEXT(b, "!?")), c));
    put8((u8)strlen(c));
    put8((u8)c[13]);
    memset(c, 'x', sizeof c);
    put8(at(strncpy(c, TEXT(b, "abc"), 6), c));
    mix(c, 8);
    strncpy(c, a, 4);
    mix(c, 8);
    put8(hash);
    put8(at(strncat(c, TEXT(b, "12345"), 3), c));
    put8((u8)strlen(c));
    strncat(c, b, 9);
    put8((u8)strlen(c));

    put8(sign(strcmp(TEXT(a, "apple"), TEXT(b, "apple"))));
    put8(sign(strcmp(a, TEXT(b, "apples"))));
    put8(sign(strcmp(b, a)));
    put8(sign(strcmp(a, TEXT(b, "apricot"))));
    b[0] = (char)0xE1;
    put8(sign(strcmp(a, b)));
    put8(sign(strncmp(a, TEXT(b, "apricot"), 2)));
    put8(sign(strncmp(a, b, 3)));
    put8(sign(strncmp(b, a, 3)));
    put8(sign(strncmp(TEXT(b, "apple"), a, 9)));
    put8(sign(strncmp(a, TEXT(b, "zzz"), 0)));

    TEXT(a, "mississippi");
    put8(at(strchr(a, 's'), a));
    put8(at(strrchr(a, 's'), a));
    put8(at(strchr(a, 'z'), a));
    put8(at(strrchr(a, 'z'), a));
    put8(at(strchr(a, 0), a));
    put8(at(strrchr(a, 0), a));
    put8(at(strstr(a, TEXT(b, "ssip")), a));
    put8(at(strstr(a, TEXT(b, "issi")), a));
    put8(at(strstr(a, TEXT(b, "pix")), a));
    put8(at(strstr(a, TEXT(b, "")), a));
    put8(at(strstr(a, TEXT(b, "mississippis")), a));
    put8((u8)strspn(a, TEXT(b, "ims")));
    put8((u8)strspn(a, TEXT(b, "")));
    put8((u8)strcspn(a, TEXT(b, "sp")));
    put8((u8)strcspn(a, TEXT(b, "xyz")));
    put8(at(strpbrk(a, TEXT(b, "pq")), a));
    put8(at(strpbrk(a, TEXT(b, "qz")), a));

    TEXT(c, ",,one, two;;three,");
    TEXT(b, ",; ");
    for (token = strtok(c, b); token; token = strtok(NULL, b)) {
        put8(at(token, c));
        put8((u8)strlen(token));
    }
    put8(at(strtok(NULL, b), c));
    TEXT(c, " ;");
    put8(at(strtok(c, b), c));
}
