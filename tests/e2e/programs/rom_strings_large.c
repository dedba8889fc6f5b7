// The rom string program in the large memory model, where every rom char pointer is three bytes and the tables of pointers grow with it.
// VEXC-OPTIONS: -ml
#include "rom_strings.c"
