// The <string.h> functions that read strings and blocks in program memory: copying, appending, comparing (as unsigned char) and searching, with literals and rom arrays as operands.
#include "../e2e.h"
#include <string.h>

#ifndef __VxCORE
/* The host has one memory, where the rom functions are the plain ones. */
#define strcpy_rom strcpy
#define strncpy_rom strncpy
#define strcat_rom strcat
#define memcpy_rom memcpy
#define strcmp_rom strcmp
#define strncmp_rom strncmp
#define memcmp_rom memcmp
#define strlen_rom strlen
#define strchr_rom strchr
#define strstr_rom strstr
#endif

rom char greeting[] = "hello, world";
rom char empty[] = "";
rom unsigned char bytes[] = { 1, 2, 0x80, 0xFF, 0, 7 };
rom char high[] = "ab\xE1";

char a[20], b[20];

u8 sign(int x)
{
    return x < 0 ? 0xFF : x > 0;
}

u8 at(const char *p, const char *base)
{
    return p ? (u8)(p - base) : 0xEE;
}

u8 at_rom(const rom char *p, const rom char *base)
{
    return p ? (u8)(p - base) : 0xEE;
}

void main(void)
{
    u8 i;

    put8((u8)strlen_rom(greeting));
    put8((u8)strlen_rom(empty));
    put8((u8)strlen_rom("literal text"));

    memset(a, 'x', sizeof a);
    put8(at(strcpy_rom(a, greeting), a));
    put8((u8)strlen(a));
    put8((u8)a[13]);
    put8(at(strcat_rom(a, "!!"), a));
    put8((u8)strlen(a));
    strcpy_rom(a, empty);
    put8((u8)strlen(a));
    put8((u8)a[1]);

    memset(b, 'x', sizeof b);
    put8(at(strncpy_rom(b, "abc", 6), b));
    put8((u8)(b[2] + b[3] + b[5] + b[6]));
    strncpy_rom(b, greeting, 4);
    put8((u8)(b[3] + b[4]));
    put8(at(memcpy_rom(b, bytes, 6), b));
    for (i = 0; i < 6; i++)
        put8((u8)b[i]);

    strcpy_rom(a, greeting);
    put8(sign(strcmp_rom(a, greeting)));
    put8(sign(strcmp_rom(a, "hello")));
    put8(sign(strcmp_rom(a, "hello, worlds")));
    put8(sign(strcmp_rom(a, "help")));
    put8(sign(strcmp_rom(a, high)));
    put8(sign(strcmp_rom(a, empty)));
    put8(sign(strncmp_rom(a, "help", 3)));
    put8(sign(strncmp_rom(a, "help", 4)));
    put8(sign(strncmp_rom(a, "hello, world", 40)));
    put8(sign(strncmp_rom(a, high, 0)));
    memcpy_rom(b, bytes, 6);
    put8(sign(memcmp_rom(b, bytes, 6)));
    b[3] = 0x7F;
    put8(sign(memcmp_rom(b, bytes, 6)));
    put8(sign(memcmp_rom(b, bytes, 3)));
    b[2] = (char)0x81;
    put8(sign(memcmp_rom(b, bytes, 3)));

    put8(at_rom(strchr_rom(greeting, 'o'), greeting));
    put8(at_rom(strchr_rom(greeting, 'z'), greeting));
    put8(at_rom(strchr_rom(greeting, 0), greeting));
    put8(at_rom(strchr_rom(high, 0xE1), high));
    put8(at_rom(strchr_rom(high, -31), high));
    put8(at(strstr_rom(a, "world"), a));
    put8(at(strstr_rom(a, "worlds"), a));
    put8(at(strstr_rom(a, "l"), a));
    put8(at(strstr_rom(a, ""), a));
    put8(at(strstr_rom(a, greeting), a));
}
