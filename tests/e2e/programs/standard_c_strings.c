// VEXC-OPTIONS: --standard-c
// Standard C mode: string literals that become pointers to data memory live in data memory (arrays of pointers, locals, arguments, returns), those that meet pointers to program memory stay there, and chars promote to int.
#include "../e2e.h"
rom char banner[] = "rom!";
char buf[] = "buf";
char *messages[] = {"one", "two", "three"};
rom char *rp = "romptr";
u8 length(const char *s) { u8 n = 0; while (*s++) n++; return n; }
u8 rlength(const rom char *s) { u8 n = 0; while (*s++) n++; return n; }
const char *pick(u8 i) { return i ? "yes" : "no"; }
const rom char *rpick(void) { return "rom-return"; }
void main(void)
{
    char *p = "hello";
    u8 c = 200;
    put8(length(p)); put8(p[1]);
    put8(length("abcdefg")); put8(rlength("abc"));
    put8(length(messages[2])); put8(messages[1][1]);
    put8(rlength(rp)); put8(rlength(banner)); put8(length(buf));
    put8(length(pick(1))); put8(length(pick(0))); put8(rlength(rpick()));
    put16(c + c);
}
