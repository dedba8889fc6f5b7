// Call checks: too few and too many arguments, an argument that does not fit
// its parameter, a suspicious integer for a pointer, a call of something that
// is not a function, a call without prototype, and a result of incomplete type.
// RUN: %expect-exit 5 %vexc %s | %FileCheck %s
struct s { int m; } sv;
struct later;
struct later make(void);
void two(int a, int b);
void ptr(int *p);
void old();
int notfn;
void calls(void)
{
    two(1);
    two(1, 2, 3);
    two(sv, 1);
    ptr(5);
    notfn(1);
    old(1);
    make();
}
// CHECK: {{.*}}call_errors.c:14:Error [1203] too few arguments in function call
// CHECK-NEXT: {{.*}}call_errors.c:15:Error [1204] too many arguments in function call
// CHECK-NEXT: {{.*}}call_errors.c:16:Error [1146] type mismatch in argument 1
// CHECK-NEXT: {{.*}}call_errors.c:17:Warning [2054] suspicious pointer conversion
// CHECK-NEXT: {{.*}}call_errors.c:18:Error [1202] call of non-function
// CHECK-NEXT: {{.*}}call_errors.c:19:Warning [2058] call of function without prototype
// CHECK-NEXT: {{.*}}call_errors.c:20:Error [1165] reference to incomplete tag 'later'
