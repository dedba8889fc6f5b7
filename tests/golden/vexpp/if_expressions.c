// #if arithmetic: the host's widest integers with C's conversions, the
// target's constant forms, short-circuit operators that leave division by
// zero unevaluated, and identifiers that are no macro counting as 0.
// RUN: cp %s t.c && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
#define TWO 2
#define PLUS +
#define FUNC(x) (x * 2)
#if 0x10 + 010 + 0b11 + 10 == 37
hex_octal_binary
#endif
#if -1 < 0u
#else
unsigned_comparison
#endif
#if 2147483647 + 1 == 2147483648 && 4294967295u + 1 == 4294967296
wider_than_32_bits
#endif
#if 'A' == 65 && '\n' == 10 && '\x41' == 65 && '\101' == 65 && L'a' == 97
characters
#endif
#if (TWO PLUS 3) * FUNC(4) == 40 && UNDEFINED == 0 && (UNDEFINED2 || 1)
macros_and_identifiers
#endif
#if 1 ? 0 : 1/0
#elif 0 && 1/0 || 1 || 1/0
short_circuit
#endif
#if (-9 / 2 == -4) && (-9 % 2 == -1) && (1 << 62 >> 61 == 2) && (-8 >> 1 == -4) && ~0 == -1 && !0
division_and_shifts
#endif
#if 0x7fffffffffffffff > 0 && 18446744073709551615 == -1
largest_constants
#endif
#if (1, 0)
#else
comma
#endif
// CHECK: hex_octal_binary
// CHECK: unsigned_comparison
// CHECK: wider_than_32_bits
// CHECK: characters
// CHECK: macros_and_identifiers
// CHECK: short_circuit
// CHECK: division_and_shifts
// CHECK: largest_constants
// CHECK: comma
