/* Dispatch through tables of function pointers: a small virtual machine
   whose opcodes are handlers in an array, and operations chosen by name
   from a table of structs. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int acc, pc, steps;
static int mem[4];

static void op_load(int arg) { acc = arg; }
static void op_add(int arg) { acc += arg; }
static void op_mul(int arg) { acc *= arg; }
static void op_store(int arg) { mem[arg & 3] = acc; }
static void op_fetch(int arg) { acc += mem[arg & 3]; }
static void op_jnz(int arg) { if (--mem[0] > 0) pc = arg - 1; }

static void (*handlers[6])(int) = { op_load, op_add, op_mul, op_store, op_fetch, op_jnz };

static unsigned char code[8][2] = {
    { 0, 5 }, { 3, 0 }, { 0, 1 }, { 3, 1 }, { 0, 0 }, { 4, 1 }, { 2, 1 }, { 5, 2 },
};

struct named {
    char name[5];
    int (*fn)(int, int);
};

static int f_max(int a, int b) { return a > b ? a : b; }
static int f_min(int a, int b) { return a < b ? a : b; }
static int f_avg(int a, int b) { return (a + b) / 2; }
static int f_dist(int a, int b) { return abs(a - b); }

static struct named ops[4] = { { "max", f_max }, { "min", f_min }, { "avg", f_avg }, { "dist", f_dist } };
static char wanted[4][5] = { "dist", "avg", "max", "min" };

int main(void)
{
    int i, total = 0;
    for (pc = 0; pc < 8; pc++) {
        handlers[code[pc][0]](code[pc][1]);
        steps++;
        if (pc == 7)
            printf("acc %d mem %d %d\n", acc, mem[0], mem[1]);
    }
    printf("%d steps, %d\n", steps, acc);
    for (i = 0; i < 4; i++) {
        int k;
        for (k = 0; k < 4 && strcmp(ops[k].name, wanted[i]) != 0; k++)
            ;
        if (k == 4)
            abort();
        printf("%s(%d,%d)=%d\n", ops[k].name, -9 * i, 7 + i, ops[k].fn(-9 * i, 7 + i));
        total += ops[k].fn(-9 * i, 7 + i);
    }
    return total & 0x7F;
}
