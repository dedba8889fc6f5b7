// A symbol that nothing defines stops the build at the link: status 1,
// the linker's message on standard error, and neither the program, the map
// nor the objects of the C files are left behind.
// RUN: %expect-exit 1 %vexcc %s -o prog.hex -m prog.map > out.txt 2> err.txt
// RUN: test ! -s out.txt
// RUN: %FileCheck %s < err.txt
// CHECK: vxlink: error: undefined symbol 'missing'
// CHECK: vexcc: linking failed
// RUN: test "$(ls -A)" = "$(printf 'err.txt\nout.txt')"
int missing(void);

int main(void)
{
    return missing();
}
