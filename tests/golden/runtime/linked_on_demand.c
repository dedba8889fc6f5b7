// A program gets the runtime library's start-up and only the math routines
// that its code calls, with their data bytes only then.
// RUN: %vexc %s -fo plain.o > /dev/null
// RUN: %vxlink plain.o -o plain.hex -m plain.map
// RUN: %FileCheck %s --check-prefix=PLAIN < plain.map
// RUN: %vexc -DDIVIDE %s -fo divide.o > /dev/null
// RUN: %vxlink divide.o -o divide.hex -m divide.map
// RUN: %FileCheck %s --check-prefix=DIVIDE < divide.map
// RUN: %vxsim -m divide.map divide.hex --print x:2 | %FileCheck %s --check-prefix=RESULT
unsigned int x = 1000, y = 7;
void main(void)
{
    x = x * y + 3;
#ifdef DIVIDE
    x = x / y;
#endif
}
// PLAIN-NOT: {{fxd|fxm|math_data|__AARGB}}
// PLAIN: .code_startup.o {{.*}}lib/startup.o
// PLAIN-NOT: {{fxd|fxm|math_data|__AARGB}}
// DIVIDE-NOT: {{fxd0808|fxm1616}}
// DIVIDE: .code_fxd1616.o {{.*}}lib/fxd1616.o
// DIVIDE-NOT: {{fxd0808|fxm1616}}
// DIVIDE: FXD1616U {{.*}}lib/fxd1616.o
// DIVIDE-NOT: {{fxd0808|fxm1616}}
// DIVIDE: __AARGB0 {{.*}}lib/math_data.o
// DIVIDE-NOT: {{fxd0808|fxm1616}}
// RESULT: x = 0x03E8 (1000)
