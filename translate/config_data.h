// The configuration bytes chosen by `#pragma config`, turned into data for
// the object file once the unit is translated.
#pragma once

// One absolute romdata section per touched configuration register, holding
// one byte; the romdata section current before stays current.
void pragma_config_generate_info();
