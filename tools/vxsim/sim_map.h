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

struct link_map {
    std::string device; // from the title line; empty when the map names none
    std::vector<map_symbol> symbols;
};

// Reads the title and the "Symbols:" table of a map written by the linker.
// On failure returns false with a message in `error`.
bool map_read(const char *path, link_map *map, std::string *error);

const map_symbol *map_find(const std::vector<map_symbol> &symbols, const std::string &name);
