/* A state machine that reads "key=value" settings separated by ';' with
   optional spaces, quoted values and '#' comments to the end of a line,
   and reports each setting or the column of the first error. */
#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum state { KEY_START, KEY, AFTER_KEY, VALUE_START, VALUE, QUOTED, AFTER_VALUE, COMMENT };

static char key[12];
static char value[16];

static int parse(const char *s)
{
    enum state st = KEY_START;
    int k = 0, v = 0, count = 0, col;
    for (col = 0;; col++) {
        char c = s[col];
        switch (st) {
        case KEY_START:
            if (c == '\0')
                return count;
            if (c == '#') st = COMMENT;
            else if (isalpha((unsigned char)c)) { k = 0; key[k++] = c; st = KEY; }
            else if (c != ' ' && c != ';' && c != '\n') return -1 - col;
            break;
        case KEY:
            if (isalnum((unsigned char)c) || c == '_') {
                if (k == 11) return -1 - col;
                key[k++] = c;
                break;
            }
            key[k] = '\0';
            st = AFTER_KEY;
            /* fall through */
        case AFTER_KEY:
            if (c == '=') { st = VALUE_START; v = 0; }
            else if (c != ' ') return -1 - col;
            break;
        case VALUE_START:
            if (c == '"') { st = QUOTED; break; }
            if (c == ' ') break;
            st = VALUE;
            /* fall through */
        case VALUE:
            if (c == ';' || c == '\0' || c == ' ' || c == '\n') {
                value[v] = '\0';
                printf("%s=[%s]\n", key, value);
                count++;
                if (c == '\0') return count;
                st = c == ' ' ? AFTER_VALUE : KEY_START;
            } else if (v == 15) return -1 - col;
            else value[v++] = c;
            break;
        case QUOTED:
            if (c == '\0') return -1 - col;
            if (c == '"') { value[v] = '\0'; printf("%s=[%s]\n", key, value); count++; st = AFTER_VALUE; }
            else if (v == 15) return -1 - col;
            else value[v++] = c;
            break;
        case AFTER_VALUE:
            if (c == '\0') return count;
            if (c == ';' || c == '\n') st = KEY_START;
            else if (c != ' ') return -1 - col;
            break;
        case COMMENT:
            if (c == '\0') return count;
            if (c == '\n') st = KEY_START;
            break;
        }
    }
}

static char inputs[5][40] = {
    "rate=9600; bits = 8 ;name=\"vx one\"",
    "# header\nmode=fast\nlevel=3 # end",
    "a=1;;b=2;c=\"x;y\"",
    "key value",
    "ok=1; 9bad=2",
};

int main(void)
{
    int i, total = 0;
    for (i = 0; i < 5; i++) {
        int r = parse(inputs[i]);
        printf("%d -> %d\n", i, r);
        total = total * 3 + r;
    }
    if (parse("") != 0 || parse("x=\"open") >= 0)
        abort();
    return total & 0xFF;
}
