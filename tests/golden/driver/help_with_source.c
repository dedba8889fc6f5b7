// A help option ends the run after parsing: no sign-on, no preprocessing,
// even with a source file named; the other help spellings do the same.
// RUN: cp %vexc %S/Inputs/vexpp .
// RUN: ./vexc --help %s | %FileCheck %s
// RUN: ./vexc %s -? | %FileCheck %s
// RUN: ./vexc -h %s | %FileCheck %s
// RUN: test ! -e help_with_source.i && test ! -e help_with_source.err
// CHECK: Usage: vexc [options] file [options]
// CHECK-NOT: Lumex Tarn
// CHECK-NOT: [-o]
int x;
