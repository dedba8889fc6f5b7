#include <stdlib.h>

/* The runtime's division truncates toward zero and gives the remainder
   the dividend's sign, as div has to. */
div_t div(int numerator, int denominator)
{
    div_t result;

    result.quot = numerator / denominator;
    result.rem = numerator % denominator;
    return result;
}
