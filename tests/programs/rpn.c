/* A reverse Polish calculator over a small stack of longs: tokens split
   with strtok, numbers read with strtol, stack underflow and overflow
   reported, and the results of several programs. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static long stack[8];
static int depth;
static char line[48];

static int push(long v)
{
    if (depth == 8)
        return 0;
    stack[depth++] = v;
    return 1;
}

static int run(const char *program, long *result)
{
    char *t;
    depth = 0;
    strcpy(line, program);
    for (t = strtok(line, " "); t != NULL; t = strtok(NULL, " ")) {
        char *end;
        long v = strtol(t, &end, 10);
        if (*end == '\0') {
            if (!push(v))
                return 2;
            continue;
        }
        if (t[1] != '\0')
            return 3;
        if (t[0] == 'd') {
            if (depth < 1 || !push(stack[depth - 1]))
                return 1;
            continue;
        }
        if (depth < 2)
            return 1;
        v = stack[--depth];
        switch (t[0]) {
        case '+': stack[depth - 1] += v; break;
        case '-': stack[depth - 1] -= v; break;
        case '*': stack[depth - 1] *= v; break;
        case '/': if (v == 0) return 4; stack[depth - 1] /= v; break;
        case 's': stack[depth] = stack[depth - 1]; stack[depth - 1] = v; depth++; break;
        default: return 3;
        }
    }
    if (depth != 1)
        return 5;
    *result = stack[0];
    return 0;
}

static char programs[7][24] = {
    "3 4 + 2 *", "5 1 2 + 4 * + 3 -", "2 d * d * d * d *", "1 2 3 4 5 6 7 8 9",
    "7 0 /", "10 3 s -", "-40000 -3 * 7 / 12 +",
};

int main(void)
{
    int i, failures = 0;
    long total = 0;
    for (i = 0; i < 7; i++) {
        long r = 0;
        int e = run(programs[i], &r);
        if (e != 0) {
            printf("%d: error %d\n", i, e);
            failures++;
        } else {
            printf("%d: %ld\n", i, r);
            total += r;
        }
    }
    printf("%ld\n", total);
    if (run("+", &total) != 1 || run("1 2 x", &total) != 3)
        abort();
    return failures;
}
