/* Date arithmetic: leap years, days in months, the day of the week by
   Zeller's congruence checked against a day count from 1 January 1900,
   days between dates, and a calendar of one month. */
#include <stdio.h>
#include <stdlib.h>

static unsigned char month_days[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
static char names[7][4] = { "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun" };

static int leap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

static int days_in(int y, int m)
{
    return m == 2 && leap(y) ? 29 : month_days[m - 1];
}

/* 0 for Monday. */
static int zeller(int y, int m, int d)
{
    int k, j, h;
    if (m < 3) {
        m += 12;
        y--;
    }
    k = y % 100;
    j = y / 100;
    h = (d + 13 * (m + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;
    return (h + 5) % 7;
}

static long day_number(int y, int m, int d)
{
    long n = 0;
    int i;
    for (i = 1900; i < y; i++)
        n += leap(i) ? 366 : 365;
    for (i = 1; i < m; i++)
        n += days_in(y, i);
    return n + d - 1;
}

/* The same count kept up month by month, for the long loop. */
static long running;

int main(void)
{
    int y, leaps = 0, fridays13 = 0, d, first;
    for (y = 1900; y <= 2100; y++) {
        int m;
        leaps += leap(y);
        for (m = 1; m <= 12; m++) {
            int w = zeller(y, m, 13);
            if (w != (int)((running + 12) % 7))
                abort();
            fridays13 += w == 4;
            running += days_in(y, m);
        }
    }
    if (running != day_number(2100, 12, 31) + 1)
        abort();
    printf("%d %d\n", leaps, fridays13);
    printf("%s %s %s\n", names[zeller(2000, 1, 1)], names[zeller(2024, 2, 29)], names[zeller(1969, 7, 20)]);
    printf("%ld %ld\n", day_number(2000, 1, 1) - day_number(1970, 1, 1), day_number(2038, 1, 19));
    first = zeller(2026, 2, 1);
    for (d = 0; d < 7; d++)
        printf("%.2s ", names[d]);
    printf("\n");
    for (d = 0; d < first; d++)
        printf("   ");
    for (d = 1; d <= days_in(2026, 2); d++)
        printf("%2d%c", d, (first + d) % 7 == 0 ? '\n' : ' ');
    printf("\n");
    return fridays13 & 0xFF;
}
