/* 24-bit multiplication.  Operands in __AARGB2 (least significant) ..
   __AARGB0 and __BARGB2 .. __BARGB0; the low 24 bits of the product
   replace the first operand. */

/* Only the six 8 x 8 partial products whose byte positions add up to at
   most 2 reach the low 24 bits.  They are taken from the first operand's
   most significant byte down, and the products of each byte with the
   second operand's least significant byte come last, so that every
   result byte is started in the operand byte that nothing reads any
   more: no scratch bytes are needed. */
void FXM2424U(void)
{
    _asm
        movf __AARGB0, 0, 0
        mulwf __BARGB2, 0
        movff PRODL, __AARGB0

        movf __AARGB1, 0, 0
        mulwf __BARGB1, 0
        movf PRODL, 0, 0
        addwf __AARGB0, 1, 0
        movf __AARGB1, 0, 0
        mulwf __BARGB2, 0
        movff PRODL, __AARGB1
        movf PRODH, 0, 0
        addwf __AARGB0, 1, 0

        movf __AARGB2, 0, 0
        mulwf __BARGB0, 0
        movf PRODL, 0, 0
        addwf __AARGB0, 1, 0
        movf __AARGB2, 0, 0
        mulwf __BARGB1, 0
        movf PRODL, 0, 0
        addwf __AARGB1, 1, 0
        movf PRODH, 0, 0
        addwfc __AARGB0, 1, 0
        movf __AARGB2, 0, 0
        mulwf __BARGB2, 0
        movff PRODL, __AARGB2
        movf PRODH, 0, 0
        addwf __AARGB1, 1, 0
        movlw 0
        addwfc __AARGB0, 1, 0
    _endasm
}

/* The low 24 bits of a product do not depend on the operands' signs. */
void FXM2424S(void)
{
    _asm
        bra FXM2424U
    _endasm
}
