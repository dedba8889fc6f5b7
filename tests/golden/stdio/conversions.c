// printf's conversions, flags, widths, precisions and lengths, each field
// in brackets so that its padding shows.  The output is the same whether
// char arguments are passed as bytes or promoted (-Oi+).
// RUN: %vexcc --run %s > out.txt 2> /dev/null
// RUN: %FileCheck %s --match-full-lines < out.txt
// RUN: %vexcc -Oi+ --run %s > promoted.txt 2> /dev/null
// RUN: cmp out.txt promoted.txt
// In the large model, %HS takes the far pointers that the program passes.
// RUN: %vexcc -ml -DLARGE --run %s > large.txt 2> /dev/null
// RUN: cmp out.txt large.txt
#include <stdio.h>

#ifdef LARGE
#define FAR "H"
#else
#define FAR ""
#endif

char name[] = "stdio";
char empty[] = "";
const rom char motto[] = "from rom";
signed char small = -5;
unsigned char big = 250;
int negative = -1234;
signed char letter = 'A';
unsigned char high = 'B';

int main(void)
{
    printf("[%d][%i][%u][%x][%X][%o][%c][%s][%" FAR "S][%%]\n", 42, -42, 40000u, 0xbeef, 0xbeef, 8, 'z', name, motto);
    // CHECK: [42][-42][40000][beef][BEEF][10][z][stdio][from rom][%]
    printf("[%d][%d][%d][%u][%x][%o]\n", 0, -32767 - 1, 32767, 65535u, 0xffff, 0xffff);
    // CHECK-NEXT: [0][-32768][32767][65535][ffff][177777]
    printf("[%6d][%-6d][%06d][%+d][%+d][% d][% d][%+ d]\n", -42, -42, -42, 5, -5, 5, -5, 5);
    // CHECK-NEXT: [   -42][-42   ][-00042][+5][-5][ 5][-5][+5]
    printf("[%#x][%#X][%#o][%#x][%#o][%#08x][%#8o]\n", 255, 255, 8, 0, 0, 0x2a, 8);
    // CHECK-NEXT: [0xff][0XFF][010][0][0][0x00002a][     010]
    printf("[%.3d][%.0d][%5.0d][%.0u][%8.3d][%-8.3d][%08.3d][%.5x][%#.3o]\n", 7, 0, 0, 0, -7, 7, 7, 0xab, 8);
    // CHECK-NEXT: [007][][     ][][    -007][007     ][     007][000ab][010]
    printf("[%*d][%-*d][%*d][%.*d][%.*d][%*.*d]\n", 5, 1, 5, 2, -5, 3, 3, 4, -1, 5, 6, 3, 6);
    // CHECK-NEXT: [    1][2    ][3    ][004][5][   006]
    printf("[%5s][%-5s][%.3s][%5.2s][%s][%3s][%10" FAR "S][%-10.4" FAR "S]\n", name, name, name, name, empty, empty, motto, motto);
    // CHECK-NEXT: [stdio][stdio][std][   st][][   ][  from rom][from      ]
    printf("[%3c][%-3c][%c][%c]\n", 'a', 'b', letter, high);
    // CHECK-NEXT: [  a][b  ][A][B]
    printf("[%hhd][%hhu][%hhx][%hhd][%hd][%hu][%hx]\n", small, small, small, 300, negative, negative, negative);
    // CHECK-NEXT: [-5][251][fb][44][-1234][64302][fb2e]
    printf("[%ld][%ld][%lu][%lx][%lX][%lo][%+ld][%012ld]\n", 2147483647L, -2147483647L - 1, 4294967295UL,
           0xdeadbeefUL, 0xcafef00dUL, 0x80000000UL, 100000L, -123456789L);
    // CHECK-NEXT: [2147483647][-2147483648][4294967295][deadbeef][CAFEF00D][20000000000][+100000][-00123456789]
    printf("[%Hd][%Hd][%Hu][%Hx][%#Ho][%8Hd]\n", (short long)8388607L, (short long)-8388608L,
           (unsigned short long)16777215UL, (unsigned short long)0xabcdefUL, (unsigned short long)8, (short long)-70000L);
    // CHECK-NEXT: [8388607][-8388608][16777215][abcdef][010][  -70000]
    printf("[%d %c %d][%-3d|%3d]\n", small, 'q', big, 'x', 'y');
    // CHECK-NEXT: [-5 q 250][120|121]
    printf("100%% [%5%] [%y]\n");
    // CHECK-NEXT: 100% [%] [y]
    printf("[%d]", 1);
    printf("[%");
    printf("]\n");
    // CHECK-NEXT: [1][]
    return 0;
}
