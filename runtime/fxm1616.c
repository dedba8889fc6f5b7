/* 16-bit multiplication.  Operands in __AARGB1 (low) : __AARGB0 (high)
   and __BARGB1 : __BARGB0; the low 16 bits of the product replace the
   first operand. */

/* Of the four 8 x 8 partial products only the low byte of each cross
   product and the whole low product reach the low 16 bits; __TEMPB0
   gathers the high byte. */
void FXM1616U(void)
{
    _asm
        movf __AARGB1, 0, 0
        mulwf __BARGB0, 0
        movff PRODL, __TEMPB0
        movf __AARGB0, 0, 0
        mulwf __BARGB1, 0
        movf PRODL, 0, 0
        addwf __TEMPB0, 1, 0
        movf __AARGB1, 0, 0
        mulwf __BARGB1, 0
        movf PRODH, 0, 0
        addwf __TEMPB0, 0, 0
        movwf __AARGB0, 0
        movff PRODL, __AARGB1
    _endasm
}

/* The low 16 bits of a product do not depend on the operands' signs. */
void FXM1616S(void)
{
    _asm
        bra FXM1616U
    _endasm
}
