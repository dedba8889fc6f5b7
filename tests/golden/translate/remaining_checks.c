// The rest of the checks: a function defined twice, an integer returned as a
// pointer, '-=' operands, indirection of a pointer to void, and a constant
// true if-else.
// RUN: %expect-exit 5 %vexc %s | %FileCheck %s
int *p;
long *lp;
void *vp;
struct s { int m; } sv;
int f(void) { return 1; }
int f(void) { return 2; }
int *g(void)
{
    return 5;
}
void h(void)
{
    int i;
    p -= sv;
    i -= p;
    i = *vp;
    if (1) i = 1; else i = 2;
}
// CHECK: {{.*}}remaining_checks.c:10:Error [1504] redefinition of 'f'
// CHECK-NEXT: {{.*}}remaining_checks.c:13:Warning [2054] suspicious pointer conversion
// CHECK-NEXT: {{.*}}remaining_checks.c:18:Error [1132] integer type expected for right hand operand of '-=' operator
// CHECK-NEXT: {{.*}}remaining_checks.c:19:Error [1133] type mismatch in '-=' operator
// CHECK-NEXT: {{.*}}remaining_checks.c:20:Error [1201] cannot dereference a pointer to 'void' type
// CHECK-NEXT: {{.*}}remaining_checks.c:20:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}remaining_checks.c:21:Warning [2056] expression is always true
