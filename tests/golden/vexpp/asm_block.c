// In-line assembly is ordinary text to the preprocessor: macros in it
// expand and its lines stay where they are.
// RUN: cp %s t.c && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
#define COUNT 0x10
#define REG(n) FSR ## n ## L
void f(void) {
  _asm
    movlw COUNT
    movwf REG(0), 0 ; not a comment to C
  _endasm
}
// CHECK: void f(void) {
// CHECK-NEXT: _asm
// CHECK-NEXT: movlw 0x10
// CHECK-NEXT: movwf FSR0L, 0 ; not a comment to C
// CHECK-NEXT: _endasm
// CHECK-NEXT: }
