// Objects declared in an included header get a .file entry of the header
// before theirs and one of the source after; a header that declares nothing
// still gets an entry, flagged; the .file entries chain through their
// values, each closed by an .eof.
// RUN: cp %S/Inputs/shared_defs.h %S/Inputs/empty_defs.h . && cp %s main.c
// RUN: %vexc main.c -fo f.o > /dev/null
// RUN: %vxdump f.o | %FileCheck %s
char before;
#include "shared_defs.h"
#include "empty_defs.h"
char after;
// CHECK:      Symbol Table:
// CHECK-NEXT: Index[0]=Symbol: n_name=.file n_value=0x00000004 n_scnum=-2 n_type=0x00000000 n_sclass=103 n_numaux=1
// CHECK-NEXT: Index[1]=Aux File: x_offset=[[MAIN:[0-9]+]] x_incline=0 x_flags=0
// CHECK-NEXT: Index[2]=Symbol: n_name=before n_value=0x00000000 n_scnum=3
// CHECK-NEXT: Index[3]=Symbol: n_name=.eof n_value=0x00000000 n_scnum=-2 n_type=0x00000000 n_sclass=107 n_numaux=0
// CHECK-NEXT: Index[4]=Symbol: n_name=.file n_value=0x00000008 n_scnum=-2 n_type=0x00000000 n_sclass=103 n_numaux=1
// CHECK-NEXT: Index[5]=Aux File: x_offset=[[HEADER:[0-9]+]] x_incline=0 x_flags=0
// CHECK-NEXT: Index[6]=Symbol: n_name=from_header n_value=0x00000001 n_scnum=3
// CHECK-NEXT: Index[7]=Symbol: n_name=.eof
// CHECK-NEXT: Index[8]=Symbol: n_name=.file n_value=0x0000000c
// CHECK-NEXT: Index[9]=Aux File: x_offset=[[AGAIN:[0-9]+]] x_incline=0 x_flags=0
// CHECK-NEXT: Index[10]=Symbol: n_name=after n_value=0x00000002 n_scnum=3
// CHECK-NEXT: Index[11]=Symbol: n_name=.eof
// CHECK-NEXT: Index[12]=Symbol: n_name=.file n_value=0x0000000f
// CHECK-NEXT: Index[13]=Aux File: x_offset=[[EMPTY:[0-9]+]] x_incline=0 x_flags=1
// CHECK-NEXT: Index[14]=Symbol: n_name=.eof
// CHECK-NEXT: String Table:
// CHECK:      Offset[[[MAIN]]]= {{.*}}/main.c
// CHECK-NEXT: Offset[[[HEADER]]]= {{.*}}/shared_defs.h
// CHECK:      Offset[[[AGAIN]]]= {{.*}}/main.c
// CHECK-NEXT: Offset[[[EMPTY]]]= {{.*}}/empty_defs.h
