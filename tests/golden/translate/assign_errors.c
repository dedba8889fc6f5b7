// Casts, assignments and identifiers.  A pointer target that adds const
// accepts silently; one that drops it, or points to another memory space,
// warns with 2066.
// RUN: %expect-exit 7 %vexc %s | %FileCheck %s
struct s { int m; } sv;
int arr[2], brr[2];
int *p;
long *lp;
const int *cp;
rom int *rp;
void t(void)
{
    int i;
    i = (struct s) i;
    p = 5;
    p = lp;
    3 = i;
    i = undefined_name;
    arr = brr;
    p = cp;
    cp = p;
    p = rp;
    p = 0;
}
// CHECK: {{.*}}assign_errors.c:14:Error [1152] scalar or void type expected for cast
// CHECK-NEXT: {{.*}}assign_errors.c:15:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}assign_errors.c:16:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}assign_errors.c:17:Error [1101] lvalue required
// CHECK-NEXT: {{.*}}assign_errors.c:18:Error [1105] symbol 'undefined_name' has not been defined
// CHECK-NEXT: {{.*}}assign_errors.c:18:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}assign_errors.c:19:Error [1153] cannot assign array type objects
// CHECK-NEXT: {{.*}}assign_errors.c:20:Warning [2066] type qualifier mismatch in assignment
// CHECK-NEXT: {{.*}}assign_errors.c:22:Warning [2066] type qualifier mismatch in assignment
