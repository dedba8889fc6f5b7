// The rom pointer member program in the large memory model: three-byte rom pointers in RAM structs and rom tables, mixed with two-byte RAM pointers.
// VEXC-OPTIONS: -ml
#include "rom_pointer_members.c"
