// A member of an aggregate value is not an object: it cannot be assigned,
// referenced or incremented; unknown members are still reported.
// RUN: %expect-exit 6 %vexc %s | %FileCheck %s
struct s { int x; };
struct s f(void);
void t(void)
{
    int *p;
    f().x = 1;
    p = &f().x;
    f().x++;
    p = f().y;
}
// CHECK: {{.*}}member_of_value_errors.c:9:Error [1101] lvalue required
// CHECK-NEXT: {{.*}}member_of_value_errors.c:10:Error [1101] lvalue required
// CHECK-NEXT: {{.*}}member_of_value_errors.c:10:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}member_of_value_errors.c:11:Error [1101] lvalue required
// CHECK-NEXT: {{.*}}member_of_value_errors.c:12:Error [1205] unknown member 'y' in 's'
// CHECK-NEXT: {{.*}}member_of_value_errors.c:12:Error [1131] type mismatch in assignment
