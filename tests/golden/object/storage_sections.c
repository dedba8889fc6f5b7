// Every storage class and section pragma: default udata, idata and romdata,
// access, overlay and absolute sections, static and external objects.
// RUN: SOURCE_DATE_EPOCH=0 %vexc %s -fo s.o > /dev/null
// RUN: %vxdump s.o | %FileCheck %s
char plain;
int initialized = 0x1234;
static char hidden;
rom const char table[3] = {1, 2, 3};
#pragma udata access fast
near unsigned char counter;
near int wide;
#pragma udata overlay shared_ovl
char scratch;
#pragma udata fixed = 0x200
char at200;
char at201;
#pragma idata myidata
unsigned long big = 0x11223344;
#pragma romdata table_abs = 0x1000
rom char fixed_rom = 7;
#pragma romdata
#pragma udata
int back_in_default;
// SOURCE_DATE_EPOCH fixes the time stamp of the object.
// CHECK:      f_timdat=0x00000000 Thu Jan  1 00:00:00 1970 UTC
// CHECK:      s_paddr=0x00000000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=0
// CHECK:      s_flags=0x00008080
// CHECK-NEXT: _s_name=MATH_DATA
// CHECK-NEXT: Raw Data:
// CHECK:      s_paddr=0x00000000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=0
// CHECK:      s_flags=0x0000c080
// CHECK-NEXT: _s_name=.tmpdata
// CHECK-NEXT: Raw Data:
// CHECK:      s_paddr=0x00000000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=4
// CHECK:      s_flags=0x00000080
// CHECK-NEXT: _s_name=.udata_s.o
// CHECK-NEXT: Raw Data:
// CHECK:      s_paddr=0x00000000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=2
// CHECK:      s_flags=0x00000040
// CHECK-NEXT: _s_name=.idata_s.o
// CHECK-NEXT: Raw Data:
// CHECK-NEXT: 0x00000000: 0x1234
// CHECK:      s_paddr=0x00000000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=3
// CHECK:      s_flags=0x00000100
// CHECK-NEXT: _s_name=.romdata_s.o
// CHECK-NEXT: Raw Data:
// CHECK-NEXT: 0x00000000: 0x0201 0x03
// CHECK:      s_paddr=0x00000000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=0
// CHECK:      s_flags=0x00000020
// CHECK-NEXT: _s_name=.code_s.o
// CHECK-NEXT: Raw Data:
// CHECK:      s_paddr=0x00000000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=3
// CHECK:      s_flags=0x00008080
// CHECK-NEXT: _s_name=fast
// CHECK-NEXT: Raw Data:
// CHECK:      s_paddr=0x00000000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=1
// CHECK:      s_flags=0x00004080
// CHECK-NEXT: _s_name=shared_ovl
// CHECK-NEXT: Raw Data:
// CHECK:      s_paddr=0x00000200
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=2
// CHECK:      s_flags=0x00001080
// CHECK-NEXT: _s_name=fixed
// CHECK-NEXT: Raw Data:
// CHECK:      s_paddr=0x00000000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=4
// CHECK:      s_flags=0x00000040
// CHECK-NEXT: _s_name=myidata
// CHECK-NEXT: Raw Data:
// CHECK-NEXT: 0x00000000: 0x3344 0x1122
// CHECK:      s_paddr=0x00001000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=1
// CHECK:      s_flags=0x00001100
// CHECK-NEXT: _s_name=table_abs
// CHECK-NEXT: Raw Data:
// CHECK-NEXT: 0x00000000: 0x07
// CHECK:      Symbol Table:
// CHECK-NEXT: Index[0]=Symbol: n_name=.file n_value=0x00000010 n_scnum=-2 n_type=0x00000000 n_sclass=103 n_numaux=1
// CHECK-NEXT: Index[1]=Aux File: x_offset=68 x_incline=0 x_flags=0
// CHECK-NEXT: Index[2]=Symbol: n_name=plain n_value=0x00000000 n_scnum=3 n_type=0x00000002 n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[3]=Symbol: n_name=initialized n_value=0x00000000 n_scnum=4 n_type=0x00000004 n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[4]=Symbol: n_name=hidden n_value=0x00000001 n_scnum=3 n_type=0x00000002 n_sclass=3 n_numaux=0
// CHECK-NEXT: Index[5]=Symbol: n_name=table n_value=0x00000000 n_scnum=5 n_type=0x00000062 n_sclass=2 n_numaux=1
// CHECK-NEXT: Index[6]=Aux Arr: x_tagndx=0 x_lnno=0 x_size=3 x_dimen=3,0,0,0,0,0
// CHECK-NEXT: Index[7]=Symbol: n_name=counter n_value=0x00000000 n_scnum=7 n_type=0x0000000c n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[8]=Symbol: n_name=wide n_value=0x00000001 n_scnum=7 n_type=0x00000004 n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[9]=Symbol: n_name=scratch n_value=0x00000000 n_scnum=8 n_type=0x00000002 n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[10]=Symbol: n_name=at200 n_value=0x00000200 n_scnum=9 n_type=0x00000002 n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[11]=Symbol: n_name=at201 n_value=0x00000201 n_scnum=9 n_type=0x00000002 n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[12]=Symbol: n_name=big n_value=0x00000000 n_scnum=10 n_type=0x0000000f n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[13]=Symbol: n_name=fixed_rom n_value=0x00001000 n_scnum=11 n_type=0x00000002 n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[14]=Symbol: n_name=back_in_default n_value=0x00000002 n_scnum=3 n_type=0x00000004 n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[15]=Symbol: n_name=.eof n_value=0x00000000 n_scnum=-2 n_type=0x00000000 n_sclass=107 n_numaux=0
