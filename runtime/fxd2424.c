/* 24-bit division.  Dividend in __AARGB2 (least significant) .. __AARGB0,
   divisor in __BARGB2 .. __BARGB0; the quotient replaces the dividend and
   the remainder is left in __AARGB6 (least significant) .. __AARGB4, the
   bytes that the code generator names __REMB2 .. __REMB0.  A zero divisor
   gives the quotient 0xFFFFFF and the dividend as remainder, whatever the
   signedness. */

/* Shift and subtract, one quotient bit per round, as in the 16-bit
   routine; __TEMPB2 and __TEMPB1 hold the low bytes of a trial difference
   until the high byte shows whether it is kept.  Long variables mostly
   hold small numbers, so while the dividend's top byte is zero its eight
   rounds, which could only yield zero bits and leave the remainder zero,
   are done at once by a byte move; that is sound only for a nonzero
   divisor, hence its own path for zero.  The carry that enters the first
   round ends in the quotient when rounds were skipped, as the last
   skipped quotient bit, so it is cleared. */
void FXD2424U(void)
{
    _asm
        movf __BARGB0, 0, 0
        iorwf __BARGB1, 0, 0
        iorwf __BARGB2, 0, 0
        bnz u24_divide
        movff __AARGB2, __AARGB6
        movff __AARGB1, __AARGB5
        movff __AARGB0, __AARGB4
        setf __AARGB2, 0
        setf __AARGB1, 0
        setf __AARGB0, 0
        bra u24_done
    u24_divide:
        clrf __AARGB4, 0
        clrf __AARGB5, 0
        clrf __AARGB6, 0
        movlw 24
        movwf __TEMP, 0
    u24_skip:
        movf __AARGB0, 1, 0
        bnz u24_start
        movlw 8
        cpfsgt __TEMP, 0
        bra u24_start
        subwf __TEMP, 1, 0
        movff __AARGB1, __AARGB0
        movff __AARGB2, __AARGB1
        clrf __AARGB2, 0
        bra u24_skip
    u24_start:
        bcf STATUS, 0, 0
    u24_round:
        rlcf __AARGB2, 1, 0
        rlcf __AARGB1, 1, 0
        rlcf __AARGB0, 1, 0
        rlcf __AARGB6, 1, 0
        rlcf __AARGB5, 1, 0
        rlcf __AARGB4, 1, 0
        movf __BARGB2, 0, 0
        subwf __AARGB6, 0, 0
        movwf __TEMPB2, 0
        movf __BARGB1, 0, 0
        subwfb __AARGB5, 0, 0
        movwf __TEMPB1, 0
        movf __BARGB0, 0, 0
        subwfb __AARGB4, 0, 0
        bnc u24_next
        movwf __AARGB4, 0
        movff __TEMPB1, __AARGB5
        movff __TEMPB2, __AARGB6
    u24_next:
        decfsz __TEMP, 1, 0
        bra u24_round
        rlcf __AARGB2, 1, 0
        rlcf __AARGB1, 1, 0
        rlcf __AARGB0, 1, 0
    u24_done:
    _endasm
}

/* Truncates toward zero: the magnitudes are divided, then the quotient
   takes the sign of the operands' product and the remainder the
   dividend's sign.  Bit 7 of __TEMPB0, which the unsigned routine leaves
   alone, records the quotient's sign, bit 6 the dividend's.  A value is
   negated as 0 - low byte, then 0 - each higher byte - borrow; the most
   negative value stays itself, which read unsigned is its magnitude. */
void FXD2424S(void)
{
    _asm
        /* A zero divisor: the unsigned result is the one for both. */
        movf __BARGB0, 0, 0
        iorwf __BARGB1, 0, 0
        iorwf __BARGB2, 0, 0
        bz FXD2424U
        movf __AARGB0, 0, 0
        xorwf __BARGB0, 0, 0
        andlw 0x80
        movwf __TEMPB0, 0
        btfss __AARGB0, 7, 0
        bra s24_dividend_positive
        bsf __TEMPB0, 6, 0
        movlw 0
        negf __AARGB2, 0
        subfwb __AARGB1, 1, 0
        subfwb __AARGB0, 1, 0
    s24_dividend_positive:
        btfss __BARGB0, 7, 0
        bra s24_divisor_positive
        movlw 0
        negf __BARGB2, 0
        subfwb __BARGB1, 1, 0
        subfwb __BARGB0, 1, 0
    s24_divisor_positive:
        rcall FXD2424U
        btfss __TEMPB0, 7, 0
        bra s24_quotient_signed
        movlw 0
        negf __AARGB2, 0
        subfwb __AARGB1, 1, 0
        subfwb __AARGB0, 1, 0
    s24_quotient_signed:
        btfss __TEMPB0, 6, 0
        bra s24_remainder_signed
        movlw 0
        negf __AARGB6, 0
        subfwb __AARGB5, 1, 0
        subfwb __AARGB4, 1, 0
    s24_remainder_signed:
    _endasm
}
