// Arguments: empty ones, nested calls, parentheses protecting commas, calls
// spread over several lines, and arguments that are expanded before they
// are substituted but not when they are operands of # or ##.  A call keeps
// the line of its name; what follows it keeps its own line.
// RUN: cp %s t.c && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
#define ONE 1
#define pair(a, b) [a|b]
#define id(x) x
#define str(x) #x
#define xstr(x) str(x)
#define glue(a, b) a ## b
#define none() nothing
pair(,) pair(ONE,) pair(, ONE) pair((1, 2), 3)
id(id(id(ONE))) pair(id(ONE), id(pair(2, 3)))
str(ONE) xstr(ONE) glue(ON, E) glue(ONE, 2)
none() none( )
pair(
  first,
  second) after
next
// CHECK: [|] [1|] [|1] [(1, 2)|3]
// CHECK-NEXT: 1 [1|[2|3]]
// CHECK-NEXT: "ONE" "1" 1 ONE2
// CHECK-NEXT: nothing nothing
// CHECK-NEXT: [first|second]
// CHECK-EMPTY:
// CHECK-NEXT: after
// CHECK-NEXT: next
