/* Anagram groups: words are keyed by their sorted letters, the keys sorted
   with qsort, and the groups of words sharing a key printed. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define WORDS 12

static char words[WORDS][8] = { "listen", "google", "silent", "enlist", "inlets", "banana",
                                "rat", "tar", "art", "elgoog", "stone", "tones" };
static char keys[WORDS][8];
static unsigned char order[WORDS];

static int by_char(const void *a, const void *b)
{
    return *(const char *)a - *(const char *)b;
}

static int by_key(const void *a, const void *b)
{
    unsigned char x = *(const unsigned char *)a, y = *(const unsigned char *)b;
    int c = strcmp(keys[x], keys[y]);
    return c != 0 ? c : strcmp(words[x], words[y]);
}

int main(void)
{
    int i, groups = 0, largest = 0, size = 0;
    for (i = 0; i < WORDS; i++) {
        strcpy(keys[i], words[i]);
        qsort(keys[i], strlen(keys[i]), 1, by_char);
        order[i] = (unsigned char)i;
    }
    qsort(order, WORDS, 1, by_key);
    for (i = 0; i < WORDS; i++) {
        int w = order[i];
        if (i == 0 || strcmp(keys[w], keys[order[i - 1]]) != 0) {
            if (i > 0)
                printf("\n");
            printf("%s:", keys[w]);
            groups++;
            size = 0;
        }
        printf(" %s", words[w]);
        if (++size > largest)
            largest = size;
    }
    printf("\n%d groups, largest %d\n", groups, largest);
    if (groups != 5 || largest != 4)
        abort();
    return groups;
}
