// Tokens that meet only through an expansion are kept apart in the output,
// so the compiler reads them as they were; everything else keeps its
// spacing.
// RUN: cp %s t.c && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
#define EMPTY
#define MINUS -
#define PLUS(x) +x
#define NUM 1
#define DOT .
#define SLASH /
-EMPTY- MINUS- -MINUS +PLUS(+) PLUS(+)+ a EMPTY b NUM.NUM DOT DOT NUM SLASH/ SLASH*
x=EMPTY=y <EMPTY< >EMPTY= &EMPTY& |EMPTY| #EMPTY# L EMPTY'a' 1e EMPTY+1
// CHECK: - - - - - - + + + + + + a b 1 . 1 . . 1 / / / *
// CHECK-NEXT: x= =y < < > = & & | | # # L 'a' 1e +1
