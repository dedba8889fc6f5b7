// abort() ends the run with status 134.
// RUN: %expect-exit 134 %vexcc --run %s
void abort(void);

int main(void)
{
    abort();
    return 1;
}
