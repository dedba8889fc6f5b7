// -E with the real preprocessor: definitions from the command line are
// applied and the preprocessed file, with its line directive, is kept.
// RUN: %vexc -E -D VALUE=42 -D 'TEXT="a b"' %s
// RUN: %FileCheck %s < preprocess_real.i
// RUN: test ! -e preprocess_real.err
// CHECK: preprocess_real.c"
// CHECK: int value = 42;
// CHECK: const char *text = "a b";
int value = VALUE;
const char *text = TEXT;
