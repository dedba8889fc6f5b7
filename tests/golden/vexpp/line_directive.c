// #line sets the number of the next line and optionally the file name,
// also when they come from macros; __LINE__ and __FILE__ follow it and so
// do the directives in the output.  The "# N "file"" form is read too.
// RUN: cp %s t.c && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
#line 100
a __LINE__
#define NAME "renamed.c"
#define NUMBER 7
#line NUMBER NAME
b __LINE__ __FILE__
c
# 40 "marker.c" 2
d __FILE__
#line 12 "t.c"
e __LINE__
// CHECK: #line 100 "t.c"
// CHECK-NEXT: a 100
// CHECK-NEXT: #line 7 "renamed.c"
// CHECK-NEXT: b 7 "renamed.c"
// CHECK-NEXT: c
// CHECK-NEXT: #line 40 "marker.c"
// CHECK-NEXT: d "marker.c"
// CHECK-NEXT: #line 12 "t.c"
// CHECK-NEXT: e 12
