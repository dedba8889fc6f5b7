/* 2 to an integer power, for scaling a float by a power of two.  The
   exponent n, a signed 16-bit integer, is in __AARGB1 (least significant)
   : __AARGB0; the float 2^n replaces it in __AARGB3 .. __AARGB0.  Exact
   from 2^-149 (the smallest subnormal) to 2^127; above, +infinity and the
   FOV flag; below, +0 and the FUN flag (2^-150 is a tie that rounds to the
   even zero). */

void pow2x16(void)
{
    _asm
        /* n >= 256 overflows whatever the bias; t = n + 127 is the biased
           exponent of a normal result. */
        btfsc __AARGB0, 7, 0
        bra p2_bias
        movf __AARGB0, 0, 0
        bnz p2_huge
    p2_bias:
        movlw 127
        addwf __AARGB1, 1, 0
        movlw 0
        addwfc __AARGB0, 1, 0
        btfsc __AARGB0, 7, 0
        bra p2_small
        movf __AARGB0, 0, 0
        bnz p2_huge
        movf __AARGB1, 0, 0
        bz p2_small
        incf __AARGB1, 0, 0
        bz p2_huge
        /* 1 <= t <= 254: the exponent field alone, split over the top
           two bytes. */
        movff __AARGB1, __AARGB0
        clrf __AARGB1, 0
        bcf STATUS, 0, 0
        rrcf __AARGB0, 1, 0
        rrcf __AARGB1, 1, 0
        clrf __AARGB2, 0
        clrf __AARGB3, 0
        bra p2_done
    p2_huge:
        movlw 0x7F
        movwf __AARGB0, 0
        movlw 0x80
        movwf __AARGB1, 0
        clrf __AARGB2, 0
        clrf __AARGB3, 0
        bsf __FPFLAGS, 1, 0
        bra p2_done
    p2_small:
        /* t <= 0: the subnormal whose only fraction bit is bit 22 + t,
           reached by shifting bit 22 right s = -t times. */
        comf __AARGB1, 1, 0
        comf __AARGB0, 1, 0
        incf __AARGB1, 1, 0
        movlw 0
        addwfc __AARGB0, 1, 0
        movf __AARGB0, 0, 0
        bnz p2_zero
        movlw 23
        cpfslt __AARGB1, 0
        bra p2_zero
        movff __AARGB1, __TEMP
        clrf __AARGB0, 0
        movlw 0x40
        movwf __AARGB1, 0
        clrf __AARGB2, 0
        clrf __AARGB3, 0
        movf __TEMP, 1, 0
        bz p2_done
    p2_shift:
        bcf STATUS, 0, 0
        rrcf __AARGB1, 1, 0
        rrcf __AARGB2, 1, 0
        rrcf __AARGB3, 1, 0
        decfsz __TEMP, 1, 0
        bra p2_shift
        bra p2_done
    p2_zero:
        clrf __AARGB0, 0
        clrf __AARGB1, 0
        clrf __AARGB2, 0
        clrf __AARGB3, 0
        bsf __FPFLAGS, 2, 0
    p2_done:
    _endasm
}
