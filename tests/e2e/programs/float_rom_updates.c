// Floats in program memory changed where they lie: ++ and -- (the value read with table reads, 1.0 added or subtracted by the library, written back with TBLWT), and compound assignments.
#include "../e2e.h"
#include "../e2e_float.h"
rom float table[3] = {1.5f, -2.25f, 1.0e10f};
void main(void)
{
    float old;
    u8 i = 1;
    old = table[0]++;
    put_float(old); put_float(table[0]);
    --table[i];
    put_float(table[1]);
    table[2] *= 0.5f;
    table[2] += table[0];
    put_float(table[2]);
}
