// A literal that only initializes a character array is consumed by the
// initializer: the unit has no string table.
// RUN: %vexc -x %s > trees.txt; %FileCheck %s < trees.txt
char buf[] = "abc";
rom char msg[] = "hi";
void t(void)
{
    char loc[] = "xyz";
}
// CHECK:      I_INITX
// CHECK-NEXT:     I_IDSTK(loc)
// CHECK-NOT: .stringtable
