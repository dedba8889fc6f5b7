// VEXC-OPTIONS: -Oi-
// libc_ctype.c with integer promotion off, as programs are compiled by default: char arguments widen to int by the prototypes alone.
#include "libc_ctype.c"
