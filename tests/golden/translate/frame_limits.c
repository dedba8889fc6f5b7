// Frame limits: auto parameters above 120 bytes post 1301, auto locals above
// 120 bytes post 1300.
// RUN: %expect-exit 2 %vexc %s | %FileCheck %s
struct big { char bytes[100]; };
void params(struct big a, int b, int c, struct big d)
{
}
void locals(void)
{
    struct big x;
    char y[30];
}
// CHECK: {{.*}}frame_limits.c:5:Error [1301] parameter frame too large
// CHECK-NEXT: {{.*}}frame_limits.c:11:Error [1300] stack frame too large
