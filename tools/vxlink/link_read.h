// Reading the objects of a link into the link state.
#pragma once
#include "tools/vxlink/link_model.h"

// The section kind of a flags word: "code", "idata", "udata", "romdata",
// "actrec", or null for a word without a kind.
const char *section_kind(uint32_t flags);

// Reads every object of the options and, from the archives of the options
// and then the runtime library's, the members that the objects need; groups
// the sections and enters the external definitions.  Returns false after
// reporting errors.
bool link_read_objects(link_state *state);

// The device: the -p option, else the processor of the objects.
bool link_choose_processor(link_state *state);
