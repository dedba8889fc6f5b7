// Declaration checks: linkage of redeclarations, array sizes completed or in
// conflict, overlay parameters, the form of main, rom locals, redefinition by
// a second initializer, and overlay objects at file scope.
// RUN: %expect-exit 5 %vexc %s | %FileCheck %s
static int x;
extern int x;
extern int y;
static int y;
int a[];
int a[10];
int b[5];
int b[10];
void f(overlay int p);
int main(void) { return 0; }
void g(void)
{
    rom int r;
    static rom int s;
    overlay int t;
}
int i = 1;
int i = 2;
overlay int o;
// CHECK: {{.*}}declaration_errors.c:8:Error [1508] inconsistent linkage for y
// CHECK-NEXT: {{.*}}declaration_errors.c:12:Error [1109] type mismatch in redeclaration of 'b'
// CHECK-NEXT: {{.*}}declaration_errors.c:13:Warning [2071] p cannot have 'overlay' storage class; replacing with 'static'
// CHECK-NEXT: {{.*}}declaration_errors.c:14:Warning [2103] default startup code expects main function declared as 'void main (void)'
// CHECK-NEXT: {{.*}}declaration_errors.c:17:Error [1174] local 'r' in program memory can not be 'auto'
// CHECK-NEXT: {{.*}}declaration_errors.c:22:Error [1504] redefinition of 'i'
// CHECK-NEXT: {{.*}}declaration_errors.c:23:Error [1155] 'overlay' symbol 'o' not in function scope
