// The eight-level call chain with static activation records overlaid by the call graph.
// VEXC-OPTIONS: -sco
#include "frame_call_chain.c"
