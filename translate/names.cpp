// The makers of compiler-generated names and the records they name.  Each
// kind of name counts on its own from 0.
#include <cstdio>
#include <string>

#include "driver/diag.h"
#include "driver/driver.h"
#include "driver/options.h"
#include "translate/ranges.h"
#include "translate/symtab.h"
#include "translate/trnalloc.h"

namespace {

int s_tag_counter;
int s_temp_counter;
int s_label_counter;
int s_string_counter;
int s_config_counter;

std::string s_numbered(const char *format, int &counter)
{
    char buffer[32];
    snprintf(buffer, sizeof buffer, format, counter++);
    return buffer;
}

typell *s_char_level(int32_t memory, int32_t range)
{
    typell *level = type_create();
    level->kind = BSC;
    level->detail.basic = BT_CHAR;
    level->flags = plain_char_signed_flag ? TF_SIGNED : 0;
    level->memory = memory;
    level->range = range;
    return level;
}

typell *s_char_array(uint32_t count, int32_t memory, int32_t range, bool is_const)
{
    typell *array = type_create();
    array->kind = ARY;
    array->detail.count = count;
    array->memory = memory;
    array->range = range;
    array->is_const = is_const;
    array->next = s_char_level(memory, range);
    array->next->is_const = is_const;
    return array;
}

} // namespace

void sym_get_fake_tag_name(char *buffer, unsigned size)
{
    int written = snprintf(buffer, size, "__tag_%d", s_tag_counter);
    if (written < 0 || static_cast<unsigned>(written) >= size)
        post_error(100, "compiler tag name buffer too small");
    ++s_tag_counter;
}

symbol *sym_temp_symbol(uint32_t size)
{
    typell *type = s_char_array(size, MEMORY_RAM, RANGE_NEAR, false);
    symbol *sym = sym_create_symbol(s_numbered("__tmp_%d", s_temp_counter).c_str(), type, LINK_INTERNAL, SC_STATIC);
    sym->is_temp = true;
    return sym;
}

symbol *sym_temp_label(int32_t line, const char *file)
{
    symbol *label = sym_new_record(LABEL, s_numbered("__tmplbl_%d", s_label_counter).c_str());
    label->line = line;
    label->file = trn_strdup(file);
    return label;
}

symbol *sym_string_symbol(uint32_t length, bool in_data_memory)
{
    int32_t memory = in_data_memory ? MEMORY_RAM : MEMORY_ROM;
    typell *type = s_char_array(length + 1, memory, trnGetDefaultRange(memory), !in_data_memory);
    return sym_create_symbol(s_numbered("__string_%d", s_string_counter).c_str(), type, LINK_INTERNAL, SC_STATIC);
}

symbol *sym_config_symbol()
{
    typell *type = s_char_level(MEMORY_ROM, trnGetDefaultRange(MEMORY_ROM));
    return sym_create_symbol(s_numbered("__config_%d", s_config_counter).c_str(), type, LINK_INTERNAL, SC_STATIC);
}

char *sym_make_act_rec_scn_name(const char *function_name)
{
    std::string name = std::string(sections_object_file_name()) + ":" + function_name;
    return trn_strdup(name.c_str());
}

void names_reset_counters()
{
    s_tag_counter = s_temp_counter = s_label_counter = s_string_counter = s_config_counter = 0;
}
