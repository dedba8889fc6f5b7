// Without -Oi+ byte operands are not promoted: 200 + 100 is computed in
// eight bits and wraps to 44 before it is widened, and a byte product keeps
// its low byte; with -Oi+ the same source gives the C values.
// RUN: %vexc %s -fo n.o > /dev/null && %vxlink n.o -o n.hex -m n.map
// RUN: %vxsim -m n.map n.hex --print sum:2 --print product:2 | %FileCheck --check-prefix=NARROW %s
// RUN: %vexc -Oi+ %s -fo p.o > /dev/null && %vxlink p.o -o p.hex -m p.map
// RUN: %vxsim -m p.map p.hex --print sum:2 --print product:2 | %FileCheck --check-prefix=PROMOTED %s
unsigned char a = 200, b = 100;
unsigned int sum, product;
void main(void)
{
    sum = a + b;
    product = a * b;
}
// NARROW: sum = 0x002C (44)
// NARROW-NEXT: product = 0x0020 (32)
// PROMOTED: sum = 0x012C (300)
// PROMOTED-NEXT: product = 0x4E20 (20000)
