// A preprocessor error stops the build: status 1, the preprocessor's
// diagnostic on standard error and no file left behind.
// RUN: %expect-exit 1 %vexcc %s -m prog.map > out.txt 2> err.txt
// RUN: test ! -s out.txt
// RUN: %FileCheck %s < err.txt
// CHECK: preprocessor_error.c:9:Error
// CHECK: vexcc: compiling '{{.*}}preprocessor_error.c' failed
// RUN: test "$(ls -A)" = "$(printf 'err.txt\nout.txt')"
#include "no_such_header.h"

int main(void)
{
    return 0;
}
