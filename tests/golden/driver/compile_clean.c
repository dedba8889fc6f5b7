// A clean compile through the real preprocessor succeeds and leaves neither
// the preprocessed file nor an empty error file behind.
// RUN: %vexc %s | %FileCheck %s
// RUN: test ! -e compile_clean.i && test ! -e compile_clean.err
// CHECK: Lumex Tarn VxCORE C Compiler v3.16
// CHECK-NOT: Error
int counter;

void main(void)
{
    counter = 1;
}
