// The symbol part of a link map, as the simulator needs it to find the
// variables that `--print` names.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct map_symbol {
    std::string name;
    uint32_t address;
    bool in_program_memory;
};

// Reads the "Symbols:" table of a map written by the linker.  On failure
// returns false with a message in `error`.
bool map_read(const char *path, std::vector<map_symbol> *symbols, std::string *error);

const map_symbol *map_find(const std::vector<map_symbol> &symbols, const std::string &name);
