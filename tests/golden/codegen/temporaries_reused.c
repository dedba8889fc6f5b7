// The temporaries of one statement share bytes when their values are not
// live at the same time: four 32-bit products summed need the running sum,
// one product and the library's operands, not a block per intermediate.
// RUN: %vexc %s -fo f.o > /dev/null && %vxdump f.o | %FileCheck %s
long a0, b0, c0, a1, b1, c1, a2, b2, c2, a3, b3, c3, r;
void main(void)
{
    r = (a0 * b0 - c0) + (a1 * b1 - c1) + (a2 * b2 - c2) + (a3 * b3 - c3);
}
// CHECK:      s_size=12
// CHECK-NEXT: s_scnptr=
// CHECK-NEXT: s_relptr=
// CHECK-NEXT: s_lnnoptr=
// CHECK-NEXT: s_nreloc=
// CHECK-NEXT: s_nlnno=
// CHECK-NEXT: s_flags=
// CHECK-NEXT: _s_name=.tmpdata
