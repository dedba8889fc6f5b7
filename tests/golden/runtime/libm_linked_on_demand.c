// A program links only the math-library members that it calls: sqrt
// alone brings no other member; pow brings log and exp, whose cores it
// shares, and still no trigonometry.
// RUN: %vexc -I %S/../../../include %s -fo root.o > /dev/null
// RUN: %vxlink root.o -o root.hex -m root.map
// RUN: %FileCheck %s --check-prefix=ROOT < root.map
// RUN: %vxsim -m root.map root.hex --print r:4 | %FileCheck %s --check-prefix=ROOT-RESULT
// RUN: %vexc -DPOWER -I %S/../../../include %s -fo power.o > /dev/null
// RUN: %vxlink power.o -o power.hex -m power.map
// RUN: %FileCheck %s --check-prefix=POWER < power.map
// RUN: %vxsim -m power.map power.hex --print r:4 | %FileCheck %s --check-prefix=POWER-RESULT
#include <math.h>
float x = 2.0f, r;
void main(void)
{
#ifdef POWER
    r = pow(x, 10.0f);
#else
    r = sqrt(x);
#endif
}
// ROOT-NOT: {{trig|exp|log|pow|atan|fmod|floor}}.o
// ROOT: sqrt {{.*}}lib/libvx.a(sqrt.o)
// ROOT-NOT: {{trig|exp|log|pow|atan|fmod|floor}}.o
// ROOT-RESULT: r = 0x3FB504F3
// POWER-NOT: {{trig|atan|sqrt}}.o
// POWER: pow {{.*}}lib/libvx.a(pow.o)
// POWER-NOT: {{trig|atan|sqrt}}.o
// POWER-RESULT: r = 0x44800000
