// The record that the interrupt pragma attaches to a handler: its
// priority, what it must save and what it must not.
#pragma once
#include <cstdint>

#include "frontend/pragma.h"

struct symbol;

enum save_element_kind : uint32_t { SAVE_VARIABLE = 0, SAVE_SECTION = 1 };

struct save_element {
    save_element_kind kind;
    symbol *sym;
    uint32_t size;
    save_element *next;
};

struct interrupt_record {
    symbol *function;
    char *tmpdata_name;
    int32_t low_priority;
    save_element *saves;
    int32_t nosave[NOSAVE_FLAG_COUNT];
    int32_t save[SAVE_FLAG_COUNT];
    interrupt_record *next;
};

// The symbol through which relocations name a section: "." followed by the
// section's name, made once per unit and declared at file scope.
symbol *trn_section_symbol(const char *section_name, int32_t line, const char *file);
