// Every malformed #define is reported on the console and in the error file
// at its own line; the run goes on with the next line and fails at the end
// without leaving an output file.
// RUN: cp %s t.c && %expect-exit 1 %vexpp -o t.i -e t.err t.c | %FileCheck --check-prefix=CONSOLE %s
// RUN: test ! -e t.i && test ! -e t.i.vexpp-part
// RUN: %FileCheck --check-prefix=ERRFILE %s < t.err
#define 3 x
#define
#define defined 1
#define f(a, b
#define g(a b) a
#define h(1) 1
#define k(a, a) a
#define m-1
#define n ## x
#define o x ##
#define p(a) # b
#define q(a) ## a
#define r 1
#define r 2
#define s(a) a
#define s(b) b
#define __LINE__ 3
#define v(..., a) a
// CONSOLE: {{.*}}/t.c:7:Error [1035] expecting macro name, received '3' instead
// CONSOLE-NEXT: {{.*}}/t.c:8:Error [1035] expecting macro name, received 'end of line' instead
// CONSOLE-NEXT: {{.*}}/t.c:9:Error [1035] expecting macro name, received 'defined' instead
// CONSOLE-NEXT: {{.*}}/t.c:10:Error [1036] syntax error in macro argument list, expecting ')'
// CONSOLE-NEXT: {{.*}}/t.c:11:Error [1038] syntax error in macro argument list
// CONSOLE-NEXT: {{.*}}/t.c:12:Error [1038] syntax error in macro argument list
// CONSOLE-NEXT: {{.*}}/t.c:13:Error [1037] duplicate parameter name 'a' in macro 'k'
// CONSOLE-NEXT: {{.*}}/t.c:14:Error [1039] illegal character in macro name '-'
// CONSOLE-NEXT: {{.*}}/t.c:15:Error [1040] # or ## operator found in simple macro n
// CONSOLE-NEXT: {{.*}}/t.c:16:Error [1040] # or ## operator found in simple macro o
// CONSOLE-NEXT: {{.*}}/t.c:17:Error [1041] # operator requires a parameter name as operand
// CONSOLE-NEXT: {{.*}}/t.c:18:Error [1000] ## needs an operand on each side in macro 'q'
// CONSOLE-NEXT: {{.*}}/t.c:20:Error [1034] previous definition of macro 'r' does not agree
// CONSOLE-NEXT: {{.*}}/t.c:22:Error [1034] previous definition of macro 's' does not agree
// CONSOLE-NEXT: {{.*}}/t.c:23:Error [1035] expecting macro name, received '__LINE__' instead
// CONSOLE-NEXT: {{.*}}/t.c:24:Error [1036] syntax error in macro argument list, expecting ')'
// CONSOLE-NOT: Error
// ERRFILE: Error[1035] {{.*}}/t.c 7 : expecting macro name, received '3' instead
// ERRFILE: Error[1037] {{.*}}/t.c 13 : duplicate parameter name 'a' in macro 'k'
// ERRFILE: Error[1036] {{.*}}/t.c 24 : syntax error in macro argument list, expecting ')'
