/* 16-bit division.  Dividend in __AARGB1 (low) : __AARGB0 (high), divisor
   in __BARGB1 : __BARGB0; the quotient replaces the dividend and the
   remainder is left in __AARGB5 (low) : __AARGB4 (high).  A zero divisor
   gives the quotient 0xFFFF and the dividend as remainder, whatever the
   signedness. */

/* Shift and subtract, one quotient bit per round, as in the 8-bit
   routine; the remainder never outgrows its two bytes.  __TEMPB1 holds the
   low byte of a trial difference until the high byte shows whether it is
   kept. */
void FXD1616U(void)
{
    _asm
        clrf __AARGB4, 0
        clrf __AARGB5, 0
        movlw 16
        movwf __TEMP, 0
    u16_round:
        rlcf __AARGB1, 1, 0
        rlcf __AARGB0, 1, 0
        rlcf __AARGB5, 1, 0
        rlcf __AARGB4, 1, 0
        movf __BARGB1, 0, 0
        subwf __AARGB5, 0, 0
        movwf __TEMPB1, 0
        movf __BARGB0, 0, 0
        subwfb __AARGB4, 0, 0
        bnc u16_next
        movwf __AARGB4, 0
        movff __TEMPB1, __AARGB5
    u16_next:
        decfsz __TEMP, 1, 0
        bra u16_round
        rlcf __AARGB1, 1, 0
        rlcf __AARGB0, 1, 0
    _endasm
}

/* Truncates toward zero: the magnitudes are divided, then the quotient
   takes the sign of the operands' product and the remainder the
   dividend's sign.  Bit 7 of __TEMPB0 records the quotient's sign, bit 6
   the dividend's.  A 16-bit value is negated as 0 - low, then 0 - high -
   borrow. */
void FXD1616S(void)
{
    _asm
        /* A zero divisor: the unsigned result is the one for both. */
        movf __BARGB1, 0, 0
        iorwf __BARGB0, 0, 0
        bz FXD1616U
        movf __AARGB0, 0, 0
        xorwf __BARGB0, 0, 0
        andlw 0x80
        movwf __TEMPB0, 0
        btfss __AARGB0, 7, 0
        bra s16_dividend_positive
        bsf __TEMPB0, 6, 0
        movlw 0
        negf __AARGB1, 0
        subfwb __AARGB0, 1, 0
    s16_dividend_positive:
        btfss __BARGB0, 7, 0
        bra s16_divisor_positive
        movlw 0
        negf __BARGB1, 0
        subfwb __BARGB0, 1, 0
    s16_divisor_positive:
        rcall FXD1616U
        btfss __TEMPB0, 7, 0
        bra s16_quotient_signed
        movlw 0
        negf __AARGB1, 0
        subfwb __AARGB0, 1, 0
    s16_quotient_signed:
        btfss __TEMPB0, 6, 0
        bra s16_remainder_signed
        movlw 0
        negf __AARGB5, 0
        subfwb __AARGB4, 1, 0
    s16_remainder_signed:
    _endasm
}
