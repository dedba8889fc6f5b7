/* 32-bit floating-point division: A / B, IEEE single operands in
   __AARGB3 (least significant) .. __AARGB0 and __BARGB3 .. __BARGB0, the
   quotient replacing A; rounded to nearest, ties to even, subnormals
   exact.  A finite nonzero A over zero gives an infinity of the
   quotient's sign and the FDZ flag; the other flags and the NaN result
   are described at the top of fppack32.c. */

void __fp_fields(void);
void __fp_unpack(void);
void __fp_pack(void);
void __fp_zero(void);
void __fp_inf(void);
void __fp_invalid(void);
void __fp_nan(void);

#define CARRY 0
#define ZERO 2
#define FDZ 3

/* Restoring division of the significands, one quotient bit per round.
   B's significand is first normalized (a subnormal B gets its top bit
   set, E counting the shifts); A's may keep leading zeros: rounds go on
   until the quotient Q, __AARGB1 (most significant) .. __AARGB4, has 32
   significant bits, which takes 32 rounds for a normal A and up to 56
   for the smallest subnormal.  The partial remainder R, __TEMPB0 ..
   __TEMPB3, stays below twice the divisor, so 25 bits; __AARGB5 ..
   __AARGB7 hold a trial difference until its top shows whether it is
   kept.  A nonzero final remainder is the sticky bit, passed to
   __fp_pack as __AARGB5.  After k rounds Q = floor(mA * 2^(k-1) / mB),
   so E = eA - eB + 159 - k, plus the normalization shifts of B. */
void FPD32(void)
{
    _asm
        call __fp_fields, 0
        movf __BARGB0, 0, 0
        xorwf __AARGB0, 1, 0
        incf __AEXP, 0, 0
        bz d_a_top
        incf __BEXP, 0, 0
        bz d_b_top
        movf __BEXP, 0, 0
        iorwf __BARGB1, 0, 0
        iorwf __BARGB2, 0, 0
        iorwf __BARGB3, 0, 0
        bz d_by_zero
        movf __AEXP, 0, 0
        iorwf __AARGB1, 0, 0
        iorwf __AARGB2, 0, 0
        iorwf __AARGB3, 0, 0
        bz d_zero

        call __fp_unpack, 0
        movf __BEXP, 0, 0
        clrf __BEXP, 0
        subwf __AEXP, 1, 0
        movlw 0
        subwfb __BEXP, 1, 0
        movlw 159
        addwf __AEXP, 1, 0
        movlw 0
        addwfc __BEXP, 1, 0
    d_normalize:
        btfsc __BARGB1, 7, 0
        bra d_start
        bcf STATUS, CARRY, 0
        rlcf __BARGB3, 1, 0
        rlcf __BARGB2, 1, 0
        rlcf __BARGB1, 1, 0
        incf __AEXP, 1, 0
        btfsc STATUS, CARRY, 0
        incf __BEXP, 1, 0
        bra d_normalize
    d_start:
        clrf __TEMPB0, 0
        movff __AARGB1, __TEMPB1
        movff __AARGB2, __TEMPB2
        movff __AARGB3, __TEMPB3
        clrf __AARGB1, 0
        clrf __AARGB2, 0
        clrf __AARGB3, 0
        clrf __AARGB4, 0
    d_round:
        movf __BARGB3, 0, 0
        subwf __TEMPB3, 0, 0
        movwf __AARGB7, 0
        movf __BARGB2, 0, 0
        subwfb __TEMPB2, 0, 0
        movwf __AARGB6, 0
        movf __BARGB1, 0, 0
        subwfb __TEMPB1, 0, 0
        movwf __AARGB5, 0
        movlw 0
        subwfb __TEMPB0, 0, 0
        bnc d_bit
        movwf __TEMPB0, 0
        movff __AARGB5, __TEMPB1
        movff __AARGB6, __TEMPB2
        movff __AARGB7, __TEMPB3
    d_bit:
        rlcf __AARGB4, 1, 0
        rlcf __AARGB3, 1, 0
        rlcf __AARGB2, 1, 0
        rlcf __AARGB1, 1, 0
        decf __AEXP, 1, 0
        btfss STATUS, CARRY, 0
        decf __BEXP, 1, 0
        bcf STATUS, CARRY, 0
        rlcf __TEMPB3, 1, 0
        rlcf __TEMPB2, 1, 0
        rlcf __TEMPB1, 1, 0
        rlcf __TEMPB0, 1, 0
        btfss __AARGB1, 7, 0
        bra d_round
        clrf __AARGB5, 0
        clrf __AARGB6, 0
        movf __TEMPB0, 0, 0
        iorwf __TEMPB1, 0, 0
        iorwf __TEMPB2, 0, 0
        iorwf __TEMPB3, 0, 0
        btfss STATUS, ZERO, 0
        bsf __AARGB5, 0, 0
        goto __fp_pack

    d_by_zero:
        movf __AEXP, 0, 0
        iorwf __AARGB1, 0, 0
        iorwf __AARGB2, 0, 0
        iorwf __AARGB3, 0, 0
        bz d_invalid
        bsf __FPFLAGS, FDZ, 0
    d_inf:
        goto __fp_inf

        /* A infinite or NaN; B anything. */
    d_a_top:
        movf __AARGB1, 0, 0
        andlw 0x7F
        iorwf __AARGB2, 0, 0
        iorwf __AARGB3, 0, 0
        bnz d_nan
        incf __BEXP, 0, 0
        bnz d_inf
        movf __BARGB1, 0, 0
        andlw 0x7F
        iorwf __BARGB2, 0, 0
        iorwf __BARGB3, 0, 0
        bnz d_nan
    d_invalid:
        goto __fp_invalid
    d_nan:
        goto __fp_nan

        /* A finite, B infinite or NaN. */
    d_b_top:
        movf __BARGB1, 0, 0
        andlw 0x7F
        iorwf __BARGB2, 0, 0
        iorwf __BARGB3, 0, 0
        bnz d_nan
    d_zero:
        goto __fp_zero
    _endasm
}
