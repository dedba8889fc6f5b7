/* Float to integer: the IEEE single A in __AARGB3 (least significant) ..
   __AARGB0, truncated toward zero, becomes an n-bit integer in
   __AARGB(n/8 - 1) (least significant) .. __AARGB0 (most significant),
   for INT3232, INT3224, INT3216 and INT3208.  Every value from -2^(n-1)
   to 2^n - 1 after truncation converts exactly, modulo 2^n, so the one
   routine serves signed and unsigned destinations.  Out of that range
   the result saturates and the IOV flag (bit 0 of __FPFLAGS) is set:
   too large and +infinity give 2^(n-1) - 1, too small, -infinity and
   NaN give -2^(n-1). */

#define CARRY 0
#define ZERO 2
#define IOV 0

/* The common part, with n - 1 in WREG.  The integer is built aligned to
   the top of __AARGB0 .. __AARGB3: the significand with its hidden bit
   there stands for 2^k when the exponent is k, so a right shift by
   n - 1 - k leaves the truncated magnitude in the top n bits and the
   fraction below them, which is then cleared.  A k above n - 1 is out of
   range; for a negative value the 32-bit negation (exact, the low bytes
   being zero) is in range when the top bit of the n-bit result is set.
   __TEMP holds n - 1, __TEMPB0 the sign, __AEXP k and then the shift. */
void __fp_int(void)
{
    _asm
        movwf __TEMP, 0
        movff __AARGB0, __TEMPB0
        rlcf __AARGB1, 0, 0
        rlcf __AARGB0, 0, 0
        movwf __AEXP, 0
        incf __AEXP, 0, 0
        bz i_special
        movlw 127
        subwf __AEXP, 1, 0
        bnc i_zero
        movf __AEXP, 0, 0
        subwf __TEMP, 0, 0
        bnc i_overflow
        movwf __AEXP, 0
        movf __AARGB1, 0, 0
        iorlw 0x80
        movwf __AARGB0, 0
        movff __AARGB2, __AARGB1
        movff __AARGB3, __AARGB2
        clrf __AARGB3, 0
    i_bytes:
        movlw 7
        cpfsgt __AEXP, 0
        bra i_bits
        movff __AARGB2, __AARGB3
        movff __AARGB1, __AARGB2
        movff __AARGB0, __AARGB1
        clrf __AARGB0, 0
        movlw 8
        subwf __AEXP, 1, 0
        bra i_bytes
    i_bits:
        movf __AEXP, 1, 0
        bz i_clear
    i_bit:
        bcf STATUS, CARRY, 0
        rrcf __AARGB0, 1, 0
        rrcf __AARGB1, 1, 0
        rrcf __AARGB2, 1, 0
        rrcf __AARGB3, 1, 0
        decfsz __AEXP, 1, 0
        bra i_bit
    i_clear:
        movlw 24
        cpfslt __TEMP, 0
        bra i_sign
        clrf __AARGB3, 0
        movlw 16
        cpfslt __TEMP, 0
        bra i_sign
        clrf __AARGB2, 0
        movlw 8
        cpfslt __TEMP, 0
        bra i_sign
        clrf __AARGB1, 0
    i_sign:
        btfss __TEMPB0, 7, 0
        return 0
        movlw 0
        negf __AARGB3, 0
        subfwb __AARGB2, 1, 0
        subfwb __AARGB1, 1, 0
        subfwb __AARGB0, 1, 0
        btfsc __AARGB0, 7, 0
        return 0
    i_overflow:
        bsf __FPFLAGS, IOV, 0
        btfsc __TEMPB0, 7, 0
        bra i_lowest
        movlw 0x7F
        movwf __AARGB0, 0
        setf __AARGB1, 0
        setf __AARGB2, 0
        setf __AARGB3, 0
        return 0
    i_lowest:
        movlw 0x80
        movwf __AARGB0, 0
        clrf __AARGB1, 0
        clrf __AARGB2, 0
        clrf __AARGB3, 0
        return 0

        /* Infinity saturates by its sign, NaN as if negative. */
    i_special:
        movf __AARGB1, 0, 0
        andlw 0x7F
        iorwf __AARGB2, 0, 0
        iorwf __AARGB3, 0, 0
        btfss STATUS, ZERO, 0
        bsf __TEMPB0, 7, 0
        bra i_overflow
    i_zero:
        clrf __AARGB0, 0
        clrf __AARGB1, 0
        clrf __AARGB2, 0
        clrf __AARGB3, 0
    _endasm
}

void INT3232(void)
{
    _asm
        movlw 31
        bra __fp_int
    _endasm
}

void INT3224(void)
{
    _asm
        movlw 23
        bra __fp_int
    _endasm
}

void INT3216(void)
{
    _asm
        movlw 15
        bra __fp_int
    _endasm
}

void INT3208(void)
{
    _asm
        movlw 7
        bra __fp_int
    _endasm
}
