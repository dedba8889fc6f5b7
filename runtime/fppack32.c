/* Pieces shared by the 32-bit floating-point routines: rounding and
   packing a result, the special results, and taking operands apart.

   A float is an IEEE single: sign, 8-bit biased exponent field, 23
   fraction bits, kept little-endian like a 32-bit integer, so operand A
   lies in __AARGB3 (least significant) .. __AARGB0 (sign and the top
   seven exponent bits) and operand B in __BARGB3 .. __BARGB0.  Results
   replace A.  Besides the math-library bytes the routines change only
   WREG, STATUS and PRODH:PRODL.

   __FPFLAGS collects what happened; the routines set bits, never clear
   them:
     bit 0  IOV  a float to integer conversion was out of range
     bit 1  FOV  a finite result overflowed to infinity
     bit 2  FUN  a result below the smallest normal magnitude (before
                 rounding) was inexact: subnormal or zero with loss
     bit 3  FDZ  a finite nonzero number was divided by zero
     bit 4  NAN  invalid operation: infinity - infinity, 0 * infinity,
                 0 / 0, infinity / infinity
   Every NaN result is the quiet NaN 0x7FC00000; NaN operands give it
   without raising NAN.  Subnormals are exact (gradual underflow) and
   rounding is to nearest, ties to even. */

#define CARRY 0
#define ZERO 2
#define FOV 1
#define FUN 2
#define NAN 4

/* A = the quiet NaN. */
void __fp_nan(void)
{
    _asm
        movlw 0x7F
        movwf __AARGB0, 0
        movlw 0xC0
        movwf __AARGB1, 0
        clrf __AARGB2, 0
        clrf __AARGB3, 0
    _endasm
}

/* An invalid operation: the quiet NaN and the NAN flag. */
void __fp_invalid(void)
{
    _asm
        bsf __FPFLAGS, NAN, 0
        bra __fp_nan
    _endasm
}

/* A = infinity with the sign in bit 7 of __AARGB0; the other bits of
   that byte are all ones in the result whatever they were. */
void __fp_inf(void)
{
    _asm
        movlw 0x7F
        iorwf __AARGB0, 1, 0
        movlw 0x80
        movwf __AARGB1, 0
        clrf __AARGB2, 0
        clrf __AARGB3, 0
    _endasm
}

/* A = zero with the sign in bit 7 of __AARGB0. */
void __fp_zero(void)
{
    _asm
        movlw 0x80
        andwf __AARGB0, 1, 0
        clrf __AARGB1, 0
        clrf __AARGB2, 0
        clrf __AARGB3, 0
    _endasm
}

/* The exponent fields of A and B into __AEXP and __BEXP; the operands
   stay as they are, so that special cases can still return them. */
void __fp_fields(void)
{
    _asm
        rlcf __AARGB1, 0, 0
        rlcf __AARGB0, 0, 0
        movwf __AEXP, 0
        rlcf __BARGB1, 0, 0
        rlcf __BARGB0, 0, 0
        movwf __BEXP, 0
    _endasm
}

/* After __fp_fields, for finite operands: the 24-bit significands in
   __AARGB1 .. __AARGB3 and __BARGB1 .. __BARGB3 with the hidden bit
   made explicit, and the exponents as the scale they stand for: a
   subnormal has field 0 but the scale of field 1.  Bit 7 of __AARGB1 is
   the low bit of the field, so for a subnormal it is already clear. */
void __fp_unpack(void)
{
    _asm
        movf __AEXP, 1, 0
        btfss STATUS, ZERO, 0
        bsf __AARGB1, 7, 0
        btfsc STATUS, ZERO, 0
        incf __AEXP, 1, 0
        movf __BEXP, 1, 0
        btfss STATUS, ZERO, 0
        bsf __BARGB1, 7, 0
        btfsc STATUS, ZERO, 0
        incf __BEXP, 1, 0
    _endasm
}

/* Normalizes, rounds and packs a finite result into A.
   In: the sign in bit 7 of __AARGB0; a 48-bit significand M in __AARGB1
   (most significant) .. __AARGB6; a signed 16-bit exponent E in __BEXP
   (high) : __AEXP (low), such that the value is M / 2^47 * 2^(E - 127).
   M may have leading zeros, and it may be zero (a signed zero results).

   M is shifted left until its top bit is set, a whole byte at a time
   while the top byte is zero.  Then __AARGB1 .. __AARGB3 are the 24 bits
   kept, __AARGB4 holds the round bit (bit 7) and more, and whatever is
   below, in __AARGB5 and __AARGB6, only matters as being nonzero, so it
   is folded into bit 0 of __AARGB4.  Callers that lose bits before (in
   an alignment) leave them the same way in the low bits of __AARGB4;
   that is exact as long as no more than six left shifts follow, which
   holds because bits are only lost when little cancellation is possible.

   A result below the normal range (E <= 0) is shifted right to the
   subnormal scale, E = 1, keeping lost bits in bit 0 of __AARGB4; beyond
   26 places every bit is lost anyway.  Rounding up may carry into the
   hidden bit, which then simply makes a subnormal the smallest normal,
   or out of a normal significand, which bumps E.  The field packed is E
   when the hidden bit is set and 0 otherwise; E >= 255 is an overflow. */
void __fp_pack(void)
{
    _asm
        movf __AARGB1, 0, 0
        iorwf __AARGB2, 0, 0
        iorwf __AARGB3, 0, 0
        iorwf __AARGB4, 0, 0
        iorwf __AARGB5, 0, 0
        iorwf __AARGB6, 0, 0
        bnz pk_bytes
        bra __fp_zero
    pk_bytes:
        movf __AARGB1, 1, 0
        bnz pk_bits
        movff __AARGB2, __AARGB1
        movff __AARGB3, __AARGB2
        movff __AARGB4, __AARGB3
        movff __AARGB5, __AARGB4
        movff __AARGB6, __AARGB5
        clrf __AARGB6, 0
        movlw 8
        subwf __AEXP, 1, 0
        movlw 0
        subwfb __BEXP, 1, 0
        bra pk_bytes
    pk_bits:
        btfsc __AARGB1, 7, 0
        bra pk_sticky
        bcf STATUS, CARRY, 0
        rlcf __AARGB6, 1, 0
        rlcf __AARGB5, 1, 0
        rlcf __AARGB4, 1, 0
        rlcf __AARGB3, 1, 0
        rlcf __AARGB2, 1, 0
        rlcf __AARGB1, 1, 0
        decf __AEXP, 1, 0
        btfss STATUS, CARRY, 0
        decf __BEXP, 1, 0
        bra pk_bits
    pk_sticky:
        movf __AARGB5, 0, 0
        iorwf __AARGB6, 0, 0
        btfss STATUS, ZERO, 0
        bsf __AARGB4, 0, 0

        /* E <= 0: below the normal range.  __TEMP = 1 - E, at most 26. */
        btfsc __BEXP, 7, 0
        bra pk_tiny
        movf __BEXP, 0, 0
        iorwf __AEXP, 0, 0
        bnz pk_round
    pk_tiny:
        movf __AEXP, 0, 0
        sublw 1
        movwf __TEMP, 0
        movlw 0
        subfwb __BEXP, 0, 0
        bnz pk_cap
        movlw 26
        cpfsgt __TEMP, 0
        bra pk_shift
    pk_cap:
        movlw 26
        movwf __TEMP, 0
    pk_shift:
        bcf STATUS, CARRY, 0
        rrcf __AARGB1, 1, 0
        rrcf __AARGB2, 1, 0
        rrcf __AARGB3, 1, 0
        rrcf __AARGB4, 1, 0
        btfsc STATUS, CARRY, 0
        bsf __AARGB4, 0, 0
        decfsz __TEMP, 1, 0
        bra pk_shift
        movlw 1
        movwf __AEXP, 0
        clrf __BEXP, 0
        movf __AARGB4, 0, 0
        btfss STATUS, ZERO, 0
        bsf __FPFLAGS, FUN, 0

        /* To nearest: up when above half, and at exactly half when the
           kept part is odd. */
    pk_round:
        btfss __AARGB4, 7, 0
        bra pk_range
        movf __AARGB4, 0, 0
        andlw 0x7F
        bnz pk_up
        btfss __AARGB3, 0, 0
        bra pk_range
    pk_up:
        incf __AARGB3, 1, 0
        movlw 0
        addwfc __AARGB2, 1, 0
        addwfc __AARGB1, 1, 0
        bnc pk_range
        rrcf __AARGB1, 1, 0
        incf __AEXP, 1, 0
        btfsc STATUS, CARRY, 0
        incf __BEXP, 1, 0

    pk_range:
        movf __BEXP, 1, 0
        bnz pk_overflow
        incf __AEXP, 0, 0
        bz pk_overflow
        btfss __AARGB1, 7, 0
        clrf __AEXP, 0
        bcf __AARGB1, 7, 0
        rrcf __AEXP, 0, 0
        btfsc STATUS, CARRY, 0
        bsf __AARGB1, 7, 0
        andlw 0x7F
        btfsc __AARGB0, 7, 0
        iorlw 0x80
        movwf __AARGB0, 0
        return 0
    pk_overflow:
        bsf __FPFLAGS, FOV, 0
        bra __fp_inf
    _endasm
}
