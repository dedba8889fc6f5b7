// A line-oriented command parser as serial-port firmware has one: words and signed numbers split from text, commands looked up by name, registers set, added to and read back.
#include "../e2e.h"

#define N_REGS 8
#define MAX_ARGS 3

char script[] =
    "set 3 1200\n"
    "add 3 -45\n"
    "set 7 65535\n"
    "  get 3\n"
    "swap 3 7\n"
    "get 7\n"
    "bogus 1\n"
    "add 9 1\n"
    "clr\n"
    "set 1 x\n"
    "add 1 32767\n"
    "get 1\n";

/* String literals live in program memory on the target, out of reach of a
   plain char pointer, so the names are kept in data memory. */
#define N_NAMES 5
#define CLEAR 4
#define UNKNOWN N_NAMES
char names[N_NAMES][5] = { "set", "add", "get", "swap", "clr" };

u16 regs[N_REGS];
s16 args[MAX_ARGS];
u8 n_args;
u8 errors;

u8 is_space(char c)
{
    return c == ' ' || c == '\t';
}

/* Compares the word at `s` with a name: the word ends at a space, the end
   of the line or the end of the text. */
u8 word_is(const char *s, const char *name)
{
    while (*name && *s == *name) {
        s++;
        name++;
    }
    return *name == 0 && (*s == 0 || *s == '\n' || is_space(*s));
}

/* Reads a signed decimal number into *value; returns the characters read,
   or 0 when there is no number. */
u8 read_number(const char *s, s16 *value)
{
    u8 n = 0, negative = 0;
    u16 v = 0;
    if (*s == '-') {
        negative = 1;
        n++;
    }
    if (s[n] < '0' || s[n] > '9')
        return 0;
    while (s[n] >= '0' && s[n] <= '9') {
        v = v * 10 + (u8)(s[n] - '0');
        n++;
    }
    *value = negative ? (s16)(0 - v) : (s16)v;
    return n;
}

u8 execute(u8 command)
{
    u8 r = (u8)args[0];
    if (n_args == 0 || r >= N_REGS)
        return 0;
    switch (command) {
    case 0:
        if (n_args != 2)
            return 0;
        regs[r] = (u16)args[1];
        break;
    case 1:
        if (n_args != 2)
            return 0;
        regs[r] += (u16)args[1];
        break;
    case 2:
        put16(regs[r]);
        break;
    case 3: {
        u8 q = (u8)args[1];
        u16 t;
        if (n_args != 2 || q >= N_REGS)
            return 0;
        t = regs[r];
        regs[r] = regs[q];
        regs[q] = t;
        break;
    }
    }
    return 1;
}

/* Handles one line and returns a pointer to the next. */
const char *line(const char *s)
{
    u8 command, used;
    while (is_space(*s))
        s++;
    for (command = 0; command < N_NAMES; command++)
        if (word_is(s, names[command]))
            break;
    while (*s && *s != '\n' && !is_space(*s))
        s++;
    n_args = 0;
    while (*s && *s != '\n') {
        while (is_space(*s))
            s++;
        if (*s == 0 || *s == '\n')
            break;
        used = n_args < MAX_ARGS ? read_number(s, &args[n_args]) : 0;
        if (used == 0) {
            command = UNKNOWN;
            while (*s && *s != '\n')
                s++;
            break;
        }
        n_args++;
        s += used;
    }
    if (command == CLEAR) {
        for (used = 0; used < N_REGS; used++)
            regs[used] = 0;
    } else if (command == UNKNOWN || !execute(command)) {
        errors++;
    }
    return *s ? s + 1 : s;
}

void main(void)
{
    const char *s = script;
    u8 lines = 0;
    while (*s) {
        s = line(s);
        lines++;
    }
    put8(lines);
    put8(errors);
    put16(regs[1]);
    put16(regs[3]);
}
