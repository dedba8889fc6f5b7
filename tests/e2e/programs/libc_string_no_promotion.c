// VEXC-OPTIONS: -Oi-
// libc_string.c with integer promotion off, as programs are compiled by default: the library's results must not depend on it.
#include "libc_string.c"
