// VEXC-OPTIONS: --standard-c
// libc_string_rom.c in standard C mode: literals passed as rom operands stay in program memory.
#include "libc_string_rom.c"
