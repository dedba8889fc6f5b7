// Typedef names follow the scopes: a parameter hides a typedef in its
// function's body, a block-local typedef ends with its block, and a
// typedef is a type name right after the declaration that makes it.
// RUN: cp %s t.c && %vexpp -o t.i t.c && %astdump -t t.i | sed 's/ *$//' | %FileCheck %s
typedef unsigned char byte;
typedef byte pair[2];
long scale(int byte)
{
    byte = byte * 2;
    return byte;
}
void local(void)
{
    {
        typedef long wide;
        wide w;
    }
    {
        int wide;
        wide = 1;
    }
}
pair p;
// CHECK: 5: -: typedef unsigned char
// CHECK-NEXT: 6: -: [] typedef ???
// CHECK-NEXT: 7: scale: () long
// CHECK-NEXT: 12: local: () void
// CHECK-NEXT: 15: -: typedef long
// CHECK-NEXT: 16: w: ???
// CHECK-NEXT: 19: wide: int
// CHECK-NEXT: 23: p: ???
