// Initializers holding addresses: of objects, of a member of an array, of
// a string literal through a 2-byte pointer to program memory, of an object
// in far program memory through a 3-byte pointer, and of
// an external object, each byte a relocation with its addend.
// RUN: %vexc %s -fo a.o > /dev/null
// RUN: %vxdump a.o | %FileCheck %s
extern int outside;
char buffer[4];
char *second = &buffer[2];
int *elsewhere = &outside;
rom near char *near_text = "hi";
rom far char far_table[2] = {1, 2};
rom far char *far_pointer = &far_table[1];
int grid[2][3] = {{1, 2, 3}, {4, 5, 6}};
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
// CHECK-NEXT: _s_name=.udata_a.o
// CHECK-NEXT: Raw Data:
// CHECK:      s_paddr=0x00000000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=21
// CHECK:      s_flags=0x00000040
// CHECK-NEXT: _s_name=.idata_a.o
// CHECK-NEXT: Relocation: r_vaddr=0x00000000 r_symndx=2 r_offset=2 r_type=4
// CHECK-NEXT: Relocation: r_vaddr=0x00000001 r_symndx=2 r_offset=2 r_type=3
// CHECK-NEXT: Relocation: r_vaddr=0x00000002 r_symndx=15 r_offset=0 r_type=4
// CHECK-NEXT: Relocation: r_vaddr=0x00000003 r_symndx=15 r_offset=0 r_type=3
// CHECK-NEXT: Relocation: r_vaddr=0x00000004 r_symndx=12 r_offset=0 r_type=4
// CHECK-NEXT: Relocation: r_vaddr=0x00000005 r_symndx=12 r_offset=0 r_type=3
// CHECK-NEXT: Relocation: r_vaddr=0x00000006 r_symndx=7 r_offset=1 r_type=4
// CHECK-NEXT: Relocation: r_vaddr=0x00000007 r_symndx=7 r_offset=1 r_type=3
// CHECK-NEXT: Relocation: r_vaddr=0x00000008 r_symndx=7 r_offset=1 r_type=21
// CHECK-NEXT: Raw Data:
// CHECK-NEXT: 0x00000000: 0x0000 0x0000 0x0000 0x0000 0x0100 0x0200 0x0300 0x0400
// CHECK-NEXT: 0x00000010: 0x0500 0x0600 0x00
// CHECK:      s_paddr=0x00000000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=2
// CHECK:      s_flags=0x00000100
// CHECK-NEXT: _s_name=.romdata_a.o
// CHECK-NEXT: Raw Data:
// CHECK-NEXT: 0x00000000: 0x0201
// CHECK:      s_paddr=0x00000000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=0
// CHECK:      s_flags=0x00000020
// CHECK-NEXT: _s_name=.code_a.o
// CHECK-NEXT: Raw Data:
// CHECK:      s_paddr=0x00000000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=3
// CHECK:      s_flags=0x00000100
// CHECK-NEXT: _s_name=.stringtable
// CHECK-NEXT: Raw Data:
// CHECK-NEXT: 0x00000000: 0x6968 0x00
// CHECK:      Symbol Table:
// CHECK-NEXT: Index[0]=Symbol: n_name=.file n_value=0x0000000f n_scnum=-2 n_type=0x00000000 n_sclass=103 n_numaux=1
// CHECK-NEXT: Index[1]=Aux File: x_offset=68 x_incline=0 x_flags=0
// CHECK-NEXT: Index[2]=Symbol: n_name=buffer n_value=0x00000000 n_scnum=3 n_type=0x00000062 n_sclass=2 n_numaux=1
// CHECK-NEXT: Index[3]=Aux Arr: x_tagndx=0 x_lnno=0 x_size=4 x_dimen=4,0,0,0,0,0
// CHECK-NEXT: Index[4]=Symbol: n_name=second n_value=0x00000000 n_scnum=4 n_type=0x00000022 n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[5]=Symbol: n_name=elsewhere n_value=0x00000002 n_scnum=4 n_type=0x00000024 n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[6]=Symbol: n_name=near_text n_value=0x00000004 n_scnum=4 n_type=0x00000082 n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[7]=Symbol: n_name=far_table n_value=0x00000000 n_scnum=5 n_type=0x00000062 n_sclass=2 n_numaux=1
// CHECK-NEXT: Index[8]=Aux Arr: x_tagndx=0 x_lnno=0 x_size=2 x_dimen=2,0,0,0,0,0
// CHECK-NEXT: Index[9]=Symbol: n_name=far_pointer n_value=0x00000006 n_scnum=4 n_type=0x000000a2 n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[10]=Symbol: n_name=grid n_value=0x00000009 n_scnum=4 n_type=0x00000364 n_sclass=2 n_numaux=1
// CHECK-NEXT: Index[11]=Aux Arr: x_tagndx=0 x_lnno=0 x_size=12 x_dimen=2,3,0,0,0,0
// CHECK-NEXT: Index[12]=Symbol: n_name=__string_0 n_value=0x00000000 n_scnum=7 n_type=0x00000062 n_sclass=3 n_numaux=1
// CHECK-NEXT: Index[13]=Aux Arr: x_tagndx=0 x_lnno=0 x_size=3 x_dimen=3,0,0,0,0,0
// CHECK-NEXT: Index[14]=Symbol: n_name=.eof n_value=0x00000000 n_scnum=-2 n_type=0x00000000 n_sclass=107 n_numaux=0
// CHECK-NEXT: Index[15]=Symbol: n_name=outside n_value=0x00000000 n_scnum=0 n_type=0x00000004 n_sclass=2 n_numaux=0
