// Malformed #line directives, unknown directives and an unterminated
// comment (reported where it starts).
// RUN: cp %s t.c && %expect-exit 1 %vexpp -o t.i -e t.err t.c | %FileCheck --check-prefix=CONSOLE %s
// RUN: %FileCheck --check-prefix=ERRFILE %s < t.err
#line x
#line 12 "name.c" extra
#line 2147483648
#warning not a directive here
#line 20
text /* never closed
// CONSOLE: {{.*}}/t.c:5:Error [1016] integer constant expected for #line directive
// CONSOLE-NEXT: {{.*}}/t.c:6:Error [1020] unexpected input following '#line'
// CONSOLE-NEXT: {{.*}}/t.c:7:Error [1016] integer constant expected for #line directive
// CONSOLE-NEXT: {{.*}}/t.c:8:Error [1000] unknown preprocessor directive '#warning'
// CONSOLE-NEXT: {{.*}}/t.c:20:Error [1021] unterminated comment
// CONSOLE-NOT: Error
// ERRFILE: Error[1021] {{.*}}/t.c 20 : unterminated comment
