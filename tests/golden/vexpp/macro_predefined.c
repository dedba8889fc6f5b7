// The predefined macros: __FILE__ and __LINE__ follow the file and line
// (and #line), __STDC__ is 1, __DATE__ and __TIME__ have their fixed
// formats, and the compiler's -d definitions arrive like --define ones.
// RUN: cp %s t.c && cp %S/Inputs/file_and_line.h . && %vexpp -o t.i -d__VxCORE -d__SMALL__ --define SPEED=4 --define 'SQ(x)=((x)*(x))' t.c
// RUN: %FileCheck --match-full-lines %s < t.i
__FILE__ __LINE__ __STDC__
#include "file_and_line.h"
__DATE__ __TIME__
__VxCORE __SMALL__ SPEED SQ(SPEED)
#if defined(__FILE__) && defined __LINE__ && __STDC__ == 1
ok
#endif
// CHECK: "t.c" 6 1
// CHECK-NEXT: #line 1 "file_and_line.h"
// CHECK-NEXT: "file_and_line.h" 1
// CHECK-NEXT: #line 8 "t.c"
// CHECK-NEXT: "{{(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [ 123][0-9] [0-9][0-9][0-9][0-9]}}" "{{[0-2][0-9]:[0-5][0-9]:[0-6][0-9]}}"
// CHECK-NEXT: 1 1 4 ((4)*(4))
// CHECK-EMPTY:
// CHECK-NEXT: ok
