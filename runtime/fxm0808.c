/* 8-bit multiplication with the whole product.  Operands in __AARGB0 and
   __BARGB0; the 16-bit product is left in __AARGB1 (low) : __AARGB0
   (high). */

/* The hardware multiplies unsigned bytes, which is all this needs. */
void FXM0808U(void)
{
    _asm
        movf __AARGB0, 0, 0
        mulwf __BARGB0, 0
        movff PRODH, __AARGB0
        movff PRODL, __AARGB1
    _endasm
}

/* The hardware reads a negative byte x as x + 256, which adds 256 times
   the other operand to the product: only the high byte is wrong, and each
   negative operand is undone by subtracting the other one from it. */
void FXM0808S(void)
{
    _asm
        movf __AARGB0, 0, 0
        mulwf __BARGB0, 0
        btfsc __BARGB0, 7, 0
        subwf PRODH, 1, 0
        movf __BARGB0, 0, 0
        btfsc __AARGB0, 7, 0
        subwf PRODH, 1, 0
        movff PRODH, __AARGB0
        movff PRODL, __AARGB1
    _endasm
}
