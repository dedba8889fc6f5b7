/* 32-bit floating-point addition and subtraction: A + B and A - B, IEEE
   single operands in __AARGB3 (least significant) .. __AARGB0 and
   __BARGB3 .. __BARGB0, the result replacing A; rounded to nearest, ties
   to even, subnormals exact.  The flags and the NaN result are described
   at the top of fppack32.c. */

void __fp_fields(void);
void __fp_unpack(void);
void __fp_pack(void);
void __fp_invalid(void);
void __fp_nan(void);

#define ZERO 2
#define CARRY 0

/* The operands are ordered so that |A| >= |B|: the result then has A's
   sign, B is the one aligned to A's exponent, and a subtraction of
   significands never goes negative.  Float bit patterns without the
   sign order like their magnitudes, so the exponent fields decide, then
   the fraction bytes.

   Alignment shifts B right by the exponent difference into an extra
   byte, __TEMPB3, below its 24 bits; bits shifted out of that byte are
   gathered in __TEMPB2 and leave a 1 in bit 0 of __TEMPB3, which is
   enough to round correctly, also after a subtraction borrows from it.
   A difference of 26 or more leaves B below a quarter of A's last place,
   where only its being nonzero counts, so the shift stops there.  An
   exactly cancelling difference is +0; two zeros of one sign keep it.
   __TEMP bit 7 is set for a subtraction of magnitudes. */
void FPA32(void)
{
    _asm
        call __fp_fields, 0
        movf __AARGB0, 0, 0
        xorwf __BARGB0, 0, 0
        movwf __TEMP, 0
        incf __AEXP, 0, 0
        btfsc STATUS, ZERO, 0
        bra a_a_top
        incf __BEXP, 0, 0
        btfsc STATUS, ZERO, 0
        bra a_b_top

        movf __BEXP, 0, 0
        subwf __AEXP, 0, 0
        bnz a_ordered
        movf __BARGB3, 0, 0
        subwf __AARGB3, 0, 0
        movf __BARGB2, 0, 0
        subwfb __AARGB2, 0, 0
        movf __BARGB1, 0, 0
        subwfb __AARGB1, 0, 0
    a_ordered:
        bc a_b_zero
        movf __AARGB0, 0, 0
        movff __BARGB0, __AARGB0
        movwf __BARGB0, 0
        movf __AARGB1, 0, 0
        movff __BARGB1, __AARGB1
        movwf __BARGB1, 0
        movf __AARGB2, 0, 0
        movff __BARGB2, __AARGB2
        movwf __BARGB2, 0
        movf __AARGB3, 0, 0
        movff __BARGB3, __AARGB3
        movwf __BARGB3, 0
        movf __AEXP, 0, 0
        movff __BEXP, __AEXP
        movwf __BEXP, 0

        /* B zero: A is the result, but of two zeros only -0 + -0 is -0. */
    a_b_zero:
        movf __BEXP, 0, 0
        iorwf __BARGB1, 0, 0
        iorwf __BARGB2, 0, 0
        iorwf __BARGB3, 0, 0
        bnz a_finite
        movf __AEXP, 0, 0
        iorwf __AARGB1, 0, 0
        iorwf __AARGB2, 0, 0
        iorwf __AARGB3, 0, 0
        btfss STATUS, ZERO, 0
        return 0
        movf __BARGB0, 0, 0
        andwf __AARGB0, 1, 0
        return 0

    a_finite:
        call __fp_unpack, 0
        movf __BEXP, 0, 0
        subwf __AEXP, 0, 0
        movwf __BEXP, 0
        movlw 26
        cpfslt __BEXP, 0
        movwf __BEXP, 0
        clrf __TEMPB3, 0
        clrf __TEMPB2, 0
    a_bytes:
        movlw 7
        cpfsgt __BEXP, 0
        bra a_bits
        movf __TEMPB3, 0, 0
        iorwf __TEMPB2, 1, 0
        movff __BARGB3, __TEMPB3
        movff __BARGB2, __BARGB3
        movff __BARGB1, __BARGB2
        clrf __BARGB1, 0
        movlw 8
        subwf __BEXP, 1, 0
        bra a_bytes
    a_bits:
        movf __BEXP, 1, 0
        bz a_jam
    a_bit:
        bcf STATUS, CARRY, 0
        rrcf __BARGB1, 1, 0
        rrcf __BARGB2, 1, 0
        rrcf __BARGB3, 1, 0
        rrcf __TEMPB3, 1, 0
        btfsc STATUS, CARRY, 0
        bsf __TEMPB2, 0, 0
        decfsz __BEXP, 1, 0
        bra a_bit
    a_jam:
        movf __TEMPB2, 1, 0
        btfss STATUS, ZERO, 0
        bsf __TEMPB3, 0, 0

        /* The sum in __AARGB1 .. __AARGB4 at A's scale, E = A's exponent:
           __fp_pack's M is that, followed by two zero bytes. */
        clrf __AARGB4, 0
        clrf __AARGB5, 0
        clrf __AARGB6, 0
        btfsc __TEMP, 7, 0
        bra a_subtract
        movf __TEMPB3, 0, 0
        addwf __AARGB4, 1, 0
        movf __BARGB3, 0, 0
        addwfc __AARGB3, 1, 0
        movf __BARGB2, 0, 0
        addwfc __AARGB2, 1, 0
        movf __BARGB1, 0, 0
        addwfc __AARGB1, 1, 0
        bnc a_pack
        rrcf __AARGB1, 1, 0
        rrcf __AARGB2, 1, 0
        rrcf __AARGB3, 1, 0
        rrcf __AARGB4, 1, 0
        btfsc STATUS, CARRY, 0
        bsf __AARGB4, 0, 0
        incf __AEXP, 1, 0
        bra a_pack
    a_subtract:
        movf __TEMPB3, 0, 0
        subwf __AARGB4, 1, 0
        movf __BARGB3, 0, 0
        subwfb __AARGB3, 1, 0
        movf __BARGB2, 0, 0
        subwfb __AARGB2, 1, 0
        movf __BARGB1, 0, 0
        subwfb __AARGB1, 1, 0
        movf __AARGB1, 0, 0
        iorwf __AARGB2, 0, 0
        iorwf __AARGB3, 0, 0
        iorwf __AARGB4, 0, 0
        btfsc STATUS, ZERO, 0
        bcf __AARGB0, 7, 0
    a_pack:
        goto __fp_pack

        /* A infinite or NaN; B anything. */
    a_a_top:
        movf __AARGB1, 0, 0
        andlw 0x7F
        iorwf __AARGB2, 0, 0
        iorwf __AARGB3, 0, 0
        bnz a_nan
        incf __BEXP, 0, 0
        btfss STATUS, ZERO, 0
        return 0
        movf __BARGB1, 0, 0
        andlw 0x7F
        iorwf __BARGB2, 0, 0
        iorwf __BARGB3, 0, 0
        bnz a_nan
        btfss __TEMP, 7, 0
        return 0
        goto __fp_invalid
    a_nan:
        goto __fp_nan

        /* A finite, B infinite or NaN. */
    a_b_top:
        movf __BARGB1, 0, 0
        andlw 0x7F
        iorwf __BARGB2, 0, 0
        iorwf __BARGB3, 0, 0
        bnz a_nan
        movff __BARGB0, __AARGB0
        movff __BARGB1, __AARGB1
        movff __BARGB2, __AARGB2
        movff __BARGB3, __AARGB3
    _endasm
}

/* A - B is A + (-B); a NaN B stays a NaN. */
void FPS32(void)
{
    _asm
        btg __BARGB0, 7, 0
        bra FPA32
    _endasm
}
