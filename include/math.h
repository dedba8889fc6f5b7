/* The math library of the VxCORE runtime.

   double is float on this target, so each function works in IEEE single
   precision, and the f-suffixed names are the same functions.  Each one
   is a member of its own in the runtime archive (sin, cos and tan share
   one, as do atan and atan2, log and log10), so that a program links only
   the ones it calls.  errno is not used: a domain error gives the quiet
   NaN, a pole gives an infinity, and an overflow gives an infinity, with
   the float routines' flags in __FPFLAGS.  A NaN argument gives a NaN
   except where a result is noted below as holding for every argument.

   Accuracy, as the largest error in units in the last place (ulps)
   against the exact result, measured over the edge and random arguments
   of tests/golden/runtime/Inputs/check_libm.py, which fails when a
   result is further off than stated here:

     fabs, floor, ceil, fmod, sqrt   exact (sqrt correctly rounded)
     log, log10                      within 1 ulp (measured 0.53)
     sin, cos                        within 1 ulp (measured 0.97)
     exp                             within 1.5 ulps (measured 1.10)
     atan                            within 2 ulps (measured 1.60)
     atan2                           within 2 ulps (measured 1.86)
     pow                             within 2 ulps (measured 1.60)
     tan                             within 2.5 ulps (measured 2.31)
   The measured figures are the largest seen with the tests' 5000 and with
   30000 random arguments per function (check_libm.py --count).

   Domains and special values:
     sqrt(x)     NaN for x < 0; sqrt(-0) is -0.
     floor, ceil keep the sign of a zero result and return infinities and
                 NaNs as they are.
     fmod(x, y)  the remainder of x - n y with n truncated, exact, with the
                 sign of x; NaN when x is infinite or y is 0; x when y is
                 infinite.
     sin, cos,   the argument is reduced exactly over the whole float range
     tan         (2/pi is kept to 208 bits); NaN for infinities.
     atan2(y, x) the angle of (x, y) in [-pi, pi], with the signs of zeros
                 picking the half axes; atan2(+-0, -0) is +-pi.
     exp(x)      +infinity above about 88.72, +0 below about -103.97.
     log, log10  -infinity for +-0, NaN for x < 0, +infinity for +infinity.
     pow(x, y)   1 when y is +-0 or x is 1, even for a NaN in the other;
                 NaN for a finite x < 0 and a finite non-integral y;
                 for x = +-0 an infinity when y < 0, a zero when y > 0,
                 negative ones for odd integral y and x = -0; the limits for
                 infinite x or y (pow(-1, +-infinity) is 1). */

#ifndef MATH_H
#define MATH_H

#define HUGE_VAL (1.0f / 0.0f)
#define HUGE_VALF HUGE_VAL
#define INFINITY HUGE_VAL
#define NAN (0.0f / 0.0f)

double fabs(double x);
double floor(double x);
double ceil(double x);
double fmod(double x, double y);
double sqrt(double x);
double sin(double x);
double cos(double x);
double tan(double x);
double atan(double x);
double atan2(double y, double x);
double exp(double x);
double log(double x);
double log10(double x);
double pow(double x, double y);

#define fabsf fabs
#define floorf floor
#define ceilf ceil
#define fmodf fmod
#define sqrtf sqrt
#define sinf sin
#define cosf cos
#define tanf tan
#define atanf atan
#define atan2f atan2
#define expf exp
#define logf log
#define log10f log10
#define powf pow

#endif
