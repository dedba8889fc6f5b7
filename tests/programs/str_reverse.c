/* Reversing strings in place and recognizing palindromes, with and without
   regard to case and punctuation. */
#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char words[6][32] = {
    "level", "Racecar", "A man, a plan, a canal: Panama", "lumex", "No lemon, no melon", "ab"
};
static char buf[32];

static void reverse(char *s)
{
    char *e = s + strlen(s);
    while (s < e && s < --e) {
        char t = *s;
        *s++ = *e;
        *e = t;
    }
}

static int is_palindrome(const char *s, int loose)
{
    int i = 0;
    int j = (int)strlen(s) - 1;
    while (i < j) {
        if (loose && !isalnum((unsigned char)s[i])) {
            i++;
        } else if (loose && !isalnum((unsigned char)s[j])) {
            j--;
        } else {
            char a = loose ? (char)tolower((unsigned char)s[i]) : s[i];
            char b = loose ? (char)tolower((unsigned char)s[j]) : s[j];
            if (a != b)
                return 0;
            i++;
            j--;
        }
    }
    return 1;
}

int main(void)
{
    int i;
    int strict = 0, loose = 0;
    for (i = 0; i < 6; i++) {
        strcpy(buf, words[i]);
        reverse(buf);
        printf("%-2d[%s] %d%d\n", i, buf, is_palindrome(words[i], 0), is_palindrome(words[i], 1));
        strict += is_palindrome(words[i], 0);
        loose += is_palindrome(words[i], 1);
        reverse(buf);
        if (strcmp(buf, words[i]) != 0)
            abort();
    }
    buf[0] = '\0';
    reverse(buf);
    if (buf[0] != '\0' || !is_palindrome(buf, 0))
        abort();
    printf("%d %d\n", strict, loose);
    return strict * 10 + loose;
}
