// An initializer converts a pointer to void to another pointer, and back,
// silently when qualifiers and memory agree, as an assignment does; other
// pointer conversions in initializers stay suspicious.
// RUN: %vexc %s -fo %t.o | %FileCheck %s
void *get(void);
int cmp(const void *a, const void *b)
{
    const int *x = a;
    int *p = get();
    void *q = p;
    char *c = p;
    return *x + *p + (q != 0) + *c;
}
// CHECK-NOT: Warning
// CHECK:     void_pointer_initializers.c:11:Warning [2054] suspicious pointer conversion
// CHECK-NOT: Warning
