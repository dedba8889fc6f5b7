// In-line assembly operands are a symbol, a symbol plus or minus a
// constant, or a constant; anything else is refused with 1253 at its line.
// RUN: cp %s a.c && %vexpp -o a.i a.c && %expect-exit 2 %astdump a.i | %FileCheck %s
unsigned char buf[4], other;
void f(void)
{
    _asm
        movlw (char)5
        movwf buf + 2, 0
        movwf buf - 1, 0
        movlw 4 * 3 + 1
        movwf buf + other, 0
        addwf other * 2, 1, 0
    _endasm
}
// CHECK: a.c:12:Error [1253] constant operand expected
// CHECK-NEXT: a.c:13:Error [1253] constant operand expected
// CHECK-NOT: Error
