// Configuration choices take effect in source order: a setting given again,
// in a later pragma or in the same one, is refused and the first choice
// stays; settings that share no bits with earlier ones are accepted.  Inside
// a function the pragma is refused.
// RUN: %expect-exit 3 %vexc -p 61C3306 %s | %FileCheck %s
#pragma config CLKSRC=XTAL, CLKGUARD=ON
#pragma config CLKSRC=INTRC
// CHECK: config_pragma_errors.c:7:Error [1223] configuration setting 'CLKSRC' has already been specified
#pragma config CLKSWAP=ON, PWRDELAY=ON, PWRDELAY=OFF
// CHECK-NEXT: config_pragma_errors.c:9:Error [1223] configuration setting 'PWRDELAY' has already been specified
void f(void)
{
#pragma config VDROPLVL=V21
}
// CHECK-NEXT: config_pragma_errors.c:13:Error [1222] "#pragma config" detected inside function body
// CHECK-NOT: Error
