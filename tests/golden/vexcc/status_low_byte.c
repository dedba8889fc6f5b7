// main's 16-bit result is kept whole in __exit_status; the exit status is
// its low byte.
// RUN: %expect-exit 52 %vexcc --run %s -m prog.map -o prog.hex
// RUN: %vxsim -m prog.map prog.hex --print __exit_status:2 | %FileCheck %s --match-full-lines
// CHECK: __exit_status = 0x1234 (4660)
int main(void)
{
    return 0x1234;
}
