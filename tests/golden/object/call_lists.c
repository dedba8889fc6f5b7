// A function's auxiliary entries list the functions it calls, once each,
// defined here or external (patched when the callee's entry comes later);
// an interrupt routine adds its priority, 1 for high and 2 for low.
// RUN: %vexc %s -fo c.o > /dev/null
// RUN: %vxdump c.o | %FileCheck %s
void helper(void);
extern void other(char);
void caller(void)
{
    helper();
    helper();
    other(1);
}
#pragma interrupt high_isr
void high_isr(void) { helper(); }
#pragma interruptlow low_isr
void low_isr(void) { }
void helper(void) { }
// CHECK:      n_name=caller n_value=0x00000000 n_scnum=6 n_type=0x00000041 n_sclass=2 n_numaux=3
// CHECK-NEXT: Aux Fcn: x_tagndx=0 x_size=0
// CHECK-NEXT: Aux Fcn: x_tagndx=[[HELPER:[0-9]+]] x_size=0
// CHECK-NEXT: Aux Fcn: x_tagndx=[[OTHER:[0-9]+]] x_size=0
// CHECK:      n_name=high_isr {{.*}} n_numaux=3
// CHECK-NEXT: Aux Fcn: x_tagndx=0 x_size=0
// CHECK-NEXT: Aux Fcn: x_tagndx=[[HELPER]] x_size=0
// CHECK-NEXT: Aux Fcn: x_tagndx=0 x_size=1
// CHECK:      n_name=low_isr {{.*}} n_numaux=2
// CHECK-NEXT: Aux Fcn: x_tagndx=0 x_size=0
// CHECK-NEXT: Aux Fcn: x_tagndx=0 x_size=2
// CHECK:      Index[[[HELPER]]]=Symbol: n_name=helper n_value={{0x[0-9a-f]+}} n_scnum=6
// CHECK:      Index[[[OTHER]]]=Symbol: n_name=other n_value=0x00000000 n_scnum=0 n_type=0x00000041 n_sclass=2 n_numaux=0
