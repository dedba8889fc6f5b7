/* 32-bit floating-point comparisons: IEEE single A in __AARGB3 (least
   significant) .. __AARGB0 against B in __BARGB3 .. __BARGB0.  Each
   routine leaves 1 in WREG when its relation holds and 0 when not:
   TALTB32 A < B, TALEB32 A <= B, TAGTB32 A > B, TAGEB32 A >= B and
   TAEQB32 A == B.  -0 equals +0, and every relation with a NaN is false.
   The operands stay as they are; no flags are set. */

#define CARRY 0
#define ZERO 2

/* The order of A and B as a code in WREG: 1 less, 2 equal, 4 greater,
   0 unordered, so that each relation is a mask of it.  Equal bit
   patterns are equal numbers once NaNs are out, and so are two zeros of
   any signs; otherwise different signs decide, and for one sign the bit
   patterns compare like the magnitudes, reversed for negatives.
   __TEMP gathers the differing bits. */
void __fp_cmp32(void)
{
    _asm
        rlcf __AARGB1, 0, 0
        rlcf __AARGB0, 0, 0
        xorlw 0xFF
        bnz c_a_number
        movf __AARGB1, 0, 0
        andlw 0x7F
        iorwf __AARGB2, 0, 0
        iorwf __AARGB3, 0, 0
        btfss STATUS, ZERO, 0
        retlw 0
    c_a_number:
        rlcf __BARGB1, 0, 0
        rlcf __BARGB0, 0, 0
        xorlw 0xFF
        bnz c_b_number
        movf __BARGB1, 0, 0
        andlw 0x7F
        iorwf __BARGB2, 0, 0
        iorwf __BARGB3, 0, 0
        btfss STATUS, ZERO, 0
        retlw 0
    c_b_number:
        movf __AARGB3, 0, 0
        xorwf __BARGB3, 0, 0
        movwf __TEMP, 0
        movf __AARGB2, 0, 0
        xorwf __BARGB2, 0, 0
        iorwf __TEMP, 1, 0
        movf __AARGB1, 0, 0
        xorwf __BARGB1, 0, 0
        iorwf __TEMP, 1, 0
        movf __AARGB0, 0, 0
        xorwf __BARGB0, 0, 0
        iorwf __TEMP, 1, 0
        btfsc STATUS, ZERO, 0
        retlw 2
        movf __AARGB0, 0, 0
        iorwf __BARGB0, 0, 0
        andlw 0x7F
        iorwf __AARGB1, 0, 0
        iorwf __AARGB2, 0, 0
        iorwf __AARGB3, 0, 0
        iorwf __BARGB1, 0, 0
        iorwf __BARGB2, 0, 0
        iorwf __BARGB3, 0, 0
        btfsc STATUS, ZERO, 0
        retlw 2
        movf __AARGB0, 0, 0
        xorwf __BARGB0, 0, 0
        bnn c_same_sign
        btfsc __AARGB0, 7, 0
        retlw 1
        retlw 4
    c_same_sign:
        movf __BARGB3, 0, 0
        subwf __AARGB3, 0, 0
        movf __BARGB2, 0, 0
        subwfb __AARGB2, 0, 0
        movf __BARGB1, 0, 0
        subwfb __AARGB1, 0, 0
        movf __BARGB0, 0, 0
        subwfb __AARGB0, 0, 0
        btfsc __AARGB0, 7, 0
        bra c_negative
        btfsc STATUS, CARRY, 0
        retlw 4
        retlw 1
    c_negative:
        btfsc STATUS, CARRY, 0
        retlw 1
        retlw 4
    _endasm
}

void TALTB32(void)
{
    _asm
        rcall __fp_cmp32
        andlw 1
    _endasm
}

void TALEB32(void)
{
    _asm
        rcall __fp_cmp32
        andlw 3
        btfss STATUS, ZERO, 0
        movlw 1
    _endasm
}

void TAGTB32(void)
{
    _asm
        rcall __fp_cmp32
        andlw 4
        btfss STATUS, ZERO, 0
        movlw 1
    _endasm
}

void TAGEB32(void)
{
    _asm
        rcall __fp_cmp32
        andlw 6
        btfss STATUS, ZERO, 0
        movlw 1
    _endasm
}

void TAEQB32(void)
{
    _asm
        rcall __fp_cmp32
        andlw 2
        btfss STATUS, ZERO, 0
        movlw 1
    _endasm
}
