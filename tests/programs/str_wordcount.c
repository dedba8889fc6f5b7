/* Counting characters, words, lines and letter classes of a text, and the
   longest word, with the character classes of <ctype.h>. */
#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char text[] = "The quick brown fox\njumps over  the lazy dog.\n"
                     "\tPack my box with five dozen liquor jugs!\n"
                     "How vexingly quick daft zebras jump 123 times?\n";
static int letters[26];

int main(void)
{
    int chars = 0, words = 0, lines = 0, upper = 0, digits = 0, spaces = 0, punct = 0;
    int in_word = 0, len = 0, longest = 0, longest_at = 0, start = 0;
    int i;
    for (i = 0; text[i] != '\0'; i++) {
        unsigned char c = (unsigned char)text[i];
        chars++;
        if (c == '\n')
            lines++;
        if (isupper(c))
            upper++;
        if (isdigit(c))
            digits++;
        if (isspace(c))
            spaces++;
        if (ispunct(c))
            punct++;
        if (isalpha(c))
            letters[tolower(c) - 'a']++;
        if (isalnum(c)) {
            if (!in_word) {
                words++;
                start = i;
                len = 0;
            }
            in_word = 1;
            len++;
            if (len > longest) {
                longest = len;
                longest_at = start;
            }
        } else {
            in_word = 0;
        }
    }
    printf("%d %d %d %d %d %d %d\n", chars, words, lines, upper, digits, spaces, punct);
    printf("%.*s\n", longest, text + longest_at);
    for (i = 0; i < 26; i++) {
        if (letters[i] == 0)
            abort();
        printf("%c%d%c", 'a' + i, letters[i], i % 13 == 12 ? '\n' : ' ');
    }
    if (chars != (int)strlen(text))
        abort();
    return words;
}
