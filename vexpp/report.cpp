#include "vexpp/report.h"
#include <cstdarg>
#include <cstdio>
#include <unordered_map>
#include <vector>
#include "driver/diag.h"
#include "support/position.h"

namespace vexpp {

namespace {
std::vector<std::string> &names() {
    static std::vector<std::string> table;
    return table;
}
std::unordered_map<std::string, uint32_t> &ids() {
    static std::unordered_map<std::string, uint32_t> map;
    return map;
}
} // namespace

uint32_t file_id(const std::string &name) {
    auto [it, inserted] = ids().emplace(name, static_cast<uint32_t>(names().size()));
    if (inserted)
        names().push_back(name);
    return it->second;
}

const std::string &file_name(uint32_t id) { return names()[id]; }

void report(uint32_t file, uint32_t line, unsigned number, ...) {
    // The shared position holds at most MAX_PATH_LENGTH - 1 characters; longer
    // names were refused where they were read, so cutting never loses a
    // name that was actually opened.
    snprintf(yyfilename, sizeof yyfilename, "%s", file < names().size() ? names()[file].c_str() : "");
    yylineno = static_cast<int>(line);
    va_list args;
    va_start(args, number);
    try {
        vpost_error(number, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
}

} // namespace vexpp
