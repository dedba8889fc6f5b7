/* A tiny calculator: expressions with + - * / % and parentheses, unary
   minus and spaces, evaluated in long by recursive descent; errors such as
   division by zero and a missing parenthesis are reported. */
// VEXCC-OPTIONS: --stack 256
#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>

static const char *pos;
static int error;

static long expr(void);

static void skip(void)
{
    while (*pos == ' ')
        pos++;
}

static long primary(void)
{
    long v = 0;
    skip();
    if (*pos == '(') {
        pos++;
        v = expr();
        skip();
        if (*pos != ')')
            error = 2;
        else
            pos++;
    } else if (*pos == '-') {
        pos++;
        v = -primary();
    } else if (isdigit((unsigned char)*pos)) {
        while (isdigit((unsigned char)*pos))
            v = v * 10 + (*pos++ - '0');
    } else {
        error = 3;
    }
    return v;
}

static long term(void)
{
    long v = primary();
    for (;;) {
        char op;
        long r;
        skip();
        op = *pos;
        if (op != '*' && op != '/' && op != '%')
            return v;
        pos++;
        r = primary();
        if (op == '*')
            v *= r;
        else if (r == 0)
            error = 1;
        else
            v = op == '/' ? v / r : v % r;
    }
}

static long expr(void)
{
    long v = term();
    for (;;) {
        skip();
        if (*pos == '+') {
            pos++;
            v += term();
        } else if (*pos == '-') {
            pos++;
            v -= term();
        } else {
            return v;
        }
    }
}

static char lines[8][28] = {
    "1 + 2 * 3", "(1 + 2) * 3", "-7 / 2 + -7 % 2", "100000 * 3 - 1",
    "2 * (3 + (4 - 1) * 5) % 7", "8 / (4 - 4)", "(1 + 2", "12 * x",
};

int main(void)
{
    int i, errors = 0;
    long sum = 0;
    for (i = 0; i < 8; i++) {
        long v;
        pos = lines[i];
        error = 0;
        v = expr();
        skip();
        if (*pos != '\0' && error == 0)
            error = 4;
        if (error) {
            errors++;
            printf("%s: error %d\n", lines[i], error);
        } else {
            sum += v;
            printf("%s = %ld\n", lines[i], v);
        }
    }
    if (sum != 7 + 9 - 4 + 299999L + 1)
        abort();
    return errors;
}
