// VEXC-OPTIONS: -scs
// A program compiled with static locals calls the library, whose parameters are declared auto, and passes qsort and bsearch a comparison function that declares its own parameters auto.
#include "../e2e.h"
#include <ctype.h>
#include <stdlib.h>
#include <string.h>

#ifdef __VxCORE
#define TEXT(buffer, literal) strcpy_rom(buffer, literal)
#else
#define auto
#define TEXT(buffer, literal) strcpy(buffer, literal)
#endif

char a[16], b[16];
u8 values[12] = { 9, 200, 3, 3, 77, 0, 255, 128, 1, 64, 65, 2 };

int compare_u8(auto const void *x, auto const void *y)
{
    return (int)*(const u8 *)x - (int)*(const u8 *)y;
}

void main(void)
{
    u8 i;
    u8 key = 77;
    u8 *found;
    char *end;

    TEXT(a, "  -1234;x");
    put16((u16)atoi(a));
    put16((u16)strtol(a, &end, 10));
    put8((u8)(end - a));
    put8((u8)strcspn(a, TEXT(b, ";")));
    put8((u8)strlen(strcat(a, TEXT(b, "yz"))));
    put8((u8)toupper(a[8]));
    qsort(values, sizeof values, 1, compare_u8);
    for (i = 0; i < sizeof values; i++)
        put8(values[i]);
    found = (u8 *)bsearch(&key, values, sizeof values, 1, compare_u8);
    put8(found ? (u8)(found - values) : 0xEE);
}
