// A temporary written before a call and read after it is pushed with MOVFF
// to POSTINC1 before the call and popped after it; a statement of in-line
// assembly only is left as written.
// RUN: %vexc %s -fo t.o > /dev/null && %vxdump t.o | %FileCheck %s
int f(int x);
int a, b, w;
void main(void)
{
    w = (a + b) + f(a);
    _asm
        nop
    _endasm
}
// CHECK:      ADDWFC    0x0,0x1,0x0       ; RELOC_FILE __tmp_0+1
// CHECK-NEXT: MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC __tmp_0
// CHECK-NEXT: ; RELOC_MOVFF_DST POSTINC1
// CHECK-NEXT: MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC __tmp_0+1
// CHECK-NEXT: ; RELOC_MOVFF_DST POSTINC1
// CHECK:      CALL      0x0,0x0           ; RELOC_CALL f
// CHECK-NEXT: ; RELOC_WORD2_ADDR f
// CHECK-NEXT: MOVF      0x0,0x1,0x0       ; RELOC_FILE POSTDEC1
// CHECK-NEXT: MOVF      0x0,0x1,0x0       ; RELOC_FILE POSTDEC1
// CHECK-NEXT: MOVF      0x0,0x1,0x0       ; RELOC_FILE POSTDEC1
// CHECK-NEXT: MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC INDF1
// CHECK-NEXT: ; RELOC_MOVFF_DST __tmp_0+1
// CHECK-NEXT: MOVF      0x0,0x1,0x0       ; RELOC_FILE POSTDEC1
// CHECK-NEXT: MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC INDF1
// CHECK-NEXT: ; RELOC_MOVFF_DST __tmp_0
// CHECK:      RELOC_MOVFF_DST w+1
// CHECK-NEXT: NOP
// CHECK-NEXT: ___return_lbl00000:
// CHECK-NEXT: RETURN    0x0
