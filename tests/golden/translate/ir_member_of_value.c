// Members of aggregate values: a call result, a conditional and an assignment
// serve as the address of their member, nested members and bit-fields
// included, and an array member decays as usual.
// RUN: %vexc -x %s > trees.txt; %FileCheck %s < trees.txt
struct in { char c; unsigned b : 1; };
struct s { int x; struct in in; char arr[3]; };
struct s f(void);
struct s a, b;
char c;
int g(void)
{
    return f().x;
}
char h(void)
{
    return f().in.c + f().arr[1] + f().in.b + (c ? a : b).in.c + (a = b).in.c;
}
// CHECK-NOT: {{Error|Warning}}
// CHECK:       10: I_BFUNCT(g)
// CHECK-NEXT:  12: I_RET16
// CHECK-NEXT:  12:     I_IND16RAM16
// CHECK-NEXT:  12:         I_MEMBERRAM16
// CHECK-NEXT:  12:             I_CALLX
// CHECK-NEXT:  12:                 I_IDROM16(f)
// CHECK-NEXT:  12:                 I_NOP
// CHECK-NEXT:   13: I_LABEL(___return_lbl00000)
// CHECK-NEXT:   13: I_EFUNCT(g)
// CHECK-NEXT:  14: I_BFUNCT(h)
// CHECK-NEXT:  16: I_RET8
// CHECK-NEXT:  16:     I_cop8(B_ADD)
// CHECK-NEXT:  16:         I_cop8(B_ADD)
// CHECK-NEXT:  16:             I_cop8(B_ADD)
// CHECK-NEXT:  16:                 I_cop8(B_ADD)
// CHECK-NEXT:  16:                     I_IND8RAM16
// CHECK-NEXT:  16:                         I_MEMBERRAM16
// CHECK-NEXT:  16:                             I_MEMBERRAM16
// CHECK-NEXT:  16:                                 I_CALLX
// CHECK-NEXT:  16:                                     I_IDROM16(f)
// CHECK-NEXT:  16:                                     I_NOP
// CHECK-NEXT:  16:                     I_IND8RAM16
// CHECK-NEXT:  16:                         I_cop16(B_ADD)
// CHECK-NEXT:  16:                             I_MEMBERRAM16
// CHECK-NEXT:  16:                                 I_CALLX
// CHECK-NEXT:  16:                                     I_IDROM16(f)
// CHECK-NEXT:  16:                                     I_NOP
// CHECK-NEXT:  16:                             I_CNST16(1)
// CHECK-NEXT:  16:                 I_BITFRAM16
// CHECK-NEXT:  16:                     I_MEMBERRAM16
// CHECK-NEXT:  16:                         I_CALLX
// CHECK-NEXT:  16:                             I_IDROM16(f)
// CHECK-NEXT:  16:                             I_NOP
// CHECK-NEXT:  16:             I_IND8RAM16
// CHECK-NEXT:  16:                 I_MEMBERRAM16
// CHECK-NEXT:  16:                     I_MEMBERRAM16
// CHECK-NEXT:  16:                         I_CONDX
// CHECK-NEXT:  16:                             I_IND8RAM16
// CHECK-NEXT:  16:                                 I_IDRAM16(c)
// CHECK-NEXT:  16:                             I_CONDSEP
// CHECK-NEXT:  16:                                 I_INDXRAM16
// CHECK-NEXT:  16:                                     I_IDRAM16(a)
// CHECK-NEXT:  16:                                 I_INDXRAM16
// CHECK-NEXT:  16:                                     I_IDRAM16(b)
// CHECK-NEXT:  16:         I_IND8RAM16
// CHECK-NEXT:  16:             I_MEMBERRAM16
// CHECK-NEXT:  16:                 I_MEMBERRAM16
// CHECK-NEXT:  16:                     I_MOVX
// CHECK-NEXT:  16:                         I_INDXRAM16
// CHECK-NEXT:  16:                             I_IDRAM16(a)
// CHECK-NEXT:  16:                         I_INDXRAM16
// CHECK-NEXT:  16:                             I_IDRAM16(b)
// CHECK-NEXT:   17: I_LABEL(___return_lbl00001)
// CHECK-NEXT:   17: I_EFUNCT(h)
