#include "translate/config_data.h"

#include <cstdio>

#include "frontend/post_at.h"
#include "frontend/pragma_config.h"
#include "translate/lower.h"
#include "translate/symtab.h"
#include "translate/trnalloc.h"

void pragma_config_generate_info()
{
    // The older configuration macro declares this variable.
    const symbol *legacy = sym_lookup_sym("_configuration", LOOKUP_FILE);
    section *previous = sym_get_current_romdata_scn();
    bool entered = false;
    for (unsigned i = 0; i < number_of_config_bytes; ++i) {
        const config_register &reg = config_bytes[i];
        if (!reg.specified)
            continue;
        if (legacy) {
            post_error_at(legacy->line, legacy->file, 1226);
            continue;
        }
        char name[300];
        snprintf(name, sizeof name, ".config_%lx_%s", static_cast<unsigned long>(reg.address),
                 sections_object_file_name());
        sym_enter_section(SECTION_ROMDATA, name, false, false, false, true, reg.address);
        entered = true;
        symbol *byte = sym_config_symbol();
        init_record *value = trn_new<init_record>();
        value->kind = INIT_DATA_BYTE;
        value->value = reg.value;
        byte->initial_data = value;
        byte->is_initialized = true;
        sym_declare_symbol(byte, true, 0, "");
    }
    if (entered)
        sym_enter_section(SECTION_ROMDATA, previous->name, previous->share, previous->overlay, previous->access,
                          false, 0);
}
