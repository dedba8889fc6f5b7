// Recursion with struct locals and struct results, kept within the 128-byte software stack: a recursive-descent evaluator over rom expressions, divide-and-conquer minimum and maximum, Fibonacci pairs by doubling and a permutation count, each level keeping its struct across the calls below it.
#include "../e2e.h"

struct value { s16 v; u8 error; };
struct span { s16 min, max; u8 count; };
struct fib { u16 f, g; };

rom char *cursor;

struct value expression(void);

/* The cursor is left after what was read. */
struct value primary(void)
{
    struct value r;
    r.v = 0;
    r.error = 0;
    if (*cursor == '(') {
        cursor++;
        r = expression();
        if (*cursor == ')')
            cursor++;
        else
            r.error = 1;
    } else if (*cursor == '-') {
        cursor++;
        r = primary();
        r.v = (s16)-r.v;
    } else if (*cursor >= '0' && *cursor <= '9') {
        while (*cursor >= '0' && *cursor <= '9')
            r.v = (s16)(r.v * 10 + (*cursor++ - '0'));
    } else {
        r.error = 2;
    }
    return r;
}

struct value term(void)
{
    struct value left, right;
    char op;
    left = primary();
    while (!left.error && (*cursor == '*' || *cursor == '/')) {
        op = *cursor++;
        right = primary();
        left.error = right.error;
        if (op == '*')
            left.v = (s16)(left.v * right.v);
        else if (right.v == 0)
            left.error = 3;
        else
            left.v = (s16)(left.v / right.v);
    }
    return left;
}

struct value expression(void)
{
    struct value left, right;
    char op;
    left = term();
    while (!left.error && (*cursor == '+' || *cursor == '-')) {
        op = *cursor++;
        right = term();
        left.error = right.error;
        left.v = op == '+' ? (s16)(left.v + right.v) : (s16)(left.v - right.v);
    }
    return left;
}

rom char e0[] = "1+2*3";
rom char e1[] = "((3+4)*(2-7)+10)/3";
rom char e2[] = "-(-8)*((2))-(-(-3))";
rom char e3[] = "100/(5-5)";
rom char e4[] = "(1+(2*3+4*5))-99";
rom char e5[] = "7*(3+";
rom char e6[] = "250*-100/7";
rom char *rom expressions[7] = { e0, e1, e2, e3, e4, e5, e6 };

s16 samples[8] = { 5, -300, 42, 32767, -32767 - 1, 0, 19, -77 };

struct span range(s16 *a, u8 n)
{
    struct span left, right;
    if (n == 1) {
        left.min = left.max = a[0];
        left.count = 1;
        return left;
    }
    left = range(a, (u8)(n / 2));
    right = range(a + n / 2, (u8)(n - n / 2));
    if (right.min < left.min)
        left.min = right.min;
    if (right.max > left.max)
        left.max = right.max;
    left.count = (u8)(left.count + right.count);
    return left;
}

/* F(n) and F(n+1) modulo 2^16. */
struct fib fibonacci(u8 n)
{
    struct fib half, r;
    u16 a, b;
    if (n == 0) {
        r.f = 0;
        r.g = 1;
        return r;
    }
    half = fibonacci((u8)(n >> 1));
    a = half.f;
    b = half.g;
    r.f = (u16)((unsigned)a * (u16)(2u * b - a));
    r.g = (u16)((unsigned)a * a + (unsigned)b * b);
    if (n & 1) {
        a = r.f;
        r.f = r.g;
        r.g = (u16)(a + r.g);
    }
    return r;
}

struct state { u8 used; u8 last; };

/* Counts the orderings of n items in which no two neighbours differ by
   exactly one. */
u16 arrangements(struct state s, u8 depth, u8 n)
{
    struct state next;
    u8 i;
    u16 total = 0;
    if (depth == n)
        return 1;
    for (i = 0; i < n; i++) {
        if (s.used & (1 << i))
            continue;
        if (depth && (i + 1 == s.last || s.last + 1 == i))
            continue;
        next.used = (u8)(s.used | (1 << i));
        next.last = i;
        total += arrangements(next, (u8)(depth + 1), n);
    }
    return total;
}

void main(void)
{
    struct value v;
    struct span s;
    struct fib f;
    struct state start;
    u8 i;
    u16 check;

    for (i = 0; i < 7; i++) {
        cursor = expressions[i];
        v = expression();
        put16((u16)v.v);
        put8((u8)(v.error | (*cursor ? 0x10 : 0)));
    }

    s = range(samples, 8);
    put16((u16)s.min);
    put16((u16)s.max);
    put8(s.count);
    s = range(samples + 5, 3);
    put16((u16)s.min);
    put16((u16)s.max);

    check = 0;
    for (i = 0; i < 32; i += 3) {
        f = fibonacci(i);
        check = (u16)(check * 3 + f.f);
    }
    put16(check);
    f = fibonacci(24);
    put16(f.f);
    f = fibonacci(31);
    put16(f.g);

    start.used = 0;
    start.last = 0;
    for (i = 1; i <= 6; i++)
        put16(arrangements(start, 0, i));
}
