/* Building strings with sprintf and snprintf: truncation, the returned
   lengths, appending through an advancing pointer, and a report table
   assembled in a buffer then printed once. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char buf[96];
static char small[8];
/* Sizes the host compiler cannot see through, so that it does not warn
   about the truncation that is being tested. */
size_t room = sizeof small;
size_t one = 1;

int main(void)
{
    int n, i;
    char *p = buf;
    n = snprintf(small, room, "%d-%d", 1234, 5678);
    printf("%d [%s]\n", n, small);
    if (n != 9 || strlen(small) != 7)
        abort();
    n = snprintf(small, one, "abc");
    printf("%d [%s]\n", n, small);
    n = snprintf(small, 0, "%ld", 123456L);
    if (n != 6)
        abort();
    for (i = 0; i < 5; i++)
        p += sprintf(p, "%c%d;", 'a' + i, i * i * 7);
    printf("%s %d\n", buf, (int)(p - buf));
    n = sprintf(buf, "%5s|%-5s|%05d|%x", "ab", "cd", -42, 48879u);
    printf("%s %d\n", buf, n);
    buf[0] = '\0';
    for (i = 1; i <= 4; i++) {
        sprintf(small, "%3d%%", i * 25);
        strcat(buf, small);
    }
    printf("%s\n", buf);
    return (int)strlen(buf);
}
