// Comments become white space; a block comment over several lines keeps
// the lines after it where they were.  Backslash-newline joins lines
// anywhere, even inside a name or a comment opener; a token keeps the
// line it starts on, so text after a splice inside a line moves down.
// RUN: cp %s t.c && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
int a; /* one
two
three */ int b; // to the end of the line
int/**/c; "/* not a comment */" '//'
#define LONG_MACRO(x) \
  ((x) + \
   1)
int spl\
iced = LONG_MACRO(2); /\
* a spliced comment opener */ int d;
int e; // a line comment continued \
   onto this line
int f;
// CHECK: int a;
// CHECK-EMPTY:
// CHECK-NEXT: int b;
// CHECK-NEXT: int c; "/* not a comment */" '//'
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-NEXT: int spliced
// CHECK-NEXT: = ((2) + 1);
// CHECK-NEXT: int d;
// CHECK-NEXT: int e;
// CHECK-EMPTY:
// CHECK-NEXT: int f;
