/* printf of ints: widths, precision, padding, signs, hexadecimal and octal,
   the alternate forms, and * widths, checked against sprintf lengths. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int values[] = { 0, 1, -1, 42, -42, 255, 1000, -32767, 32767, 4096 };
static char buf[40];

int main(void)
{
    int i;
    int total = 0;
    int n;
    for (i = 0; i < 10; i++) {
        int v = values[i];
        unsigned u = (unsigned)v & 0x7FFFu;
        printf("[%6d|%-6d|%06d|%+d|% d|%.4d]\n", v, v, v, v, v, v);
        printf("[%x|%4X|%#x|%o|%#o|%u]\n", u, u, u, u, u, u);
        n = sprintf(buf, "%*d|%-*d|", 7, v, i, v);
        if (n != (int)strlen(buf) || strchr(buf, '|') != buf + 7 || buf[n - 1] != '|')
            abort();
        total += n;
    }
    printf("%d\n", total);
    printf("%c%c%c|%5c|%-3c|%%\n", 'a', 'B', '0' + 7, 'x', 'y');
    printf("%s|%8s|%-8s|%.3s|%8.2s|\n", "vx", "core", "left", "truncate", "ab");
    printf("%hd %hu %hhd %hhu\n", (short)-5, (unsigned short)65000u, (signed char)-3, (unsigned char)200);
    return total & 0x7F;
}
