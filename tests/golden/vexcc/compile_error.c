// A compile error stops the build: status 1, the compiler's diagnostic on
// standard error and no object, error file or program left behind.
// RUN: %expect-exit 1 %vexcc %s > out.txt 2> err.txt
// RUN: test ! -s out.txt
// RUN: %FileCheck %s < err.txt
// CHECK: compile_error.c:11:Error
// CHECK: vexcc: compiling '{{.*}}compile_error.c' failed
// RUN: test "$(ls -A)" = "$(printf 'err.txt\nout.txt')"
int main(void)
{
    return undeclared;
}
