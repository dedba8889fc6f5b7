// Diagnostics name the header file and its line through the line
// directives that the preprocessor writes, and return to the source after it.
// RUN: cp %s main.c && cp %S/Inputs/broken.h . && %vexpp -o main.i main.c
// RUN: %expect-exit 2 %astdump main.i | %FileCheck %s
#include "broken.h"
int after = = 1;
// CHECK: broken.h:3:Error: syntax error
// CHECK-NEXT: main.c:6:Error: syntax error
