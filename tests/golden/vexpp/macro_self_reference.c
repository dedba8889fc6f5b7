// Recursion ends: a macro met inside its own expansion is left alone, and
// stays left alone when a later expansion meets it again.
// RUN: cp %s t.c && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
#define foo foo + 1
#define a b
#define b a
#define self(x) self(x) x
#define AFTER(m) m(2)
#define ident(x) x
foo
a b
self(self(1))
ident(foo)
AFTER(self)
// CHECK: foo + 1
// CHECK-NEXT: a b
// CHECK-NEXT: self(self(1) 1) self(1) 1
// CHECK-NEXT: foo + 1
// CHECK-NEXT: self(2) 2
