// --run: the bytes the program writes to TXREG are vexcc's standard output,
// exactly, and main's result is vexcc's exit status.  Nothing is left but
// the program.
// RUN: %expect-exit 3 %vexcc --run %s > out.txt 2> err.txt
// RUN: printf 'hi\n' | cmp - out.txt
// RUN: %FileCheck %s --check-prefix=ERR --match-full-lines < err.txt
// ERR: Lumex Tarn VxCORE C Compiler v{{[0-9.]+}}
// ERR-NOT: {{.}}
// RUN: test "$(ls -A)" = "$(printf 'err.txt\nout.txt\nrun_output_status.hex')"
extern volatile near unsigned char TXREG;

int main(void)
{
    TXREG = 'h';
    TXREG = 'i';
    TXREG = '\n';
    return 3;
}
