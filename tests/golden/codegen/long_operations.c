// A 32-bit division calls the library (FXD3232S for signed, FXD3232U for
// unsigned operands) with the operands in its argument bytes; a 16-bit
// product of two variables is three hardware products, no call.
// RUN: %vexc %s -fo l.o > /dev/null && %vxdump l.o | %FileCheck %s
long sa, sb, sq;
unsigned long ua, ub, uq;
unsigned int x, y, p;
void main(void)
{
    sq = sa / sb;
    uq = ua / ub;
    p = x * y;
}
// CHECK:      main:
// CHECK:      RELOC_MOVFF_DST __AARGB3
// CHECK:      RELOC_MOVFF_DST __BARGB0
// CHECK-NEXT: CALL      0x0,0x0           ; RELOC_CALL FXD3232S
// CHECK:      CALL      0x0,0x0           ; RELOC_CALL FXD3232U
// CHECK-NOT:  CALL
// CHECK:      MULWF
// CHECK:      MULWF
// CHECK:      MULWF
// CHECK-NOT:  CALL
// CHECK:      RETURN    0x0
