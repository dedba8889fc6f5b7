// A compile that posts an error exits with the error count, keeps the error
// file and leaves no object file, not even a stale one from an earlier run.
// RUN: touch compile_error.o
// RUN: %expect-exit 1 %vexc %s | %FileCheck %s
// RUN: test ! -e compile_error.o && test ! -e compile_error.i
// RUN: %FileCheck --check-prefix=ERRFILE %s < compile_error.err
// CHECK: Lumex Tarn VxCORE C Compiler v3.16
// CHECK-NEXT: {{.*}}/compile_error.c:{{[0-9]+}}:Error: syntax error
// ERRFILE: Error[yy] {{.*}}/compile_error.c {{[0-9]+}} : syntax error
int counter = ;
