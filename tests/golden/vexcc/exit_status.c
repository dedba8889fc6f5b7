// exit() from a nested call ends the run at once with its status: the byte
// sent after it never appears.
// RUN: %expect-exit 42 %vexcc --run %s > out.txt
// RUN: printf 'a' | cmp - out.txt
extern volatile near unsigned char TXREG;
void exit(int status);

void finish(unsigned char code)
{
    exit(code);
    TXREG = 'z';
}

int main(void)
{
    TXREG = 'a';
    finish(42);
    TXREG = 'b';
    return 7;
}
