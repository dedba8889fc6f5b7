/* Splitting lines into fields with strtok, strspn, strcspn and strpbrk,
   and summing the numeric fields. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char line[] = "  alpha, beta;;gamma 42,7 ;-13,delta  ";
static char copy[48];
static char *fields[12];

int main(void)
{
    int n = 0, sum = 0, i;
    char *t;
    strcpy(copy, line);
    for (t = strtok(copy, " ,;"); t != NULL; t = strtok(NULL, " ,;"))
        fields[n++] = t;
    for (i = 0; i < n; i++) {
        int digits = (int)strspn(fields[i] + (fields[i][0] == '-'), "0123456789");
        printf("%d:%s:%d\n", i, fields[i], digits);
        if (digits > 0)
            sum += atoi(fields[i]);
    }
    printf("%d %d\n", n, sum);
    if (n != 7 || sum != 36)
        abort();
    /* The same fields by hand, in the untouched line: runs of delimiters
       and of non-delimiters. */
    t = line;
    n = 0;
    while (*t != '\0') {
        t += strspn(t, " ,;");
        if (*t == '\0')
            break;
        i = (int)strcspn(t, " ,;");
        if (strncmp(t, fields[n], (size_t)i) != 0 || fields[n][i] != '\0')
            abort();
        n++;
        t += i;
    }
    t = strpbrk(line, ";");
    printf("%d %d\n", n, (int)(t - line));
    t = strpbrk(line, "xyz");
    return t == NULL ? 0 : 1;
}
