#include <string.h>

/* In C the compiler keeps the pointer and the 16-bit count in the frame,
   some forty instructions a byte; with the pointer in FSR0 and the count
   in PROD the loop takes three.  The count runs as PRODH passes of PRODL
   bytes: PRODH is raised by one when PRODL is not zero, so that the first
   pass is the partial one, and a count of zero leaves PRODH zero. */
void *memset(void *dst, int c, size_t n)
{
    _asm
        movlw 0xfd
        movff PLUSW2, FSR0L
        movlw 0xfe
        movff PLUSW2, FSR0H
        movlw 0xf9
        movff PLUSW2, PRODL
        movlw 0xfa
        movff PLUSW2, PRODH
        movf PRODL, 1, 0
        btfss STATUS, 2, 0
        incf PRODH, 1, 0
        movlw 0xfb
        movf PLUSW2, 0, 0
        tstfsz PRODH, 0
        bra memset_fill
        bra memset_done
    memset_fill:
        movwf POSTINC0, 0
        decfsz PRODL, 1, 0
        bra memset_fill
        decfsz PRODH, 1, 0
        bra memset_fill
    memset_done:
    _endasm
    return dst;
}
