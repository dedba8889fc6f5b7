// A low-priority routine that calls a function saves the minimal context,
// the registers that the callee may change, and the .tmpdata and MATH_DATA
// sections, each copied byte by byte through FSR0 with the count in WREG;
// it steps over the top of the software stack before the call and restores
// everything in reverse order, the sections from their end downwards,
// before RETFIE 0. A high-priority routine that changes nothing else saves
// nothing: RETFIE 1 restores STATUS, BSR and WREG from the shadow
// registers.
// RUN: %vexc %s -fo i.o > /dev/null
// RUN: %vxdump i.o | %FileCheck --match-full-lines %s
unsigned char ticks;
void tick(void);
#pragma interruptlow low_isr
void low_isr(void)
{
    tick();
}
#pragma interrupt high_isr
void high_isr(void)
{
    ticks = 1;
}
// The sections are named by external symbols of one more leading ".".
// CHECK: Index[{{[0-9]+}}]=Symbol: n_name=..tmpdata n_value=0x00000000 n_scnum=0 n_type=0x00000001 n_sclass=2 n_numaux=0
// CHECK: Index[{{[0-9]+}}]=Symbol: n_name=.MATH_DATA n_value=0x00000000 n_scnum=0 n_type=0x00000001 n_sclass=2 n_numaux=0
// CHECK: Disassembly of section '.code_i.o':
// CHECK-NEXT: low_isr:
// CHECK-NEXT: 0x000000  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC STATUS
// CHECK-NEXT: 0x000002  f000                              ; RELOC_MOVFF_DST PREINC1
// CHECK-NEXT: 0x000004  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC BSR
// CHECK-NEXT: 0x000006  f000                              ; RELOC_MOVFF_DST PREINC1
// CHECK-NEXT: 0x000008  6e00  MOVWF     0x0,0x0           ; RELOC_FILE PREINC1
// CHECK-NEXT: 0x00000a  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC FSR0L
// CHECK-NEXT: 0x00000c  f000                              ; RELOC_MOVFF_DST PREINC1
// CHECK-NEXT: 0x00000e  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC FSR0L+1
// CHECK-NEXT: 0x000010  f000                              ; RELOC_MOVFF_DST PREINC1
// CHECK-NEXT: 0x000012  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC TBLPTRL
// CHECK-NEXT: 0x000014  f000                              ; RELOC_MOVFF_DST PREINC1
// CHECK-NEXT: 0x000016  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC TBLPTRL+1
// CHECK-NEXT: 0x000018  f000                              ; RELOC_MOVFF_DST PREINC1
// CHECK-NEXT: 0x00001a  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC TABLAT
// CHECK-NEXT: 0x00001c  f000                              ; RELOC_MOVFF_DST PREINC1
// CHECK-NEXT: 0x00001e  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC PRODL
// CHECK-NEXT: 0x000020  f000                              ; RELOC_MOVFF_DST PREINC1
// CHECK-NEXT: 0x000022  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC PRODL+1
// CHECK-NEXT: 0x000024  f000                              ; RELOC_MOVFF_DST PREINC1
// CHECK-NEXT: 0x000026  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC PCLATH
// CHECK-NEXT: 0x000028  f000                              ; RELOC_MOVFF_DST PREINC1
// CHECK-NEXT: 0x00002a  ee00  LFSR      0x0,0x0           ; RELOC_LFSR_HIGH ..tmpdata
// CHECK-NEXT: 0x00002c  f000                              ; RELOC_LFSR_LOW ..tmpdata
// CHECK-NEXT: 0x00002e  0e00  MOVLW     0x0               ; RELOC_SCNSIZE_LOW ..tmpdata
// CHECK-NEXT: 0x000030  0400  DECF      0x0,0x0,0x0       ; RELOC_FILE WREG
// CHECK-NEXT: 0x000032  e303  BNC       0x3a
// CHECK-NEXT: 0x000034  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC POSTINC0
// CHECK-NEXT: 0x000036  f000                              ; RELOC_MOVFF_DST PREINC1
// CHECK-NEXT: 0x000038  d7fb  BRA       0x30
// CHECK-NEXT: 0x00003a  ee00  LFSR      0x0,0x0           ; RELOC_LFSR_HIGH .MATH_DATA
// CHECK-NEXT: 0x00003c  f000                              ; RELOC_LFSR_LOW .MATH_DATA
// CHECK-NEXT: 0x00003e  0e00  MOVLW     0x0               ; RELOC_SCNSIZE_LOW .MATH_DATA
// CHECK-NEXT: 0x000040  0400  DECF      0x0,0x0,0x0       ; RELOC_FILE WREG
// CHECK-NEXT: 0x000042  e303  BNC       0x4a
// CHECK-NEXT: 0x000044  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC POSTINC0
// CHECK-NEXT: 0x000046  f000                              ; RELOC_MOVFF_DST PREINC1
// CHECK-NEXT: 0x000048  d7fb  BRA       0x40
// CHECK-NEXT: 0x00004a  5200  MOVF      0x0,0x1,0x0       ; RELOC_FILE POSTINC1
// CHECK-NEXT: 0x00004c  ec00  CALL      0x0,0x0           ; RELOC_CALL tick
// CHECK-NEXT: 0x00004e  f000                              ; RELOC_WORD2_ADDR tick
// CHECK-NEXT: 0x000050  5200  MOVF      0x0,0x1,0x0       ; RELOC_FILE POSTDEC1
// CHECK-NEXT: 0x000052  ee00  LFSR      0x0,0x0           ; RELOC_SCNEND_LFSR_HIGH .MATH_DATA
// CHECK-NEXT: 0x000054  f000                              ; RELOC_SCNEND_LFSR_LOW .MATH_DATA
// CHECK-NEXT: 0x000056  0e00  MOVLW     0x0               ; RELOC_SCNSIZE_LOW .MATH_DATA
// CHECK-NEXT: 0x000058  0400  DECF      0x0,0x0,0x0       ; RELOC_FILE WREG
// CHECK-NEXT: 0x00005a  e303  BNC       0x62
// CHECK-NEXT: 0x00005c  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC POSTDEC1
// CHECK-NEXT: 0x00005e  f000                              ; RELOC_MOVFF_DST POSTDEC0
// CHECK-NEXT: 0x000060  d7fb  BRA       0x58
// CHECK-NEXT: 0x000062  ee00  LFSR      0x0,0x0           ; RELOC_SCNEND_LFSR_HIGH ..tmpdata
// CHECK-NEXT: 0x000064  f000                              ; RELOC_SCNEND_LFSR_LOW ..tmpdata
// CHECK-NEXT: 0x000066  0e00  MOVLW     0x0               ; RELOC_SCNSIZE_LOW ..tmpdata
// CHECK-NEXT: 0x000068  0400  DECF      0x0,0x0,0x0       ; RELOC_FILE WREG
// CHECK-NEXT: 0x00006a  e303  BNC       0x72
// CHECK-NEXT: 0x00006c  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC POSTDEC1
// CHECK-NEXT: 0x00006e  f000                              ; RELOC_MOVFF_DST POSTDEC0
// CHECK-NEXT: 0x000070  d7fb  BRA       0x68
// CHECK-NEXT: 0x000072  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC POSTDEC1
// CHECK-NEXT: 0x000074  f000                              ; RELOC_MOVFF_DST PCLATH
// CHECK-NEXT: 0x000076  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC POSTDEC1
// CHECK-NEXT: 0x000078  f000                              ; RELOC_MOVFF_DST PRODL+1
// CHECK-NEXT: 0x00007a  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC POSTDEC1
// CHECK-NEXT: 0x00007c  f000                              ; RELOC_MOVFF_DST PRODL
// CHECK-NEXT: 0x00007e  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC POSTDEC1
// CHECK-NEXT: 0x000080  f000                              ; RELOC_MOVFF_DST TABLAT
// CHECK-NEXT: 0x000082  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC POSTDEC1
// CHECK-NEXT: 0x000084  f000                              ; RELOC_MOVFF_DST TBLPTRL+1
// CHECK-NEXT: 0x000086  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC POSTDEC1
// CHECK-NEXT: 0x000088  f000                              ; RELOC_MOVFF_DST TBLPTRL
// CHECK-NEXT: 0x00008a  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC POSTDEC1
// CHECK-NEXT: 0x00008c  f000                              ; RELOC_MOVFF_DST FSR0L+1
// CHECK-NEXT: 0x00008e  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC POSTDEC1
// CHECK-NEXT: 0x000090  f000                              ; RELOC_MOVFF_DST FSR0L
// CHECK-NEXT: 0x000092  5000  MOVF      0x0,0x0,0x0       ; RELOC_FILE POSTDEC1
// CHECK-NEXT: 0x000094  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC POSTDEC1
// CHECK-NEXT: 0x000096  f000                              ; RELOC_MOVFF_DST BSR
// CHECK-NEXT: 0x000098  c000  MOVFF     0x0,0x0           ; RELOC_MOVFF_SRC POSTDEC1
// CHECK-NEXT: 0x00009a  f000                              ; RELOC_MOVFF_DST STATUS
// CHECK-NEXT: 0x00009c  0010  RETFIE    0x0
// CHECK-NEXT: high_isr:
// CHECK-NEXT: 0x00009e  0e01  MOVLW     0x1
// CHECK-NEXT: 0x0000a0  0100  MOVLB     0x0               ; RELOC_HIGH ticks
// CHECK-NEXT: 0x0000a2  6f00  MOVWF     0x0,0x1           ; RELOC_FILE ticks
// CHECK-NEXT: 0x0000a4  0011  RETFIE    0x1
