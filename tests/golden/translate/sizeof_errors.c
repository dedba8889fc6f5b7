// __builtin_ittype refuses aggregates; sizeof refuses an incomplete struct.
// RUN: %expect-exit 2 %vexc %s | %FileCheck %s
struct pair { int a, b; };
struct later;
int n;
void f(void)
{
    n = __builtin_ittype(struct pair);
    n = sizeof(struct later);
}
// CHECK: {{.*}}sizeof_errors.c:8:Error [1519] aggregate types not allowed in __builtin_ittype()
// CHECK-NEXT: {{.*}}sizeof_errors.c:9:Error [1165] reference to incomplete tag 'later'
