// Operand checks of the arithmetic, bitwise and shift operators: each failed
// check posts its diagnostic and continues with the left operand, which the
// assignment then rejects; warnings for unary minus of an unsigned value and
// for a shift by a constant zero (not of a volatile operand).
// RUN: %expect-exit 19 %vexc %s | %FileCheck %s
struct s { int m; } sv;
int *p;
float f;
unsigned u;
volatile int vi;
void t(void)
{
    int i;
    i = p + f;
    i = sv + 1;
    i = sv - 1;
    i = f * sv;
    i = sv / 2;
    i = f % 2;
    i = f << 1;
    i = f & 1;
    i = f | 1;
    i = f ^ 1;
    i = ~f;
    i = +sv;
    i = -sv;
    i = -u;
    i = i << 0;
    i = vi << 0;
}
// CHECK: {{.*}}arith_operand_errors.c:14:Error [1141] integer type expected for pointer addition
// CHECK-NEXT: {{.*}}arith_operand_errors.c:14:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}arith_operand_errors.c:15:Error [1142] type mismatch in '+' operator
// CHECK-NEXT: {{.*}}arith_operand_errors.c:15:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}arith_operand_errors.c:16:Error [1145] arithmetic type expected for subtraction operator
// CHECK-NEXT: {{.*}}arith_operand_errors.c:16:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}arith_operand_errors.c:17:Error [1134] arithmetic operands required for multiplication operator
// CHECK-NEXT: {{.*}}arith_operand_errors.c:18:Error [1158] arithmetic operands required for division operator
// CHECK-NEXT: {{.*}}arith_operand_errors.c:18:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}arith_operand_errors.c:19:Error [1135] integer operands required for modulus operator
// CHECK-NEXT: {{.*}}arith_operand_errors.c:20:Error [1136] integer operands required for shift operator
// CHECK-NEXT: {{.*}}arith_operand_errors.c:21:Error [1137] integer types required for bitwise AND operator
// CHECK-NEXT: {{.*}}arith_operand_errors.c:22:Error [1138] integer types required for bitwise OR operator
// CHECK-NEXT: {{.*}}arith_operand_errors.c:23:Error [1139] integer types required for bitwise XOR operator
// CHECK-NEXT: {{.*}}arith_operand_errors.c:24:Error [1140] integer type required for bitwise NOT operator
// CHECK-NEXT: {{.*}}arith_operand_errors.c:25:Error [1149] arithmetic type expected for unary plus
// CHECK-NEXT: {{.*}}arith_operand_errors.c:25:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}arith_operand_errors.c:26:Error [1150] arithmetic type expected for unary minus
// CHECK-NEXT: {{.*}}arith_operand_errors.c:26:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}arith_operand_errors.c:27:Warning [2059] unary minus of unsigned value
// CHECK-NEXT: {{.*}}arith_operand_errors.c:28:Warning [2060] shift expression has no effect
