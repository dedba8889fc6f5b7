/* 32-bit multiplication.  Operands in __AARGB3 (least significant) ..
   __AARGB0 and __BARGB3 .. __BARGB0; the low 32 bits of the product
   replace the first operand. */

/* Only the ten 8 x 8 partial products whose byte positions add up to at
   most 3 reach the low 32 bits.  They are taken from the first operand's
   most significant byte down, and the products of each byte with the
   second operand's least significant byte come last, so that every
   result byte is started in the operand byte that nothing reads any
   more: no scratch bytes are needed. */
void FXM3232U(void)
{
    _asm
        movf __AARGB0, 0, 0
        mulwf __BARGB3, 0
        movff PRODL, __AARGB0

        movf __AARGB1, 0, 0
        mulwf __BARGB2, 0
        movf PRODL, 0, 0
        addwf __AARGB0, 1, 0
        movf __AARGB1, 0, 0
        mulwf __BARGB3, 0
        movff PRODL, __AARGB1
        movf PRODH, 0, 0
        addwf __AARGB0, 1, 0

        movf __AARGB2, 0, 0
        mulwf __BARGB1, 0
        movf PRODL, 0, 0
        addwf __AARGB0, 1, 0
        movf __AARGB2, 0, 0
        mulwf __BARGB2, 0
        movf PRODL, 0, 0
        addwf __AARGB1, 1, 0
        movf PRODH, 0, 0
        addwfc __AARGB0, 1, 0
        movf __AARGB2, 0, 0
        mulwf __BARGB3, 0
        movff PRODL, __AARGB2
        movf PRODH, 0, 0
        addwf __AARGB1, 1, 0
        movlw 0
        addwfc __AARGB0, 1, 0

        movf __AARGB3, 0, 0
        mulwf __BARGB0, 0
        movf PRODL, 0, 0
        addwf __AARGB0, 1, 0
        movf __AARGB3, 0, 0
        mulwf __BARGB1, 0
        movf PRODL, 0, 0
        addwf __AARGB1, 1, 0
        movf PRODH, 0, 0
        addwfc __AARGB0, 1, 0
        movf __AARGB3, 0, 0
        mulwf __BARGB2, 0
        movf PRODL, 0, 0
        addwf __AARGB2, 1, 0
        movf PRODH, 0, 0
        addwfc __AARGB1, 1, 0
        movlw 0
        addwfc __AARGB0, 1, 0
        movf __AARGB3, 0, 0
        mulwf __BARGB3, 0
        movff PRODL, __AARGB3
        movf PRODH, 0, 0
        addwf __AARGB2, 1, 0
        movlw 0
        addwfc __AARGB1, 1, 0
        addwfc __AARGB0, 1, 0
    _endasm
}

/* The low 32 bits of a product do not depend on the operands' signs, so
   the signed, the unsigned and the sign-agnostic name share one body. */
void FXM3232S(void)
{
    _asm
        bra FXM3232U
    _endasm
}

void FXM3232(void)
{
    _asm
        bra FXM3232U
    _endasm
}
