// The wide-argument program with static activation records, where arguments go into the callee's own static bytes.
// VEXC-OPTIONS: -sco
#include "frame_wide_args.c"
