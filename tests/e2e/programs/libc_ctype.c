// <ctype.h> over every value from -1 (EOF) to 255: for each class a 16-bit hash of its members, for tolower and toupper a hash of every result; char arguments of both signs.
#include "../e2e.h"
#include <ctype.h>

u16 hash;

void mix(s16 value)
{
    hash = (u16)(hash * 31u + (u16)value);
}

typedef int (*classifier)(int);

classifier classes[] = {
    isalnum, isalpha, iscntrl, isdigit, isgraph, islower,
    isprint, ispunct, isspace, isupper, isxdigit
};

void main(void)
{
    u8 k;
    s16 c;
    u16 members;
    char ch;

    for (k = 0; k < sizeof classes / sizeof classes[0]; k++) {
        hash = 0;
        members = 0;
        for (c = -1; c < 256; c++) {
            if (classes[k](c)) {
                mix(c);
                members++;
            }
        }
        put16(hash);
        put8((u8)members);
    }
    hash = 0;
    for (c = -1; c < 256; c++) {
        mix((s16)tolower(c));
        mix((s16)toupper(c));
    }
    put16(hash);

    /* Through plain char: 'A' and a negative char. */
    ch = 'Q';
    put8((u8)tolower(ch));
    put8((u8)!!isupper(ch));
    ch = (char)0xC1;
    put8((u8)!!isalpha(ch));
    put8((u8)tolower(ch));
    put8((u8)!!isspace('\v'));
    put8((u8)!!isxdigit('F'));
    put8((u8)!!isxdigit('g'));
}
