// A malformed directive in an included header is reported at the header's
// line, in both formats, and the run ends with status 1.
// RUN: mkdir inc && printf '#define OK 1\n#include\n' > inc/board.h
// RUN: %expect-exit 1 %vexc -I inc %s | %FileCheck %s
// RUN: %FileCheck --check-prefix=ERRFILE %s < malformed_directive.err
// CHECK: {{^/.*}}/inc/board.h:2:Error [1026] malformed #include directive
// ERRFILE: Error[1026] {{/.*}}/inc/board.h 2 : malformed #include directive

#include "board.h"
