/* 32-bit floating-point multiplication: A * B, IEEE single operands in
   __AARGB3 (least significant) .. __AARGB0 and __BARGB3 .. __BARGB0, the
   product replacing A; rounded to nearest, ties to even, subnormals
   exact.  The flags and the NaN result are described at the top of
   fppack32.c. */

void __fp_fields(void);
void __fp_unpack(void);
void __fp_pack(void);
void __fp_zero(void);
void __fp_inf(void);
void __fp_invalid(void);
void __fp_nan(void);

/* The 24-bit significands multiply into 48 bits, __AARGB1 (most
   significant) .. __AARGB6, with A's significand copied to __TEMPB1 ..
   __TEMPB3 first since the product overwrites it.  The three squares of
   equal byte positions fill the product without overlapping; the six
   cross products are then added with their carries.  For normal
   operands the product lies in [2^46, 2^48); a subnormal operand only
   adds leading zeros, which __fp_pack shifts out before rounding.  With
   M = the product, M / 2^47 * 2^(E - 127) is the result when
   E = eA + eB - 126, computed in 16 bits: it can fall below zero or
   beyond 255. */
void FPM32(void)
{
    _asm
        call __fp_fields, 0
        movf __BARGB0, 0, 0
        xorwf __AARGB0, 1, 0
        incf __AEXP, 0, 0
        bz m_a_top
        incf __BEXP, 0, 0
        bz m_b_top
        movf __AEXP, 0, 0
        iorwf __AARGB1, 0, 0
        iorwf __AARGB2, 0, 0
        iorwf __AARGB3, 0, 0
        bz m_zero
        movf __BEXP, 0, 0
        iorwf __BARGB1, 0, 0
        iorwf __BARGB2, 0, 0
        iorwf __BARGB3, 0, 0
        bz m_zero

        call __fp_unpack, 0
        movf __BEXP, 0, 0
        clrf __BEXP, 0
        addwf __AEXP, 1, 0
        rlcf __BEXP, 1, 0
        movlw 126
        subwf __AEXP, 1, 0
        movlw 0
        subwfb __BEXP, 1, 0

        movff __AARGB1, __TEMPB1
        movff __AARGB2, __TEMPB2
        movff __AARGB3, __TEMPB3
        movf __TEMPB3, 0, 0
        mulwf __BARGB3, 0
        movff PRODH, __AARGB5
        movff PRODL, __AARGB6
        movf __TEMPB2, 0, 0
        mulwf __BARGB2, 0
        movff PRODH, __AARGB3
        movff PRODL, __AARGB4
        movf __TEMPB1, 0, 0
        mulwf __BARGB1, 0
        movff PRODH, __AARGB1
        movff PRODL, __AARGB2

        movf __TEMPB3, 0, 0
        mulwf __BARGB2, 0
        movf PRODL, 0, 0
        addwf __AARGB5, 1, 0
        movf PRODH, 0, 0
        addwfc __AARGB4, 1, 0
        movlw 0
        addwfc __AARGB3, 1, 0
        addwfc __AARGB2, 1, 0
        addwfc __AARGB1, 1, 0
        movf __TEMPB2, 0, 0
        mulwf __BARGB3, 0
        movf PRODL, 0, 0
        addwf __AARGB5, 1, 0
        movf PRODH, 0, 0
        addwfc __AARGB4, 1, 0
        movlw 0
        addwfc __AARGB3, 1, 0
        addwfc __AARGB2, 1, 0
        addwfc __AARGB1, 1, 0

        movf __TEMPB3, 0, 0
        mulwf __BARGB1, 0
        movf PRODL, 0, 0
        addwf __AARGB4, 1, 0
        movf PRODH, 0, 0
        addwfc __AARGB3, 1, 0
        movlw 0
        addwfc __AARGB2, 1, 0
        addwfc __AARGB1, 1, 0
        movf __TEMPB1, 0, 0
        mulwf __BARGB3, 0
        movf PRODL, 0, 0
        addwf __AARGB4, 1, 0
        movf PRODH, 0, 0
        addwfc __AARGB3, 1, 0
        movlw 0
        addwfc __AARGB2, 1, 0
        addwfc __AARGB1, 1, 0

        movf __TEMPB2, 0, 0
        mulwf __BARGB1, 0
        movf PRODL, 0, 0
        addwf __AARGB3, 1, 0
        movf PRODH, 0, 0
        addwfc __AARGB2, 1, 0
        movlw 0
        addwfc __AARGB1, 1, 0
        movf __TEMPB1, 0, 0
        mulwf __BARGB2, 0
        movf PRODL, 0, 0
        addwf __AARGB3, 1, 0
        movf PRODH, 0, 0
        addwfc __AARGB2, 1, 0
        movlw 0
        addwfc __AARGB1, 1, 0
        goto __fp_pack

    m_zero:
        goto __fp_zero

        /* A infinite or NaN; B anything.  The case of B infinite too is
           the one below, with an A that is not zero. */
    m_a_top:
        movf __AARGB1, 0, 0
        andlw 0x7F
        iorwf __AARGB2, 0, 0
        iorwf __AARGB3, 0, 0
        bnz m_nan
        incf __BEXP, 0, 0
        bz m_b_top
        movf __BEXP, 0, 0
        iorwf __BARGB1, 0, 0
        iorwf __BARGB2, 0, 0
        iorwf __BARGB3, 0, 0
        bz m_invalid
        goto __fp_inf

        /* B infinite or NaN, A not NaN. */
    m_b_top:
        movf __BARGB1, 0, 0
        andlw 0x7F
        iorwf __BARGB2, 0, 0
        iorwf __BARGB3, 0, 0
        bnz m_nan
        movf __AEXP, 0, 0
        iorwf __AARGB1, 0, 0
        iorwf __AARGB2, 0, 0
        iorwf __AARGB3, 0, 0
        bz m_invalid
        goto __fp_inf
    m_invalid:
        goto __fp_invalid
    m_nan:
        goto __fp_nan
    _endasm
}
