/* Roman numerals both ways: numbers from 1 to 3999 (every one up to 100,
   then a sample, to keep the run short) convert to a numeral and back,
   invalid numerals are refused, and a few are shown. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int values[13] = { 1000, 900, 500, 400, 100, 90, 50, 40, 10, 9, 5, 4, 1 };
static char symbols[13][3] = { "M", "CM", "D", "CD", "C", "XC", "L", "XL", "X", "IX", "V", "IV", "I" };
static char buf[20];
static char again[20];

static void to_roman(int n, char *out)
{
    int i;
    *out = '\0';
    for (i = 0; i < 13; i++)
        while (n >= values[i]) {
            strcat(out, symbols[i]);
            n -= values[i];
        }
}

static int digit(char c)
{
    switch (c) {
    case 'I': return 1;
    case 'V': return 5;
    case 'X': return 10;
    case 'L': return 50;
    case 'C': return 100;
    case 'D': return 500;
    case 'M': return 1000;
    default: return 0;
    }
}

/* Returns 0 for a string that is not the canonical numeral of its value. */
static int from_roman(const char *s)
{
    int total = 0, i;
    for (i = 0; s[i] != '\0'; i++) {
        int v = digit(s[i]);
        int next = digit(s[i + 1]);
        if (v == 0)
            return 0;
        total += v < next ? -v : v;
    }
    if (total <= 0 || total > 3999)
        return 0;
    to_roman(total, again);
    return strcmp(again, s) == 0 ? total : 0;
}

int main(void)
{
    int n, longest = 0, longest_n = 0;
    long sum = 0;
    for (n = 1; n < 4000; n += n < 100 ? 1 : 13) {
        int len;
        to_roman(n, buf);
        if (from_roman(buf) != n)
            abort();
        len = (int)strlen(buf);
        sum += len;
        if (len > longest) {
            longest = len;
            longest_n = n;
        }
        if (n % 11 == 0 && n % 7 == 0)
            printf("%4d %s\n", n, buf);
    }
    printf("%d %d %ld\n", longest_n, longest, sum);
    strcpy(buf, "IIII");
    n = from_roman(buf);
    strcpy(buf, "MCMXCIV");
    n += from_roman(buf);
    strcpy(buf, "IC");
    n += from_roman(buf);
    printf("%d\n", n);
    return n == 1994 ? 0 : 1;
}
