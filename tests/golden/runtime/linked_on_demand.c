// A program gets the runtime library's start-up and only the math routines
// that its code calls, with their data bytes only then: 16-bit division
// brings no routine of another width, 32-bit division none but its own.
// RUN: %vexc %s -fo plain.o > /dev/null
// RUN: %vxlink plain.o -o plain.hex -m plain.map
// RUN: %FileCheck %s --check-prefix=PLAIN < plain.map
// RUN: %vexc -DDIVIDE %s -fo divide.o > /dev/null
// RUN: %vxlink divide.o -o divide.hex -m divide.map
// RUN: %FileCheck %s --check-prefix=DIVIDE < divide.map
// RUN: %vxsim -m divide.map divide.hex --print x:2 | %FileCheck %s --check-prefix=RESULT
// RUN: %vexc -DLONG %s -fo long.o > /dev/null
// RUN: %vxlink long.o -o long.hex -m long.map
// RUN: %FileCheck %s --check-prefix=LONG < long.map
// RUN: %vxsim -m long.map long.hex --print z:4 --print s:4 | %FileCheck %s --check-prefix=LONG-RESULT
unsigned int x = 1000, y = 7;
#ifdef LONG
unsigned long z = 1000000;
long s = -1000000;
#endif
void main(void)
{
    x = x * y + 3;
#ifdef DIVIDE
    x = x / y;
#endif
#ifdef LONG
    z = z / y;
    s = s % 7;
#endif
}
// PLAIN-NOT: {{fxd|fxm|math_data|__AARGB}}
// PLAIN: .code_startup.o {{.*}}lib/libvx.a(startup.o)
// PLAIN-NOT: {{fxd|fxm|math_data|__AARGB}}
// DIVIDE-NOT: {{fxd0808|fxd2424|fxd3232|fxm}}
// DIVIDE: .code_fxd1616.o {{.*}}lib/libvx.a(fxd1616.o)
// DIVIDE-NOT: {{fxd0808|fxd2424|fxd3232|fxm}}
// DIVIDE: FXD1616U {{.*}}lib/libvx.a(fxd1616.o)
// DIVIDE-NOT: {{fxd0808|fxd2424|fxd3232|fxm}}
// DIVIDE: __AARGB0 {{.*}}lib/libvx.a(math_data.o)
// DIVIDE-NOT: {{fxd0808|fxd2424|fxd3232|fxm}}
// RESULT: x = 0x03E8 (1000)
// LONG-NOT: {{fxd0808|fxd1616|fxd2424|fxm}}
// LONG: .code_fxd3232.o {{.*}}lib/libvx.a(fxd3232.o)
// LONG-NOT: {{fxd0808|fxd1616|fxd2424|fxm}}
// LONG: FXD3232U {{.*}}lib/libvx.a(fxd3232.o)
// LONG-NEXT: FXD3232S {{.*}}lib/libvx.a(fxd3232.o)
// LONG-NOT: {{fxd0808|fxd1616|fxd2424|fxm}}
// LONG: __AARGB0 {{.*}}lib/libvx.a(math_data.o)
// LONG-NOT: {{fxd0808|fxd1616|fxd2424|fxm}}
// LONG-RESULT: z = 0x00022E09 (142857)
// LONG-RESULT: s = 0xFFFFFFFF (4294967295)
