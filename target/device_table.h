// The compiled-in device rows behind the processor-database queries.
#pragma once
#include "target/procdb.h"

struct device_record {
    const char *name;
    instruction_set family;
    unsigned proc_type;
    unsigned pages;
    unsigned program_locations;
    unsigned banks;
    unsigned data_locations;
    // Offsets in a bank above this one are general-purpose registers; the
    // VxCORE rules do not consult it.
    unsigned gpr_threshold;
    bool extended_mode;
};

// Indexed by processor number - 1.
extern const device_record device_table[NUMBER_OF_PROCESSORS];
