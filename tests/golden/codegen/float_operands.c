// Float operands in data memory go straight to the library's argument
// bytes, and a product added at once to another variable stays in __AARGB
// for the addition: two calls, no temporary between them.
// RUN: %vexc %s -fo f.o > /dev/null && %vxdump f.o | %FileCheck %s
float a, b, c, d;
void main(void)
{
    c = a * b + d;
}
// CHECK:      main:
// CHECK-NEXT: MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC a
// CHECK-NEXT: ; RELOC_MOVFF_DST __AARGB3
// CHECK:      MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC a+3
// CHECK-NEXT: ; RELOC_MOVFF_DST __AARGB0
// CHECK-NEXT: MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC b
// CHECK-NEXT: ; RELOC_MOVFF_DST __BARGB3
// CHECK:      RELOC_CALL FPM32
// CHECK-NEXT: ; RELOC_WORD2_ADDR FPM32
// CHECK-NEXT: MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC d
// CHECK-NEXT: ; RELOC_MOVFF_DST __BARGB3
// CHECK:      MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC d+3
// CHECK-NEXT: ; RELOC_MOVFF_DST __BARGB0
// CHECK-NEXT: CALL      0x0,0x0           ; RELOC_CALL FPA32
