// String handling on char arrays with hand-written length, copy, concatenation, comparison and reversal.
// CODESIZE-EXPECT: 05 00 0D 56 FC 00 9D 45 52 4F 43
#include "bench.h"

/* String literals live in program memory on the target, where a plain
   char pointer cannot reach them, so every string is a char array in RAM. */
char hello[] = "Hello";
char suffix[] = ", VxCORE";
char help[] = "Help";
char abc[] = "abc";
char abc2[] = "abc";
char ab[] = "ab";
char empty[] = "";
char buffer[24];

u8 str_len(const char *s)
{
    const char *p = s;
    while (*p)
        p++;
    return p - s;
}

char *str_copy(char *dst, const char *src)
{
    char *d = dst;
    while ((*d++ = *src++) != 0)
        ;
    return dst;
}

void str_cat(char *dst, const char *src)
{
    str_copy(dst + str_len(dst), src);
}

s8 str_cmp(const char *a, const char *b)
{
    while (*a && *a == *b) {
        a++;
        b++;
    }
    return (s8)(*a - *b);
}

void str_reverse(char *s)
{
    char *e = s + str_len(s);
    char t;
    if (e == s)
        return;
    while (s < --e) {
        t = *s;
        *s++ = *e;
        *e = t;
    }
}

void main(void)
{
    u8 i;
    put8(str_len(hello));
    put8(str_len(empty));
    str_copy(buffer, hello);
    str_cat(buffer, suffix);
    put8(str_len(buffer));
    put8(buffer[7]);
    put8(str_cmp(hello, help));
    put8(str_cmp(abc, abc2));
    put8(str_cmp(ab, abc));
    str_reverse(buffer);
    for (i = 0; i < 4; i++)
        put8(buffer[i]);
}
