// Copying the objects' contents into their output sections and patching
// every relocation, with the range checks of each field.
#pragma once
#include "tools/vxlink/link_model.h"

bool link_relocate(link_state *state);
