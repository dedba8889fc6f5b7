// A function with one local reserves it with one MOVF POSTINC1 and releases
// it before restoring FSR2L; a call with six argument bytes drops them with
// SUBWF FSR1L while the byte result waits in a temporary.
// RUN: %vexc %s -fo f.o > /dev/null && %vxdump f.o | %FileCheck %s
unsigned char sum3(int a, int b, int c)
{
    return a + b + c;
}
unsigned char one_local(void)
{
    unsigned char t;
    t = 5;
    return t;
}
unsigned char r;
void main(void)
{
    r = sum3(1, 2, 3);
}
// CHECK:      one_local:
// CHECK-NEXT: MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC FSR2L
// CHECK-NEXT: ; RELOC_MOVFF_DST POSTINC1
// CHECK-NEXT: MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC FSR1L
// CHECK-NEXT: ; RELOC_MOVFF_DST FSR2L
// CHECK-NEXT: MOVF      0x0,0x1,0x0       ; RELOC_FILE POSTINC1
// CHECK:      MOVF      0x0,0x0,0x0       ; RELOC_FILE PLUSW2
// CHECK-NEXT: BRA
// CHECK-NEXT: MOVF      0x0,0x1,0x0       ; RELOC_FILE POSTDEC1
// CHECK-NEXT: MOVF      0x0,0x1,0x0       ; RELOC_FILE POSTDEC1
// CHECK-NEXT: MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC INDF1
// CHECK-NEXT: ; RELOC_MOVFF_DST FSR2L
// CHECK-NEXT: RETURN    0x0
// CHECK:      main:
// CHECK:      RCALL {{.*}} ; RELOC_BRA sum3
// CHECK-NEXT: MOVWF     0x0,0x0           ; RELOC_FILE [[T:__tmp_0[+0-9]*]]
// CHECK-NEXT: MOVLW     0x6
// CHECK-NEXT: SUBWF     0x0,0x1,0x0       ; RELOC_FILE FSR1L
// CHECK-NEXT: MOVF      0x0,0x0,0x0       ; RELOC_FILE [[T]]
// CHECK-NEXT: MOVLB     0x0               ; RELOC_HIGH r
// CHECK-NEXT: MOVWF     0x0,0x1           ; RELOC_FILE r
