// A call with the wrong number of arguments is reported and dropped; the
// text goes on after it.  (The variable arguments may be left out.)
// RUN: cp %s t.c && %expect-exit 1 %vexpp -o t.i -e t.err t.c | %FileCheck --check-prefix=CONSOLE %s
// RUN: %FileCheck --check-prefix=ERRFILE %s < t.err
#define two(a, b) a b
#define none() x
#define var(a, ...) a
two(1) none(2) two(1, 2, 3) var() after
#define OPEN two(1,
#if OPEN 2
#endif
#define pasted(a, b) a ## b
pasted(+, /) pasted(/, *) pasted(/, /)
// CONSOLE: {{.*}}/t.c:8:Error [1024] macro 'two' expects 2 arguments, but only 1 found
// CONSOLE-NEXT: {{.*}}/t.c:8:Error [1000] macro 'none' takes 0 arguments, but 1 were given
// CONSOLE-NEXT: {{.*}}/t.c:8:Error [1000] macro 'two' takes 2 arguments, but 3 were given
// CONSOLE-NEXT: {{.*}}/t.c:10:Error [1032] ')' expected in expansion of macro 'two'
// CONSOLE-NEXT: {{.*}}/t.c:13:Error [1000] '+' ## '/' does not make one token
// CONSOLE-NEXT: {{.*}}/t.c:13:Error [1000] '/' ## '*' does not make one token
// CONSOLE-NEXT: {{.*}}/t.c:13:Error [1000] '/' ## '/' does not make one token
// CONSOLE-NOT: Error
// ERRFILE: Error[1024] {{.*}}/t.c 8 : macro 'two' expects 2 arguments, but only 1 found
