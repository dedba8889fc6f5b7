/* The program's entry: the reset vector jumps here.  Sets up the software
   stack, gives every variable its initial value, runs main and keeps its
   result as the program's status.  Some devices lack LFSR, so the pointers
   are loaded a byte at a time. */

/* The linker's stack and its copy table of initialized data (the table's
   layout is described with the linker's start-up support). */
extern unsigned char _stack[];
extern rom unsigned char _cinit[];

/* Register pairs seen as 16-bit registers. */
extern volatile near unsigned int FSR1, FSR2, TBLPTR;

/* main is called as the void function the compiler expects by default;
   an int main leaves its result in PRODL:PRODH, which becomes the status.
   A void main leaves whatever those held, so only an int main (or a call
   of exit) gives a meaningful status. */
void main(void);

/* The program's status, where the simulator (vxsim --exit-status) and a
   debugger find it once the program sleeps; exit() stores it too. */
int __exit_status;

void _startup(void)
{
    /* Data without an initializer starts as zero.  The linker may place
       data on either side of the stack, so all general-purpose memory
       below the special-function registers (0xF60 bytes, in 246 rounds
       of 16) is cleared. */
    _asm
        clrf FSR0L, 0
        clrf FSR0H, 0
        movlw 246
    clear_16:
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        clrf POSTINC0, 0
        decfsz WREG, 1, 0
        bra clear_16
    _endasm

    FSR1 = (unsigned int)_stack;
    FSR2 = (unsigned int)_stack;
    /* The linker keeps the table in the first 64 KB of program memory. */
    TBLPTR = (unsigned int)_cinit;

    /* Each table entry names an image in program memory, the data address
       it belongs at and its length.  Nothing uses the stack yet, so its
       first bytes hold the entries left (+0, +1) and, while an image is
       copied, the table position (+2 .. +4). */
    _asm
        clrf TBLPTRU, 0
        tblrdpostinc
        movff TABLAT, _stack
        tblrdpostinc
        movff TABLAT, _stack + 1
    next_entry:
        movff _stack, PRODL
        movff _stack + 1, PRODH
        movf PRODL, 0, 0
        iorwf PRODH, 0, 0
        bz all_copied
        decf PRODL, 1, 0
        movlw 0
        subwfb PRODH, 1, 0
        movff PRODL, _stack
        movff PRODH, _stack + 1
        tblrdpostinc
        movff TABLAT, _stack + 2
        tblrdpostinc
        movff TABLAT, _stack + 3
        tblrdpostinc
        movff TABLAT, _stack + 4
        tblrdpostinc /* the image address's fourth byte, always zero */
        tblrdpostinc
        movff TABLAT, FSR0L
        tblrdpostinc
        movff TABLAT, FSR0H
        tblrdpostinc
        movff TABLAT, PRODL
        tblrdpostinc
        movff TABLAT, PRODH
        /* The table position and the image address change places. */
        movf TBLPTRL, 0, 0
        movff _stack + 2, TBLPTRL
        movff WREG, _stack + 2
        movf TBLPTRH, 0, 0
        movff _stack + 3, TBLPTRH
        movff WREG, _stack + 3
        movf TBLPTRU, 0, 0
        movff _stack + 4, TBLPTRU
        movff WREG, _stack + 4
    next_byte:
        movf PRODL, 0, 0
        iorwf PRODH, 0, 0
        bz image_copied
        tblrdpostinc
        movff TABLAT, POSTINC0
        decf PRODL, 1, 0
        movlw 0
        subwfb PRODH, 1, 0
        bra next_byte
    image_copied:
        movff _stack + 2, TBLPTRL
        movff _stack + 3, TBLPTRH
        movff _stack + 4, TBLPTRU
        bra next_entry
    all_copied:
    _endasm

    main();
    _asm
        movff PRODL, __exit_status
        movff PRODH, __exit_status + 1
    _endasm

    /* A program that returns from main stays asleep: a wake-up finds the
       sleep instruction again. */
    for (;;) {
        _asm
            sleep
        _endasm
    }
}
