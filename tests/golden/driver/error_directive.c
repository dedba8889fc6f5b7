// An #error line seen by the preprocessor that the compiler spawns: the
// numbered diagnostic names the file and line in both formats, the error file
// stays, and the run ends with status 1 before compiling.
// RUN: %expect-exit 1 %vexc %s | %FileCheck %s
// RUN: %FileCheck --check-prefix=ERRFILE %s < error_directive.err
// RUN: test ! -e error_directive.o
// CHECK: {{^/.*}}/driver/error_directive.c:12:Error [1099] board revision not selected
// ERRFILE: Error[1099] {{/.*}}/driver/error_directive.c 12 : board revision not selected
// CHECK-NOT: Error

#ifndef BOARD_REVISION
#error board revision not selected
#endif
