// The eight-level call chain with locals in static storage.
// VEXC-OPTIONS: -scs
#include "frame_call_chain.c"
