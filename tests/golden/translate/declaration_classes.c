// Storage-class checks of declarations: auto at file scope, static functions
// in a block, extern with an initializer in a block, overlay functions,
// extern and rom parameters, static parameters of function pointers, void
// objects, conflicting redeclarations, overlay near locals, and an
// initializer on a function.
// RUN: %expect-exit 10 %vexc %s | %FileCheck %s
auto int file_auto;
void f(void)
{
    static void inner(void);
    extern int e = 1;
}
overlay void g(void);
void h(extern int p);
void k(rom int q);
void (*fp)(static int x);
void v;
int dup;
char dup;
void w(void)
{
    int local;
    int local;
    overlay near int on;
}
int fn(void) = 3;
// CHECK: {{.*}}declaration_classes.c:7:Warning [2072] invalid storage class specifier for file_auto; ignoring
// CHECK-NEXT: {{.*}}declaration_classes.c:10:Warning [2072] invalid storage class specifier for inner; ignoring
// CHECK-NEXT: {{.*}}declaration_classes.c:11:Error [1510] e cannot have 'extern' storage class, block scope, and an initializer
// CHECK-NEXT: {{.*}}declaration_classes.c:13:Error [1506] function 'g' cannot have 'overlay' storage class specifier
// CHECK-NEXT: {{.*}}declaration_classes.c:14:Error [1509] p cannot have 'extern' storage class
// CHECK-NEXT: {{.*}}declaration_classes.c:15:Error [1173] cannot locate a parameter in program memory, 'q'
// CHECK-NEXT: {{.*}}declaration_classes.c:16:Error [1175] static parameter detected in function pointer 'fp'
// CHECK-NEXT: {{.*}}declaration_classes.c:17:Error [1178] illegal declaration of object of type void
// CHECK-NEXT: {{.*}}declaration_classes.c:19:Error [1109] type mismatch in redeclaration of 'dup'
// CHECK-NEXT: {{.*}}declaration_classes.c:23:Error [1505] redeclaration of 'local'
// CHECK-NEXT: {{.*}}declaration_classes.c:24:Error [1507] variable 'on' of 'overlay' storage class cannot have 'near' qualifier
// CHECK-NEXT: {{.*}}declaration_classes.c:26:Error [1218] extraneous initializer values
