// Configuration-bit settings named by `#pragma config`.
#pragma once

struct pragma_record;

// A chosen setting, chained into the record of a config pragma.
struct config_choice {
    const void *reg;
    const void *setting;
    const void *value;
    config_choice *next;
};

// Parses the settings after "config", the look-ahead on the first of them;
// non-zero when at least one setting was taken.
int s_parse_pragma_config(pragma_record *record);
void config_choice_free(config_choice *list);
