/* Run-length encoding of strings as count-and-character pairs, decoding
   back, and the compression ratio in percent; runs longer than 9 split. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char inputs[4][40] = {
    "aaaabbbccd", "wwwwwwwwwwwwwwwwbw", "abc", "zzzzzzzzzzzzzzzzzzzzzzzzzzzzzz",
};
static char packed[64];
static char unpacked[64];

static int encode(const char *s, char *out)
{
    char *start = out;
    while (*s != '\0') {
        char c = *s;
        int n = 0;
        while (*s == c && n < 9) {
            s++;
            n++;
        }
        *out++ = (char)('0' + n);
        *out++ = c;
    }
    *out = '\0';
    return (int)(out - start);
}

static int decode(const char *s, char *out)
{
    char *start = out;
    for (; s[0] != '\0' && s[1] != '\0'; s += 2) {
        int n = s[0] - '0';
        if (n < 1 || n > 9)
            return -1;
        while (n-- > 0)
            *out++ = s[1];
    }
    *out = '\0';
    return (int)(out - start);
}

int main(void)
{
    int i, total_in = 0, total_out = 0;
    for (i = 0; i < 4; i++) {
        int n = encode(inputs[i], packed);
        int m = decode(packed, unpacked);
        int len = (int)strlen(inputs[i]);
        if (m != len || strcmp(unpacked, inputs[i]) != 0)
            abort();
        total_in += len;
        total_out += n;
        printf("%-31s %-20s %3d%%\n", inputs[i], packed, n * 100 / len);
    }
    strcpy(packed, "3x0y");
    printf("%d %d %d\n", decode(packed, unpacked), total_in, total_out);
    return total_out * 100 / total_in;
}
