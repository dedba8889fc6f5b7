// snprintf with buffers too small, exact and of size one: the results count the whole text, the buffer keeps what fits and its terminator.
#include <stdio.h>
#include "../e2e.h"

char buf[12];
char word[] = "abcdef";
/* Sizes in a variable, so that the host compiler does not warn of the
   truncation that the program is about. */
u8 size[3] = { 4, 7, 1 };

static void emit(int n)
{
    u8 i;

    put8((u8)n);
    for (i = 0; i < sizeof buf; i++)
        put8((u8)buf[i]);
    for (i = 0; i < sizeof buf; i++)
        buf[i] = '#';
}

void main(void)
{
    emit(snprintf(buf, size[0], "%s", word));
    emit(snprintf(buf, size[1], "%-8.3s|", word));
    emit(snprintf(buf, size[2], "%d", (s16)-5));
    emit(snprintf(buf, sizeof buf, "%#o%%%4x", (u16)8, (u16)255));
}
