/* Caesar and ROT13 ciphers keeping case and punctuation, a Vigenere
   cipher, and breaking a Caesar shift by letter frequencies. */
#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char plain[] = "Meet me at the old mill at seven; bring the lantern and the rope!";
static char work[72];
static char key[] = "tarn";

static void shift(char *s, int k)
{
    for (; *s != '\0'; s++) {
        if (isupper((unsigned char)*s))
            *s = (char)('A' + (*s - 'A' + k + 26) % 26);
        else if (islower((unsigned char)*s))
            *s = (char)('a' + (*s - 'a' + k + 26) % 26);
    }
}

static void vigenere(char *s, int sign)
{
    int j = 0;
    for (; *s != '\0'; s++)
        if (isalpha((unsigned char)*s)) {
            int k = key[j++ % 4] - 'a';
            char base = isupper((unsigned char)*s) ? 'A' : 'a';
            *s = (char)(base + (*s - base + sign * k + 26) % 26);
        }
}

static int guess_shift(const char *s)
{
    int counts[26], i, best = 0;
    memset(counts, 0, sizeof counts);
    for (; *s != '\0'; s++)
        if (isalpha((unsigned char)*s))
            counts[tolower((unsigned char)*s) - 'a']++;
    for (i = 1; i < 26; i++)
        if (counts[i] > counts[best])
            best = i;
    /* The commonest letter is taken to be an 'e'. */
    return (best - ('e' - 'a') + 26) % 26;
}

int main(void)
{
    int k;
    strcpy(work, plain);
    shift(work, 13);
    printf("%s\n", work);
    shift(work, 13);
    if (strcmp(work, plain) != 0)
        abort();
    shift(work, 7);
    printf("%s\n", work);
    k = guess_shift(work);
    shift(work, -k);
    printf("%d %d\n", k, strcmp(work, plain) == 0);
    strcpy(work, plain);
    vigenere(work, 1);
    printf("%s\n", work);
    vigenere(work, -1);
    if (strcmp(work, plain) != 0)
        abort();
    return k;
}
