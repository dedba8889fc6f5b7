// Pointer subtraction, comparisons, logical and conditional operators: operand
// checks.  Incompatible pointers in a subtraction post 1143 alone.
// RUN: %expect-exit 17 %vexc -w3 %s | %FileCheck %s
struct s { int m; } sv;
int *p;
long *lp;
float f;
unsigned u;
void t(void)
{
    int i;
    i = p - lp;
    i = p - f;
    i = p == f;
    i = p < lp;
    i = !sv;
    i = sv || i;
    i = sv && i;
    i = sv ? 1 : 2;
    i = i ? sv : 2;
    i = f == 1.0;
    i = u < -1;
}
// CHECK: {{.*}}compare_logic_errors.c:12:Error [1143] pointer difference requires pointers to compatible types
// CHECK-NEXT: {{.*}}compare_logic_errors.c:12:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}compare_logic_errors.c:13:Error [1144] integer type required for pointer subtraction
// CHECK-NEXT: {{.*}}compare_logic_errors.c:13:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}compare_logic_errors.c:14:Error [1128] compatible scalar operands required for comparison
// CHECK-NEXT: {{.*}}compare_logic_errors.c:14:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}compare_logic_errors.c:15:Error [1128] compatible scalar operands required for comparison
// CHECK-NEXT: {{.*}}compare_logic_errors.c:15:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}compare_logic_errors.c:16:Error [1122] scalar operand expected for '!' operator
// CHECK-NEXT: {{.*}}compare_logic_errors.c:16:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}compare_logic_errors.c:17:Error [1123] scalar operands expected for '||' operator
// CHECK-NEXT: {{.*}}compare_logic_errors.c:17:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}compare_logic_errors.c:18:Error [1124] scalar operands expected for '&&' operator
// CHECK-NEXT: {{.*}}compare_logic_errors.c:18:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}compare_logic_errors.c:19:Error [1121] scalar type expected in '?:' expression
// CHECK-NEXT: {{.*}}compare_logic_errors.c:20:Error [1127] operand type mismatch in '?:' operator
// CHECK-NEXT: {{.*}}compare_logic_errors.c:20:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}compare_logic_errors.c:21:Message [3000] test of floating point for equality detected
// CHECK-NEXT: {{.*}}compare_logic_errors.c:22:Message [3002] comparison of a signed integer to an unsigned integer detected
