// VEXC-OPTIONS: --standard-c
// libc_string.c in standard C mode: its string literals are passed to the functions straight from data memory.
#include "libc_string.c"
