/* 8-bit division.  Dividend in __AARGB0, divisor in __BARGB0; the
   quotient replaces the dividend and the remainder is left in __AARGB4.
   A zero divisor gives the quotient 0xFF and the dividend as remainder,
   whatever the signedness. */

/* Shift and subtract, one quotient bit per round.  The quotient bit ends
   in the carry and enters __AARGB0 from the right on the next round, as
   the dividend's bits leave it on the left for the remainder.  After k
   rounds the remainder is below 2 to the k, so it never outgrows its
   byte. */
void FXD0808U(void)
{
    _asm
        clrf __AARGB4, 0
        movlw 8
        movwf __TEMP, 0
    u8_round:
        rlcf __AARGB0, 1, 0
        rlcf __AARGB4, 1, 0
        movf __BARGB0, 0, 0
        subwf __AARGB4, 0, 0
        btfsc STATUS, 0, 0
        movwf __AARGB4, 0
        decfsz __TEMP, 1, 0
        bra u8_round
        rlcf __AARGB0, 1, 0
    _endasm
}

/* Truncates toward zero: the magnitudes are divided, then the quotient
   takes the sign of the operands' product and the remainder the
   dividend's sign.  Bit 7 of __TEMPB0 records the quotient's sign, bit 6
   the dividend's. */
void FXD0808S(void)
{
    _asm
        /* A zero divisor: the unsigned result is the one for both. */
        movf __BARGB0, 1, 0
        bz FXD0808U
        movf __AARGB0, 0, 0
        xorwf __BARGB0, 0, 0
        andlw 0x80
        movwf __TEMPB0, 0
        btfss __AARGB0, 7, 0
        bra s8_dividend_positive
        bsf __TEMPB0, 6, 0
        negf __AARGB0, 0
    s8_dividend_positive:
        btfsc __BARGB0, 7, 0
        negf __BARGB0, 0
        rcall FXD0808U
        btfsc __TEMPB0, 7, 0
        negf __AARGB0, 0
        btfsc __TEMPB0, 6, 0
        negf __AARGB4, 0
    _endasm
}
