/* Editing strings in place: trimming, collapsing runs of spaces, changing
   case by words, replacing every occurrence of a word found with strstr,
   and strrchr for the last path component.  ("other" holds a "the".) */
#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char text[80] = "   the  cat sat on   the mat with the other cat   ";
static char out[96];
static char path[] = "/usr/lib/vx/startup.o";

static void trim_collapse(char *s)
{
    char *w = s, *r = s;
    while (*r == ' ')
        r++;
    while (*r != '\0') {
        if (*r == ' ' && (r[1] == ' ' || r[1] == '\0')) {
            r++;
            continue;
        }
        *w++ = *r++;
    }
    *w = '\0';
}

static int replace(const char *s, const char *from, const char *to, char *dst)
{
    int count = 0;
    size_t n = strlen(from);
    const char *hit;
    *dst = '\0';
    while ((hit = strstr(s, from)) != NULL) {
        strncat(dst, s, (size_t)(hit - s));
        strcat(dst, to);
        s = hit + n;
        count++;
    }
    strcat(dst, s);
    return count;
}

static void title_case(char *s)
{
    int start = 1;
    for (; *s != '\0'; s++) {
        *s = (char)(start ? toupper((unsigned char)*s) : tolower((unsigned char)*s));
        start = *s == ' ';
    }
}

int main(void)
{
    int n;
    trim_collapse(text);
    printf("[%s] %d\n", text, (int)strlen(text));
    n = replace(text, "cat", "dog", out);
    printf("%d [%s]\n", n, out);
    n += replace(out, "the", "a", text);
    printf("%d [%s]\n", n, text);
    title_case(text);
    printf("[%s]\n", text);
    printf("%s %d\n", strrchr(path, '/') + 1, (int)(strchr(path + 1, '/') - path));
    if (strcmp(text, "A Dog Sat On A Mat With A Oar Dog") != 0)
        abort();
    return n;
}
