// Masks and constants on data memory take the shortest forms: &= 0xF7
// clears one bit, |= 0x10 sets one, &= 0xFF does nothing; 0x1200 stores a
// cleared low byte and 0xFFFF two SETF; a product by 10 is one MULLW.
// RUN: %vexc %s -fo m.o > /dev/null && %vxdump m.o | %FileCheck %s
#pragma udata access fast
near unsigned char x;
near unsigned int w;
void main(void)
{
    x &= 0xF7;
    x |= 0x10;
    x &= 0xFF;
    w = 0x1200;
    w = 0xFFFF;
    x = x * 10;
}
// CHECK:      main:
// CHECK-NEXT: 0x000000  9600  BCF       0x0,0x3,0x0       ; RELOC_LOW x
// CHECK-NEXT: 0x000002  8800  BSF       0x0,0x4,0x0       ; RELOC_LOW x
// CHECK-NEXT: 0x000004  6a00  CLRF      0x0,0x0           ; RELOC_LOW w
// CHECK-NEXT: 0x000006  0e12  MOVLW     0x12
// CHECK-NEXT: 0x000008  6e00  MOVWF     0x0,0x0           ; RELOC_FILE w+1
// CHECK-NEXT: 0x00000a  6800  SETF      0x0,0x0           ; RELOC_LOW w
// CHECK-NEXT: 0x00000c  6800  SETF      0x0,0x0           ; RELOC_LOW w+1
// CHECK-NEXT: 0x00000e  5000  MOVF      0x0,0x0,0x0       ; RELOC_FILE x
// CHECK-NEXT: 0x000010  0d0a  MULLW     0xa
// CHECK-NEXT: 0x000012  5000  MOVF      0x0,0x0,0x0       ; RELOC_FILE PRODL
// CHECK-NEXT: 0x000014  6e00  MOVWF     0x0,0x0           ; RELOC_FILE x
// CHECK-NEXT: 0x000016  0012  RETURN    0x0
