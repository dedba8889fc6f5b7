// -0.0f is false wherever a float is a truth value: operands of && and ||, the condition of ?:, if, ! and !!.
#include "../e2e.h"

float nz = -0.0f;
float one = 1.0f;

void main(void)
{
    float f = nz, g = one;
    put8(f ? 1 : 0);
    put8(f && g);
    put8(g && f);
    put8(f || 0);
    put8(!f);
    put8(!!f);
    if (f)
        put8(0x11);
    else
        put8(0x22);
    if (f && g)
        put8(0x11);
    else
        put8(0x22);
    if (g && f)
        put8(0x11);
    else
        put8(0x22);
    if (f || f)
        put8(0x11);
    else
        put8(0x22);
    put8(nz ? 1 : 0);
    put8(nz && one);
}
