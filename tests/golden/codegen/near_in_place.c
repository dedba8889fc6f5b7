// A byte expression assigned to a near variable is computed in WREG and
// stored straight into the variable: no temporary, no bank selection.
// RUN: %vexc %s -fo n.o > /dev/null && %vxdump n.o | %FileCheck %s
#pragma udata access fast
near unsigned char n, a, b;
void main(void)
{
    n = a + b - 3;
}
// CHECK:      main:
// CHECK-NEXT: MOVF      0x0,0x0,0x0       ; RELOC_FILE a
// CHECK-NEXT: ADDWF     0x0,0x0,0x0       ; RELOC_FILE b
// CHECK-NEXT: ADDLW     0xfd
// CHECK-NEXT: MOVWF     0x0,0x0           ; RELOC_FILE n
// CHECK-NEXT: RETURN    0x0
