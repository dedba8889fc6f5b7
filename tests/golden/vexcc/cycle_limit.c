// A run that reaches the cycle limit: vxsim's own status 122 and its
// message on standard error; the program is kept, nothing else is left.
// RUN: %expect-exit 122 %vexcc --run --cycles 1000 %s > out.txt 2> err.txt
// RUN: test ! -s out.txt
// RUN: %FileCheck %s --match-full-lines < err.txt
// CHECK: vxsim: stopped at 0x{{[0-9A-F]+}}: cycle limit of 1000 reached
// RUN: test "$(ls -A)" = "$(printf 'cycle_limit.hex\nerr.txt\nout.txt')"
int main(void)
{
    for (;;)
        ;
}
