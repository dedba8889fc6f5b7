/* A histogram: the lengths of the words of a text counted into bins and
   drawn with '*' both across and downwards, scaled to a maximum width. */
#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>

static char text[] = "it was the best of times it was the worst of times it was the age of "
                     "wisdom it was the age of foolishness it was the epoch of belief";
static int bins[12];

int main(void)
{
    int i, len = 0, most = 0, words = 0, row;
    for (i = 0;; i++) {
        if (isalpha((unsigned char)text[i])) {
            len++;
        } else {
            if (len > 0) {
                bins[len > 11 ? 11 : len]++;
                words++;
            }
            len = 0;
            if (text[i] == '\0')
                break;
        }
    }
    for (i = 1; i < 12; i++)
        if (bins[i] > most)
            most = bins[i];
    for (i = 1; i < 12; i++) {
        int stars = (bins[i] * 20 + most - 1) / most, s;
        printf("%2d %2d |", i, bins[i]);
        for (s = 0; s < stars; s++)
            putchar('*');
        putchar('\n');
    }
    for (row = most; row > 0; row -= 2) {
        for (i = 1; i < 12; i++)
            printf("%c ", bins[i] >= row ? '*' : ' ');
        printf("\n");
    }
    for (i = 1; i < 12; i++)
        printf("%-2d", i);
    printf("\n%d words\n", words);
    if (words != 30 || bins[3] != most)
        abort();
    return most;
}
