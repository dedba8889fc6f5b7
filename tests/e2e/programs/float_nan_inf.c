// Not-a-number and infinities: every ordered comparison with a NaN is false (<= and >= too, unlike their negations), NaN != NaN, an overflow gives infinity, and infinities compare and add as they should.
#include "../e2e.h"
float z = 0.0f, big = 3.0e38f;
float a = 1.0f, b = 2.0f;
void main(void)
{
    float n = (big * 10.0f) - (big * 10.0f);
    put8(n <= a); put8(n >= a); put8(a <= n); put8(a >= n);
    put8(!(n > a)); put8(!(n < a));
    put8(a <= b); put8(a >= b); put8(b <= b); put8(b >= a);
    if (n <= a) put8(0x11); else put8(0x22);
    if (a <= b) put8(0x11); else put8(0x22);
    put8(n == n); put8(n != n); put8(n < a); put8(n > a);
    {
        float inf = big * 10.0f, minus_inf = -inf;
        put8(inf > big); put8(minus_inf < -big); put8(inf == inf + a); put8(inf + minus_inf == inf + minus_inf);
        put8(a / z > big); put8(-a / z < -big); put8(inf >= inf); put8(minus_inf <= inf);
    }
}
