// A macro may be defined again only the same way: the same parameters and
// the same replacement with white space in the same places.  #undef lets
// it change; names that were never defined may be undefined.
// RUN: cp %s t.c && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
#define OBJ_LIKE (1-1)
#define OBJ_LIKE /* white space */ (1-1) /* other */
#define FUNC_LIKE(a) ( a )
#define FUNC_LIKE( a )( /* note the white space */ \
a /* other stuff on this line
*/ )
#undef OBJ_LIKE
#define OBJ_LIKE 2
#undef NEVER_DEFINED
OBJ_LIKE FUNC_LIKE(3)
// CHECK: 2 ( 3 )
// RUN: printf '#define OBJ_LIKE (1-1)\n#define OBJ_LIKE (0)\n#define F(a) a\n#define F(b) b\n#define G(a) (a)\n#define G(a) ( a )\n' > bad.c
// RUN: %expect-exit 1 %vexpp -o bad.i bad.c | %FileCheck --check-prefix=BAD %s
// BAD: {{.*}}/bad.c:2:Error [1034] previous definition of macro 'OBJ_LIKE' does not agree
// BAD-NEXT: {{.*}}/bad.c:4:Error [1034] previous definition of macro 'F' does not agree
// BAD-NEXT: {{.*}}/bad.c:6:Error [1034] previous definition of macro 'G' does not agree
