// An enumerated label needs a name of its own and a constant value.
// RUN: %expect-exit 2 %vexc %s | %FileCheck %s
int n;
void f(void)
{
    __builtin_enum_label(one, 1):
    n = 1;
    __builtin_enum_label(one, 2):
    n = 2;
    __builtin_enum_label(other, n):
    n = 3;
}
// CHECK: {{.*}}enum_label_errors.c:8:Error [1512] redefinition of label 'one'
// CHECK-NEXT: {{.*}}enum_label_errors.c:10:Error [1219] integer constant expected
