// VEXC-OPTIONS: -Oi-
// libc_stdlib.c with integer promotion off, as programs are compiled by default: the library's results must not depend on it.
#include "libc_stdlib.c"
