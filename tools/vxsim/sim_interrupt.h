// The interrupt controller and the timer.  They act between instructions,
// and only at the boundaries that `next_event` asks for: every one while the
// timer runs or the global enable is set, else those of the cycle limit and
// of the requests from outside.
#pragma once
#include "tools/vxsim/sim_state.h"

// Makes the next boundary look at the interrupt and timer registers again.
inline void sim_rearm(sim_state &s)
{
    s.next_event = 0;
}

// Sets the enable that RETFIE gives back.  With priorities on, a return
// with GIEH clear ends a high-priority routine (which may have interrupted a
// low-priority one, whose GIEL must stay clear); with GIEH set it ends a
// low-priority one.
void sim_retfie_reenable(sim_state &s);

// Brings TMR0 up to the present: it counts the cycles since it last did
// when it runs.  Called before T0CON changes, so that each cycle is counted
// under the setting it ran with.
void sim_timer_catch_up(sim_state &s);

enum sim_boundary {
    SIM_BOUNDARY_NOTHING,
    SIM_BOUNDARY_INTERRUPT, // an interrupt was taken
    SIM_BOUNDARY_LIMIT,     // the cycle limit is reached
    SIM_BOUNDARY_OVERFLOW,  // an interrupt found the return stack full
};

// The work of a boundary that `next_event` asks for: the cycle limit, the
// timer, the requests from outside that are due and an enabled interrupt,
// then the next boundary to look at.
sim_boundary sim_boundary_events(sim_state &s);
