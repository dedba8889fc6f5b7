// Malformed and unresolvable #include directives; each is reported and the
// rest of the file is still read.
// RUN: cp %s t.c && %expect-exit 1 %vexpp -o t.i -e t.err t.c | %FileCheck --check-prefix=CONSOLE %s
// RUN: %FileCheck --check-prefix=ERRFILE %s < t.err
#include <stdio.h
#include "stdio.h
#include
#define NOT_A_NAME 42
#include NOT_A_NAME
#include "no_such_file.h"
#include <no_such_file.h> extra
#include "Abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz.h"
#include ""
still_read
// CONSOLE: {{.*}}/t.c:5:Error [1025] missing '>' in header name
// CONSOLE-NEXT: {{.*}}/t.c:6:Error [1025] missing '"' in header name
// CONSOLE-NEXT: {{.*}}/t.c:7:Error [1026] malformed #include directive
// CONSOLE-NEXT: {{.*}}/t.c:9:Error [1026] malformed #include directive
// CONSOLE-NEXT: {{.*}}/t.c:10:Error [1027] unable to locate 'no_such_file.h'
// CONSOLE-NEXT: {{.*}}/t.c:11:Error [1020] unexpected input following '#include'
// CONSOLE-NEXT: {{.*}}/t.c:11:Error [1027] unable to locate 'no_such_file.h'
// CONSOLE-NEXT: {{.*}}/t.c:12:Error [1042] filename for #include directive exceeds maximum filename length
// CONSOLE-NEXT: {{.*}}/t.c:13:Error [1026] malformed #include directive
// CONSOLE-NOT: Error
// ERRFILE: Error[1025] {{.*}}/t.c 5 : missing '>' in header name
// ERRFILE: Error[1042] {{.*}}/t.c 12 : filename for #include directive exceeds maximum filename length
