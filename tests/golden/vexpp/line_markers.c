// Every token reaches the compiler on its own file and line: a gap of up
// to 8 lines is bridged with empty lines, a longer one (like a skipped
// group) by a line directive, and entering or leaving a file always gets
// one, naming the line after the #include.
// RUN: cp %s t.c && cp %S/Inputs/one_line.h . && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
first
#if 0
1
2
3
4
5
6
7
8
9
10
#endif
after_skipped_group
#include "one_line.h"
after_include







eight_lines_later
// CHECK: #line 1 "t.c"
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-NEXT: first
// CHECK-NEXT: #line 19 "t.c"
// CHECK-NEXT: after_skipped_group
// CHECK-NEXT: #line 1 "one_line.h"
// CHECK-NEXT: in_header
// CHECK-NEXT: #line 21 "t.c"
// CHECK-NEXT: after_include
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-NEXT: eight_lines_later
