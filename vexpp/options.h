// The preprocessor's command line, as the compiler passes it.
#pragma once
#include <string>
#include <vector>

namespace vexpp {

struct Options {
    std::vector<std::string> user_dirs;    // --include DIR
    std::vector<std::string> default_dirs; // -i PATHS, split at ';'
    std::vector<std::string> defines;      // --define and -d, in order
    std::vector<std::string> sources;
    std::vector<unsigned> suppressed;
    std::string output_file;               // -o; standard output when empty
    std::string error_file;                // -e
    std::string preinclude;                // -z
    int diagnostic_level = 2;
    bool verbose = false;
};

enum class ParseResult { Run, Help, Error };

// On Error, `message` says what was wrong.
ParseResult parse_options(int argc, const char *const *argv, Options &options, std::string &message);

extern const char *const usage_text;

} // namespace vexpp
