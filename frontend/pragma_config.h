// Configuration-bit settings named by `#pragma config`.
#pragma once
#include <cstdint>

struct pragma_record;

// One choice of a setting; the list of a setting ends with a record that
// has no name.
struct config_value {
    const char *name;
    const char *description;
    uint32_t bits; // within the setting's mask
};

// One field of a configuration register; the list of a register ends with
// a record that has no description.
struct config_setting {
    const char *name;
    const char *description;
    uint32_t mask;
    const config_value *values;
};

// One configuration byte of a device.  The device's default byte is kept
// beside the working value so that every run starts from it again.
struct config_register {
    uint32_t address;
    uint8_t specified; // the bits set by config pragmas in this run
    uint8_t value;
    uint8_t default_value;
    uint8_t reserved;
    const config_setting *settings;
};

// A chosen setting, chained into the record of a config pragma.
struct config_choice {
    config_register *reg;
    const config_setting *setting;
    const config_value *value;
    config_choice *next;
};

// The selected device's registers; none for a device without settings.
extern config_register *config_bytes;
extern unsigned number_of_config_bytes;

// Selects the current processor's registers and returns them to the
// device defaults.
void pragma_config_initialize();
// Parses the settings after "config", the look-ahead on the first of them;
// non-zero when at least one setting was taken.
int s_parse_pragma_config(pragma_record *record);
// A new choice for the setting of this name, with no value yet; null when
// the device has no such setting.
config_choice *s_locate_setting(const char *name);
bool s_locate_value(config_choice *choice, const char *name);
// Merges the choice into its register; false, leaving the register alone,
// when every bit of the setting was already specified.
bool s_set_config_value(const config_choice *choice);
// The --help-config listing of the current processor.
void pragma_config_help();
void config_choice_free(config_choice *list);
