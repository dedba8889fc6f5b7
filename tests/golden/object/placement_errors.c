// Objects whose range does not match their section's access attribute, and
// an object placed in two sections: each diagnostic at the object's own
// line, the exit status counts the errors, and no object file is written.
// RUN: %expect-exit 2 %vexc %s -fo p.o | %FileCheck %s
// RUN: test ! -e p.o
#pragma udata access fast
far char banked_in_access;
#pragma udata slow
near char near_in_banked;
#pragma udata first
int twice;
#pragma udata second
int twice;
// CHECK: placement_errors.c:7:Warning [2001] non-near symbol 'banked_in_access' declared in access section 'fast'
// CHECK-NEXT: placement_errors.c:9:Error [1303] 'near' symbol defined in non-access qualified section
// CHECK-NEXT: placement_errors.c:11:Error [1520] Conflicting declarations of symbol 'twice' in sections 'first' and 'second'
