// A switch on a 16-bit value with three cases: a full-width equality test
// and a BZ per case, then one BRA to the default.
// RUN: %vexc %s -fo s.o > /dev/null && %vxdump s.o | %FileCheck %s
int k;
unsigned char r;
void main(void)
{
    switch (k) {
    case 1: r = 10; break;
    case 300: r = 20; break;
    case -2: r = 30; break;
    default: r = 0;
    }
}
// CHECK:      main:
// CHECK:      XORLW     0x1
// CHECK:      XORLW     0x0
// CHECK-NEXT: IORWF     0x0,0x1,0x0       ; RELOC_FILE PRODL
// CHECK-NEXT: BZ
// CHECK:      XORLW     0x2c
// CHECK:      XORLW     0x1
// CHECK-NEXT: IORWF     0x0,0x1,0x0       ; RELOC_FILE PRODL
// CHECK-NEXT: BZ
// CHECK:      XORLW     0xfe
// CHECK:      XORLW     0xff
// CHECK-NEXT: IORWF     0x0,0x1,0x0       ; RELOC_FILE PRODL
// CHECK-NEXT: BZ
// CHECK-NEXT: BRA
// CHECK-NEXT: MOVLW     0xa
// CHECK-NOT:  BZ
