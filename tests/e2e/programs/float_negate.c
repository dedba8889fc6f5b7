// Unary minus of a float, from a local and from a global: a product by -1.0 whose constant operand goes straight to the argument bytes.
#include "../e2e.h"

typedef union { float f; u8 b[4]; } word;
word w;
float y;

static void show(void)
{
    u8 i;

    for (i = 0; i < 4; i++)
        put8(w.b[i]);
}

void main(void)
{
    float x;

    w.b[3] = 0x40;
    x = w.f;
    w.f = -x;
    show();
    w.b[0] = w.b[1] = w.b[2] = 0;
    w.b[3] = 0x40;
    y = w.f;
    w.f = -y;
    show();
}
