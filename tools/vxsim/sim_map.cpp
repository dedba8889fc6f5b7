#include "tools/vxsim/sim_map.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "support/platform.h"

namespace {

const char MAP_TITLE[] = "Lumex Tarn link map of ";

} // namespace

bool map_read(const char *path, link_map *map, std::string *error)
{
    FILE *file = host_fopen(path, "r");
    if (!file) {
        *error = std::string(path) + ": cannot open: " + std::strerror(errno);
        return false;
    }
    std::vector<map_symbol> *symbols = &map->symbols;
    symbols->clear();
    map->device.clear();
    bool in_symbols = false;
    unsigned line_number = 0;
    std::string line;
    int c = 0;
    bool ok = true;
    while (ok && c != EOF) {
        line.clear();
        while ((c = std::fgetc(file)) != EOF && c != '\n')
            line.push_back(char(c));
        line_number++;
        if (line_number == 1 && line.rfind(MAP_TITLE, 0) == 0) {
            size_t device = line.rfind(" for ");
            if (device != std::string::npos)
                map->device = line.substr(device + 5);
            continue;
        }
        if (line == "Symbols:") {
            in_symbols = true;
            continue;
        }
        if (!in_symbols)
            continue;
        std::istringstream words(line);
        std::string name, address, memory;
        if (!(words >> name) || name == "Name")
            continue;
        char *end = nullptr;
        unsigned long value = 0;
        if (words >> address >> memory)
            value = std::strtoul(address.c_str(), &end, 0);
        if (!end || *end != '\0' || (memory != "program" && memory != "data")) {
            *error = std::string(path) + ":" + std::to_string(line_number) +
                     ": not a symbol line of a link map";
            ok = false;
            break;
        }
        symbols->push_back(map_symbol{name, uint32_t(value), memory == "program"});
    }
    std::fclose(file);
    if (ok && !in_symbols) {
        *error = std::string(path) + ": not a link map (no \"Symbols:\" table)";
        ok = false;
    }
    return ok;
}

const map_symbol *map_find(const std::vector<map_symbol> &symbols, const std::string &name)
{
    for (const map_symbol &symbol : symbols)
        if (symbol.name == name)
            return &symbol;
    return nullptr;
}
