// VEXC-OPTIONS: --standard-c
// libc_stdlib.c in standard C mode: the strings to convert come straight from literals in data memory.
#include "libc_stdlib.c"
