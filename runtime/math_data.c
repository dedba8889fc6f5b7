/* Where the math routines take their operands and leave their results.
   The routines and the code that calls them reach these bytes without
   bank selection, and some of them as one multi-byte value, so the order
   below is the order in memory: __AARGB0 is the most significant byte
   of a value that starts lower, at __AARGB1, __AARGB2, ...  Besides these
   bytes the routines change only WREG, STATUS and PRODH:PRODL, which is
   all that an interrupt routine calling them has to save. */

#pragma udata access MATH_DATA
near unsigned char __AARGB7, __AARGB6, __AARGB5, __AARGB4;
near unsigned char __AARGB3, __AARGB2, __AARGB1, __AARGB0;
near unsigned char __AEXP;
near unsigned char __BARGB3, __BARGB2, __BARGB1, __BARGB0;
near unsigned char __BEXP;
near unsigned char __TEMPB3, __TEMPB2, __TEMPB1, __TEMPB0;
near unsigned char __TEMP;
near unsigned char __FPFLAGS;
