// Checks made while definitions and declarations are reduced, each at the
// construct's own line: old-style definitions, a body after a declarator
// that is not a function, unnamed parameters of a definition, initialized
// typedefs and empty initializer lists.
// RUN: cp %s d.c && %vexpp -o d.i d.c && %expect-exit 6 %astdump d.i | %FileCheck %s
int old(a, b)
int a;
{
    return a;
}
int not_a_function { }
void unnamed(int, char c, long)
{
}
typedef int T = 4;
int empty[] = { };
// CHECK: d.c:6:Error [1302] old style function declarations not supported
// CHECK-NEXT: d.c:11:Error [1100] syntax error
// CHECK-NEXT: d.c:12:Error [1154] parameter 1 in 'unnamed' must have a name
// CHECK-NEXT: d.c:12:Error [1154] parameter 3 in 'unnamed' must have a name
// CHECK-NEXT: d.c:15:Error [1220] initializer detected in typedef declaration of 'T'
// CHECK-NEXT: d.c:16:Error [1221] empty initializer list detected
