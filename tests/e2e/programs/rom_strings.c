// Strings in program memory read byte by byte through rom char pointers: length, comparison, character and substring search, copying into RAM, comparing RAM with rom, literals passed directly, and sorting an array of rom strings.
#include "../e2e.h"

rom char greeting[] = "hello, world";
rom char empty[] = "";
rom char alphabet[27] = "abcdefghijklmnopqrstuvwxyz";
rom char vowels[] = "aeiou";

rom char w0[] = "pear";
rom char w1[] = "apple";
rom char w2[] = "peach";
rom char w3[] = "fig";
rom char w4[] = "apricot";
rom char w5[] = "pea";

#define WORDS 6

rom char *rom words[WORDS] = { w0, w1, w2, w3, w4, w5 };

u8 rlen(rom char *s)
{
    u8 n = 0;
    while (*s++)
        n++;
    return n;
}

s8 rcmp(rom char *a, rom char *b)
{
    while (*a && *a == *b) {
        a++;
        b++;
    }
    if ((u8)*a < (u8)*b)
        return -1;
    return (u8)*a > (u8)*b;
}

/* 0xFF when absent. */
u8 rfind(rom char *s, char c)
{
    u8 i;
    for (i = 0; s[i]; i++)
        if (s[i] == c)
            return i;
    return 0xFF;
}

u8 rsearch(rom char *hay, rom char *needle)
{
    u8 i, j;
    for (i = 0; hay[i]; i++) {
        for (j = 0; needle[j] && hay[i + j] == needle[j]; j++)
            ;
        if (!needle[j])
            return i;
    }
    return 0xFF;
}

u8 rcopy(char *dst, rom char *src, u8 room)
{
    u8 n = 0;
    while (n + 1 < room && src[n]) {
        dst[n] = src[n];
        n++;
    }
    dst[n] = 0;
    return n;
}

s8 ram_rom_cmp(char *a, rom char *b)
{
    while (*a && *a == *b) {
        a++;
        b++;
    }
    return (s8)(*a - *b);
}

u8 count_in(rom char *s, rom char *set)
{
    u8 n = 0;
    for (; *s; s++)
        if (rfind(set, *s) != 0xFF)
            n++;
    return n;
}

void main(void)
{
    char buffer[10];
    rom char *order[WORDS];
    rom char *t;
    rom char *p;
    u8 i, j, n;
    u16 check;

    put8(rlen(greeting));
    put8(rlen(empty));
    put8(rlen(alphabet));
    put8(rlen("literal text"));
    put8((u8)greeting[4]);
    put8((u8)alphabet[25]);

    put8(rfind(greeting, 'w'));
    put8(rfind(greeting, 'z'));
    put8(rfind(alphabet, 'q'));
    put8(rsearch(greeting, "world"));
    put8(rsearch(greeting, "worm"));
    put8(rsearch(alphabet, "xyz"));
    put8(rsearch(empty, "a"));
    put8(count_in(greeting, vowels));
    put8(count_in(alphabet, "xyzq"));

    n = rcopy(buffer, greeting, sizeof buffer);
    put8(n);
    put8((u8)buffer[8]);
    put8((u8)buffer[9]);
    put8((u8)ram_rom_cmp(buffer, "hello, wo"));
    buffer[3] = 'p';
    put8((u8)ram_rom_cmp(buffer, greeting));
    n = rcopy(buffer, w3, sizeof buffer);
    put8((u8)ram_rom_cmp(buffer, words[3]));

    for (i = 0; i < WORDS; i++)
        order[i] = words[i];
    for (i = 1; i < WORDS; i++) {
        t = order[i];
        for (j = i; j > 0 && rcmp(order[j - 1], t) > 0; j--)
            order[j] = order[j - 1];
        order[j] = t;
    }
    check = 0;
    for (i = 0; i < WORDS; i++) {
        for (j = 0; j < WORDS; j++)
            if (order[i] == words[j])
                put8(j);
        check = (u16)(check * 5 + rlen(order[i]));
    }
    put16(check);
    put8((u8)rcmp(w5, w2));
    put8((u8)rcmp(w2, w5));
    put8((u8)rcmp(w0, w0));
    put8((u8)rcmp(empty, w3));

    check = 0;
    p = alphabet + 26;
    while (p != alphabet) {
        p--;
        check = (u16)(check * 3 + (u8)*p);
    }
    put16(check);
    p = greeting + rfind(greeting, ',');
    put8((u8)(p - greeting));
    put8((u8)p[2]);
}
