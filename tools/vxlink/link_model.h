// The records of one link: the objects read, their sections grouped into
// output sections, the symbols, and the addresses that placement gives.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "object/coff.h"

enum memory_space { PROGRAM_MEMORY, DATA_MEMORY };

// One section of one object.
struct input_section {
    int object;
    int index;              // 0-based position in the object
    uint32_t offset;        // where it starts in its output section
};

// Sections of the same name from all objects: concatenated, or overlapping
// when the overlay flag says so.  Synthetic sections (the reset vector, the
// copy table, initial-data images, the stack) have no input sections and
// carry their own bytes.
struct output_section {
    std::string name;
    uint32_t flags;
    memory_space space;
    bool absolute;
    uint32_t address;
    uint32_t size;
    std::vector<input_section> pieces;
    std::vector<uint8_t> bytes; // contents, for sections with data in program memory or idata
    int image = -1;             // for an idata section: its initial image in program memory
    std::string origin;         // the object that defined it, or "<linker>"
};

struct link_object {
    std::string path;
    coff_file *coff = nullptr;
    std::vector<int> output_of_section; // output section of each input section
    std::vector<uint32_t> symbol_address; // by symbol-table index, after placement
    std::vector<bool> is_symbol;          // false for auxiliary slots
};

// A symbol visible to all objects.
struct global_symbol {
    int object = -1; // -1: defined by the linker
    unsigned index = 0;
    uint32_t address = 0;
    memory_space space = DATA_MEMORY;
    bool referenced = false;
};

struct link_options {
    // Objects and archives in command-line order; an archive is told by its
    // magic line, whatever its name.
    std::vector<std::string> objects;
    std::string output;
    std::string map;
    std::string processor_name;
    std::string entry = "_startup";
    uint32_t stack_size = 0x80;
    // The runtime library's archive, searched after the others; empty for none.
    std::string runtime_archive;
};

struct link_state {
    link_options options;
    int processor = 0;
    uint32_t program_size = 0;
    uint32_t data_size = 0;
    std::vector<link_object> objects;
    std::vector<output_section> sections;
    std::map<std::string, global_symbol> globals;
    int errors = 0;
    int stack_section = -1;
    int cinit_section = -1;
    int reset_section = -1;
};

void link_error(link_state *state, const char *format, ...) __attribute__((format(printf, 2, 3)));

std::string link_symbol_name(const link_state &state, int object, unsigned index);
