// ++ of a 16-bit static in banked RAM, where a skip over the high byte's increment would land on a bank selection instead: the carry is added instead.
#include "../e2e.h"

static u16 format = 0x10;

static void next(void)
{
    ++format;
}

void main(void)
{
    next();
    put16(format);
    put16(format);
}
