// Indexing, indirection, address, increment and member access: operand checks,
// and the two member-operator warnings that still access the member.
// RUN: %expect-exit 14 %vexc %s | %FileCheck %s
struct s { int m; } sv, *sp;
struct node;
struct node *np;
union { int a; } anon;
int *p;
void *vp;
const int ci = 1;
float f;
struct bits { unsigned b : 1; } bf;
void t(void)
{
    int i;
    i = f[p];
    i = *i;
    p = &bf.b;
    sv++;
    sv--;
    ci = 2;
    ci++;
    np++;
    i = i.m;
    i = sp.m;
    i = sv->m;
    i = sv.x;
    i = anon.x;
}
// CHECK: {{.*}}access_errors.c:16:Error [1129] [] operator requires a pointer and an integer as operands
// CHECK-NEXT: {{.*}}access_errors.c:17:Error [1130] pointer operand required for '*' operator
// CHECK-NEXT: {{.*}}access_errors.c:18:Error [1200] cannot reference the address of a bitfield
// CHECK-NEXT: {{.*}}access_errors.c:18:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}access_errors.c:19:Error [1147] scalar type expected for increment operator
// CHECK-NEXT: {{.*}}access_errors.c:20:Error [1148] scalar type expected for decrement operator
// CHECK-NEXT: {{.*}}access_errors.c:21:Error [1102] cannot assign to 'const' modified object
// CHECK-NEXT: {{.*}}access_errors.c:22:Error [1102] cannot assign to 'const' modified object
// CHECK-NEXT: {{.*}}access_errors.c:23:Error [1207] tag 'node' is incomplete
// CHECK-NEXT: {{.*}}access_errors.c:24:Error [1151] struct or union object designator expected
// CHECK-NEXT: {{.*}}access_errors.c:25:Warning [2062] '->' operator expected, not '.'
// CHECK-NEXT: {{.*}}access_errors.c:26:Warning [2063] '.' operator expected, not '->'
// CHECK-NEXT: {{.*}}access_errors.c:27:Error [1205] unknown member 'x' in 's'
// CHECK-NEXT: {{.*}}access_errors.c:27:Error [1131] type mismatch in assignment
// CHECK-NEXT: {{.*}}access_errors.c:28:Error [1206] unknown member 'x'
// CHECK-NEXT: {{.*}}access_errors.c:28:Error [1131] type mismatch in assignment
