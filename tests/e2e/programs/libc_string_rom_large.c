// VEXC-OPTIONS: -ml
// libc_string_rom.c in the large memory model: far rom pointers become the functions' 16-bit rom operands.
#include "libc_string_rom.c"
