// # and ##: the standard's examples of placemarkers, of ## built by ##, and
// of stringizing string literals and white space.
// RUN: cp %s t.c && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
#define hash_hash # ## #
#define mkstr(a) # a
#define in_between(a) mkstr(a)
#define join(c, d) in_between(c hash_hash d)
char p[] = join(x, y);
#define t(x,y,z) x ## y ## z
int j[] = { t(1,2,3), t(,4,5), t(6,,7), t(8,9,),
t(10,,), t(,11,), t(,,12), t(,,) };
#define str(s) # s
#define xstr(s) str(s)
#define INCFILE(n) vers ## n
const char *s1 = str( a  "b\n"   'c'  \ d );
const char *s2 = xstr(INCFILE(2).h);
#define cat(a, b) a ## b
cat(x, 1) cat(+, =) cat(<<, =) cat(., 5e) cat(L, 'a') cat(-, >)
// CHECK: char p[] = "x ## y";
// CHECK-EMPTY:
// CHECK-NEXT: int j[] = { 123, 45, 67, 89,
// CHECK-NEXT: 10, 11, 12, };
// CHECK: const char *s1 = "a \"b\\n\" 'c' \ d";
// CHECK-NEXT: const char *s2 = "vers2.h";
// CHECK-EMPTY:
// CHECK-NEXT: x1 += <<= .5e L'a' ->
