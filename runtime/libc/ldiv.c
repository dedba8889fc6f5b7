#include <stdlib.h>

ldiv_t ldiv(long numerator, long denominator)
{
    ldiv_t result;

    result.quot = numerator / denominator;
    result.rem = numerator % denominator;
    return result;
}
