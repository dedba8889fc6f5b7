/* Integer to float: an n-bit integer in __AARGB(n/8 - 1) (least
   significant) .. __AARGB0 (most significant), signed for FLO3232S,
   FLO2432S, FLO1632S and FLO0832S and unsigned for the U routines,
   becomes the IEEE single nearest to it (ties to even) in __AARGB3 ..
   __AARGB0. */

void __fp_pack(void);

/* The integer, with zero bytes below it, is a 32-bit value aligned to
   the top; a negative one is negated there, the most negative becoming
   its magnitude read unsigned.  Moved one byte down it is __fp_pack's
   48-bit significand M = |x| * 2^(48 - n), so E = 126 + n; __fp_pack
   normalizes and rounds it.  The wrappers pass E in WREG; __TEMP bit 7
   carries the sign. */
void __fp_flo(void)
{
    _asm
        movff __AARGB3, __AARGB4
        movff __AARGB2, __AARGB3
        movff __AARGB1, __AARGB2
        movff __AARGB0, __AARGB1
        movff __TEMP, __AARGB0
        clrf __AARGB5, 0
        clrf __AARGB6, 0
        clrf __BEXP, 0
        goto __fp_pack
    _endasm
}

void __fp_flo_u(void)
{
    _asm
        movwf __AEXP, 0
        clrf __TEMP, 0
        bra __fp_flo
    _endasm
}

void __fp_flo_s(void)
{
    _asm
        movwf __AEXP, 0
        movff __AARGB0, __TEMP
        btfss __TEMP, 7, 0
        bra __fp_flo
        movlw 0
        negf __AARGB3, 0
        subfwb __AARGB2, 1, 0
        subfwb __AARGB1, 1, 0
        subfwb __AARGB0, 1, 0
        bra __fp_flo
    _endasm
}

void FLO3232U(void)
{
    _asm
        movlw 158
        bra __fp_flo_u
    _endasm
}

void FLO3232S(void)
{
    _asm
        movlw 158
        bra __fp_flo_s
    _endasm
}

void FLO2432U(void)
{
    _asm
        clrf __AARGB3, 0
        movlw 150
        bra __fp_flo_u
    _endasm
}

void FLO2432S(void)
{
    _asm
        clrf __AARGB3, 0
        movlw 150
        bra __fp_flo_s
    _endasm
}

void FLO1632U(void)
{
    _asm
        clrf __AARGB2, 0
        clrf __AARGB3, 0
        movlw 142
        bra __fp_flo_u
    _endasm
}

void FLO1632S(void)
{
    _asm
        clrf __AARGB2, 0
        clrf __AARGB3, 0
        movlw 142
        bra __fp_flo_s
    _endasm
}

void FLO0832U(void)
{
    _asm
        clrf __AARGB1, 0
        clrf __AARGB2, 0
        clrf __AARGB3, 0
        movlw 134
        bra __fp_flo_u
    _endasm
}

void FLO0832S(void)
{
    _asm
        clrf __AARGB1, 0
        clrf __AARGB2, 0
        clrf __AARGB3, 0
        movlw 134
        bra __fp_flo_s
    _endasm
}
