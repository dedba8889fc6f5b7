// The float conversions once printf_use_float() has been called: the exact
// decimal value of each float, rounded to the nearest with ties to even,
// with flags, widths and precisions; %g's choice of style and its trimmed
// zeros; inf and nan.  Before the call they print nothing and skip their
// argument.
// RUN: %vexcc -m out.map --run %s > out.txt 2> /dev/null
// RUN: %FileCheck %s --match-full-lines < out.txt
// RUN: %FileCheck %s --check-prefix=MAP < out.map
#include <stdio.h>

float third = 1.0f / 3.0f, big = 1e38f, tiny = 1.401298464e-45f, pi = 3.14159265f;
float negative_tiny = -1.401298464e-45f, negative_pi = -3.14159265f;
float half = 0.5f, two_and_half = 2.5f, eighth = 0.125f, tenth = 0.1f;
unsigned long infinity_bits = 0x7F800000UL, minus_infinity_bits = 0xFF800000UL, nan_bits = 0x7FC00000UL;

int main(void)
{
    float infinity = *(float *)&infinity_bits, minus_infinity = *(float *)&minus_infinity_bits;
    float nan = *(float *)&nan_bits;

    printf("[%f][%d]\n", pi, 7);
    // CHECK: [][7]
    printf_use_float();
    printf("[%f][%d]\n", pi, 7);
    // CHECK-NEXT: [3.141593][7]
    printf("[%f][%e][%g][%E][%G]\n", third, third, third, big, big);
    // CHECK-NEXT: [0.333333][3.333333e-01][0.333333][1.000000E+38][1E+38]
    printf("[%.0f][%.0f][%.2f][%.0e][%.20f]\n", half, two_and_half, eighth, two_and_half, tenth);
    // CHECK-NEXT: [0][2][0.12][2e+00][0.10000000149011611938]
    printf("[%f]\n", big);
    // CHECK-NEXT: [99999996802856924650656260769173209088.000000]
    printf("[%e][%.3g][%g]\n", tiny, tiny, negative_tiny);
    // CHECK-NEXT: [1.401298e-45][1.4e-45][-1.4013e-45]
    printf("[%10.3f][%-10.2e][%+.1f][% f][%010.2f][%#.0f][%#g]\n", pi, pi, pi, pi, negative_pi, pi, half);
    // CHECK-NEXT: [     3.142][3.14e+00  ][+3.1][ 3.141593][-000003.14][3.][0.500000]
    printf("[%g][%g][%g][%g][%g][%.3g][%.10g]\n", 100000.0f, 1000000.0f, 0.0001f, 0.00001f, 0.0f, 999.9f, pi);
    // CHECK-NEXT: [100000][1e+06][0.0001][1e-05][0][1e+03][3.141592741]
    printf("[%f][%e][%g][%.3f]\n", -0.0f, 99.99999f, 9.9999999e-5f, 0.0005f);
    // CHECK-NEXT: [-0.000000][9.999999e+01][0.0001][0.001]
    printf("[%f][%5.1F][%-6e|][%G][%08f][%+g]\n", infinity, infinity, minus_infinity, nan, nan, nan);
    // CHECK-NEXT: [inf][  INF][-inf  |][NAN][     nan][+nan]
    return 0;
}
// MAP: printf_use_float {{.*}}(stdio_float.o)
