// A command interpreter: a table of command codes with handler functions and arguments, searched and called for each command.
// CODESIZE-EXPECT: 00 64 00 00 B4 C3 02 B4 C3 00 1E C3 01 1E C3 00 1E C3 03 1E C3 02 1E C3 00 23 C3 00 07 00 00 04
#include "bench.h"

struct device {
    u16 level;
    u8 mode;
    u8 errors;
};

struct device dev;

typedef u8 (*handler)(struct device *d, u16 arg);

u8 cmd_reset(struct device *d, u16 arg)
{
    d->level = arg;
    d->mode = 0;
    return 0;
}

u8 cmd_up(struct device *d, u16 arg)
{
    if (d->level > 60000u - arg)
        return 2;
    d->level += arg;
    return 0;
}

u8 cmd_down(struct device *d, u16 arg)
{
    if (arg > d->level)
        return 2;
    d->level -= arg;
    return 0;
}

u8 cmd_mode(struct device *d, u16 arg)
{
    if (arg > 3)
        return 3;
    d->mode = (u8)arg;
    return 0;
}

struct command {
    char code;
    handler run;
};

struct command commands[4] = {
    { 'R', cmd_reset }, { 'U', cmd_up }, { 'D', cmd_down }, { 'M', cmd_mode }
};

u8 dispatch(char code, u16 arg)
{
    u8 i, status = 1;
    for (i = 0; i < 4; i++)
        if (commands[i].code == code)
            status = commands[i].run(&dev, arg);
    if (status)
        dev.errors++;
    return status;
}

char script[10] = { 'R', 'U', 'U', 'D', 'X', 'M', 'M', 'D', 'U', 'R' };
u16 args[10] = { 100, 50000u, 20000, 150, 0, 2, 9, 60000u, 5, 7 };

void main(void)
{
    u8 i;
    for (i = 0; i < 10; i++) {
        put8(dispatch(script[i], args[i]));
        put16(dev.level);
    }
    put8(dev.mode);
    put8(dev.errors);
}
