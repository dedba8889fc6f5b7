// Byte shifts by constants: in place by 4 is SWAPF, ANDLW 0xF0, MOVWF (three
// words); in place by 2 to the right clears the carry before each rotate;
// WREG by 3 is one product; WREG by 5 to the right swaps, rotates and masks.
// RUN: %vexc %s -fo s.o > /dev/null && %vxdump s.o | %FileCheck %s
#pragma udata access fast
near unsigned char x, y;
void main(void)
{
    x <<= 4;
    x >>= 2;
    y = x << 3;
    y = x >> 5;
}
// CHECK:      main:
// CHECK-NEXT: SWAPF     0x0,0x0,0x0       ; RELOC_FILE x
// CHECK-NEXT: ANDLW     0xf0
// CHECK-NEXT: MOVWF     0x0,0x0           ; RELOC_FILE x
// CHECK-NEXT: BCF       0x0,0x0,0x0       ; RELOC_LOW STATUS
// CHECK-NEXT: RRCF      0x0,0x1,0x0       ; RELOC_FILE x
// CHECK-NEXT: BCF       0x0,0x0,0x0       ; RELOC_LOW STATUS
// CHECK-NEXT: RRCF      0x0,0x1,0x0       ; RELOC_FILE x
// CHECK-NEXT: MOVF      0x0,0x0,0x0       ; RELOC_FILE x
// CHECK-NEXT: MULLW     0x8
// CHECK-NEXT: MOVF      0x0,0x0,0x0       ; RELOC_FILE PRODL
// CHECK-NEXT: MOVWF     0x0,0x0           ; RELOC_FILE y
// CHECK-NEXT: MOVF      0x0,0x0,0x0       ; RELOC_FILE x
// CHECK-NEXT: SWAPF     0x0,0x1,0x0       ; RELOC_FILE WREG
// CHECK-NEXT: RRNCF     0x0,0x1,0x0       ; RELOC_FILE WREG
// CHECK-NEXT: ANDLW     0x7
// CHECK-NEXT: MOVWF     0x0,0x0           ; RELOC_FILE y
// CHECK-NEXT: RETURN    0x0
