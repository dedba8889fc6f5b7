// Operators at every width, with the usual arithmetic conversions: char
// arithmetic stays in 8 bits by default, mixed signedness of equal size is
// unsigned, float operands convert the other side.
// RUN: %vexc -x %s > trees.txt; %FileCheck %s < trees.txt
signed char sc;
unsigned char uc;
int i;
unsigned u;
short long sl;
unsigned long ul;
float f;
void widths(void)
{
    uc = uc + uc;
    i = i - sc;
    sl = sl * u;
    ul = ul / uc;
    u = u % 7;
    f = f * i;
    i = i << uc;
    uc = uc < sc;
    i = -i;
}
// CHECK:   12: I_BFUNCT(widths)
// CHECK-NEXT:   14: I_MOV8
// CHECK-NEXT:   14:     I_IND8RAM16
// CHECK-NEXT:   14:         I_IDRAM16(uc)
// CHECK-NEXT:   14:     I_cop8(B_ADD)
// CHECK-NEXT:   14:         I_IND8RAM16
// CHECK-NEXT:   14:             I_IDRAM16(uc)
// CHECK-NEXT:   14:         I_IND8RAM16
// CHECK-NEXT:   14:             I_IDRAM16(uc)
// CHECK-NEXT:   15: I_MOV16
// CHECK-NEXT:   15:     I_IND16RAM16
// CHECK-NEXT:   15:         I_IDRAM16(i)
// CHECK-NEXT:   15:     I_SUB16
// CHECK-NEXT:   15:         I_IND16RAM16
// CHECK-NEXT:   15:             I_IDRAM16(i)
// CHECK-NEXT:   15:         I_C8TO16S
// CHECK-NEXT:   15:             I_IND8RAM16
// CHECK-NEXT:   15:                 I_IDRAM16(sc)
// CHECK-NEXT:   16: I_MOV24
// CHECK-NEXT:   16:     I_IND24RAM16
// CHECK-NEXT:   16:         I_IDRAM16(sl)
// CHECK-NEXT:   16:     I_MUL24S
// CHECK-NEXT:   16:         I_IND24RAM16
// CHECK-NEXT:   16:             I_IDRAM16(sl)
// CHECK-NEXT:   16:         I_C16TO24U
// CHECK-NEXT:   16:             I_IND16RAM16
// CHECK-NEXT:   16:                 I_IDRAM16(u)
// CHECK-NEXT:   17: I_MOV32
// CHECK-NEXT:   17:     I_IND32RAM16
// CHECK-NEXT:   17:         I_IDRAM16(ul)
// CHECK-NEXT:   17:     I_DIV32U
// CHECK-NEXT:   17:         I_IND32RAM16
// CHECK-NEXT:   17:             I_IDRAM16(ul)
// CHECK-NEXT:   17:         I_C8TO32U
// CHECK-NEXT:   17:             I_IND8RAM16
// CHECK-NEXT:   17:                 I_IDRAM16(uc)
// CHECK-NEXT:   18: I_MOV16
// CHECK-NEXT:   18:     I_IND16RAM16
// CHECK-NEXT:   18:         I_IDRAM16(u)
// CHECK-NEXT:   18:     I_MOD16U
// CHECK-NEXT:   18:         I_IND16RAM16
// CHECK-NEXT:   18:             I_IDRAM16(u)
// CHECK-NEXT:   18:         I_CNST16(7)
// CHECK-NEXT:   19: I_MOV32
// CHECK-NEXT:   19:     I_IND32RAM16
// CHECK-NEXT:   19:         I_IDRAM16(f)
// CHECK-NEXT:   19:     I_MULF
// CHECK-NEXT:   19:         I_IND32RAM16
// CHECK-NEXT:   19:             I_IDRAM16(f)
// CHECK-NEXT:   19:         I_C16STOF
// CHECK-NEXT:   19:             I_IND16RAM16
// CHECK-NEXT:   19:                 I_IDRAM16(i)
// CHECK-NEXT:   20: I_MOV16
// CHECK-NEXT:   20:     I_IND16RAM16
// CHECK-NEXT:   20:         I_IDRAM16(i)
// CHECK-NEXT:   20:     I_SHL16
// CHECK-NEXT:   20:         I_IND16RAM16
// CHECK-NEXT:   20:             I_IDRAM16(i)
// CHECK-NEXT:   20:         I_IND8RAM16
// CHECK-NEXT:   20:             I_IDRAM16(uc)
// CHECK-NEXT:   21: I_MOV8
// CHECK-NEXT:   21:     I_IND8RAM16
// CHECK-NEXT:   21:         I_IDRAM16(uc)
// CHECK-NEXT:   21:     I_LT8U
// CHECK-NEXT:   21:         I_IND8RAM16
// CHECK-NEXT:   21:             I_IDRAM16(uc)
// CHECK-NEXT:   21:         I_IND8RAM16
// CHECK-NEXT:   21:             I_IDRAM16(sc)
// CHECK-NEXT:   22: I_MOV16
// CHECK-NEXT:   22:     I_IND16RAM16
// CHECK-NEXT:   22:         I_IDRAM16(i)
// CHECK-NEXT:   22:     I_MUL16S
// CHECK-NEXT:   22:         I_IND16RAM16
// CHECK-NEXT:   22:             I_IDRAM16(i)
// CHECK-NEXT:   22:         I_CNST16(-1)
// CHECK-NEXT:   23: I_LABEL(___return_lbl00000)
// CHECK-NEXT:   23: I_EFUNCT(widths)
