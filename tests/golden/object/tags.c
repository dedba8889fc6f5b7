// Struct and union tags precede their first object, once each, with their
// members, bit-fields and anonymous members; an enumeration object has its
// integer type and no tag.
// RUN: %vexc %s -fo t.o > /dev/null
// RUN: %vxdump t.o | %FileCheck %s
struct point {
    int x;
    int y;
};
struct node {
    struct node *next;
    struct point where;
    unsigned ready : 1;
    unsigned mode : 3;
};
union word {
    unsigned int all;
    unsigned char bytes[2];
};
enum colour { RED, GREEN };
struct node head;
struct point corners[4];
union word reg;
enum colour shade;
// CHECK:      Symbol Table:
// CHECK-NEXT: Index[0]=Symbol: n_name=.file n_value=0x00000023 n_scnum=-2 n_type=0x00000000 n_sclass=103 n_numaux=1
// CHECK-NEXT: Index[1]=Aux File: x_offset=68 x_incline=0 x_flags=0
// CHECK-NEXT: Index[2]=Symbol: n_name=point n_value=0x00000000 n_scnum=-2 n_type=0x00000008 n_sclass=10 n_numaux=1
// CHECK-NEXT: Index[3]=Aux Tag: x_size=4 x_endndx=8
// CHECK-NEXT: Index[4]=Symbol: n_name=x n_value=0x00000000 n_scnum=-1 n_type=0x00000004 n_sclass=8 n_numaux=0
// CHECK-NEXT: Index[5]=Symbol: n_name=y n_value=0x00000002 n_scnum=-1 n_type=0x00000004 n_sclass=8 n_numaux=0
// CHECK-NEXT: Index[6]=Symbol: n_name=.eos n_value=0x00000000 n_scnum=-2 n_type=0x00000000 n_sclass=102 n_numaux=1
// CHECK-NEXT: Index[7]=Aux Eos: x_tagndx=2 x_size=4
// CHECK-NEXT: Index[8]=Symbol: n_name=node n_value=0x00000000 n_scnum=-2 n_type=0x00000008 n_sclass=10 n_numaux=1
// CHECK-NEXT: Index[9]=Aux Tag: x_size=7 x_endndx=24
// CHECK-NEXT: Index[10]=Symbol: n_name=next n_value=0x00000000 n_scnum=-1 n_type=0x00000028 n_sclass=8 n_numaux=1
// CHECK-NEXT: Index[11]=Aux Var: x_tagndx=8 x_size=7
// CHECK-NEXT: Index[12]=Symbol: n_name=where n_value=0x00000002 n_scnum=-1 n_type=0x00000008 n_sclass=8 n_numaux=1
// CHECK-NEXT: Index[13]=Aux Var: x_tagndx=2 x_size=4
// CHECK-NEXT: Index[14]=Symbol: n_name=ready n_value=0x00000030 n_scnum=-1 n_type=0x0000000c n_sclass=18 n_numaux=1
// CHECK-NEXT: Index[15]=Aux Field: x_size=1
// CHECK-NEXT: Index[16]=Symbol: n_name=mode n_value=0x00000031 n_scnum=-1 n_type=0x0000000c n_sclass=18 n_numaux=1
// CHECK-NEXT: Index[17]=Aux Field: x_size=3
// CHECK-NEXT: Index[18]=Symbol: n_name=.eos n_value=0x00000000 n_scnum=-2 n_type=0x00000000 n_sclass=102 n_numaux=1
// CHECK-NEXT: Index[19]=Aux Eos: x_tagndx=8 x_size=7
// CHECK-NEXT: Index[20]=Symbol: n_name=head n_value=0x00000000 n_scnum=3 n_type=0x00000008 n_sclass=2 n_numaux=1
// CHECK-NEXT: Index[21]=Aux Var: x_tagndx=8 x_size=7
// CHECK-NEXT: Index[22]=Symbol: n_name=corners n_value=0x00000007 n_scnum=3 n_type=0x00000068 n_sclass=2 n_numaux=1
// CHECK-NEXT: Index[23]=Aux Arr: x_tagndx=2 x_lnno=0 x_size=16 x_dimen=4,0,0,0,0,0
// CHECK-NEXT: Index[24]=Symbol: n_name=word n_value=0x00000000 n_scnum=-2 n_type=0x00000009 n_sclass=12 n_numaux=1
// CHECK-NEXT: Index[25]=Aux Tag: x_size=2 x_endndx=0
// CHECK-NEXT: Index[26]=Symbol: n_name=all n_value=0x00000000 n_scnum=-1 n_type=0x0000000e n_sclass=11 n_numaux=0
// CHECK-NEXT: Index[27]=Symbol: n_name=bytes n_value=0x00000000 n_scnum=-1 n_type=0x0000006c n_sclass=11 n_numaux=1
// CHECK-NEXT: Index[28]=Aux Arr: x_tagndx=0 x_lnno=0 x_size=2 x_dimen=2,0,0,0,0,0
// CHECK-NEXT: Index[29]=Symbol: n_name=.eos n_value=0x00000000 n_scnum=-2 n_type=0x00000000 n_sclass=102 n_numaux=1
// CHECK-NEXT: Index[30]=Aux Eos: x_tagndx=24 x_size=2
// CHECK-NEXT: Index[31]=Symbol: n_name=reg n_value=0x00000017 n_scnum=3 n_type=0x00000009 n_sclass=2 n_numaux=1
// CHECK-NEXT: Index[32]=Aux Var: x_tagndx=24 x_size=2
// CHECK-NEXT: Index[33]=Symbol: n_name=shade n_value=0x00000019 n_scnum=3 n_type=0x00000002 n_sclass=2 n_numaux=0
// CHECK-NEXT: Index[34]=Symbol: n_name=.eof n_value=0x00000000 n_scnum=-2 n_type=0x00000000 n_sclass=107 n_numaux=0
