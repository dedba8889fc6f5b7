// Temporaries: the scratch bytes of expressions that do not fit in WREG
// and the compiler-managed registers.  Each scope (the unit, an interrupt
// routine, a function under a temporary-data pragma) has one statically
// allocated block in access RAM whose offsets restart with every
// statement; around the calls of a statement the temporaries that are
// still needed afterwards are saved on the software stack.
#pragma once
#include <cstdint>

struct symbol;
struct ocode;

void tmp_enter_main();
void tmp_exit_main();
void tmp_enter_int();
// `name` is the section that receives the routine's block.
void tmp_exit_int(const char *name);
void tmp_enter_pragmatmp();
void tmp_exit_pragmatmp(const char *name);

// True inside an interrupt or pragma scope, where calls save nothing.
bool tmp_non_default();
symbol *tmp_get_sym();
// The offset of `size` fresh bytes of the active block.
uint32_t tmp_alloc(uint32_t size);
// Ends a statement: its bytes are free for the next one.
void tmp_clear();

// Replaces every OC_PUSH_TEMPS/OC_POP_TEMPS pair of a statement's list by
// the saving and restoring of the temporaries live across it; returns the
// list's new head.
ocode *tmp_save_and_restore(ocode *list);
