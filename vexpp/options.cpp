#include "vexpp/options.h"
#include <cstdlib>
#include <cstring>
#include "vexpp/include_search.h"

namespace vexpp {

const char *const usage_text =
    "Usage: vexpp [options] file\n"
    "Options:\n"
    "  --include DIR             search DIR for included files (repeatable)\n"
    "  --define NAME[=TEXT]      define the macro NAME (repeatable)\n"
    "  -dNAME[=TEXT]             define the macro NAME\n"
    "  -i PATHS                  search the ';'-separated PATHS after every --include\n"
    "  -z FILE                   include FILE before the source\n"
    "  -o FILE                   write the preprocessed text to FILE (default: standard output)\n"
    "  -e FILE                   append diagnostics to the error file FILE\n"
    "  --diagnostic-level=N      1 errors, 2 also warnings, 3 also messages (default 2)\n"
    "  --suppress-message=N      do not report warning or message N\n"
    "  --verbose                 report the search path on standard error\n"
    "  --help                    print this help\n";

namespace {

bool parse_number(const char *text, long &value) {
    if (!*text)
        return false;
    char *end;
    value = strtol(text, &end, 10);
    return *end == '\0';
}

class ArgReader {
public:
    ArgReader(int argc, const char *const *argv) : argc_(argc), argv_(argv) {}
    bool more() const { return index_ < argc_; }
    const char *take() { return argv_[index_++]; }
    // The value of an option given as "--opt=VALUE", "--opt VALUE" or, for
    // one-letter options, "-oVALUE".
    bool value_of(const char *arg, const char *option, const char *&value, bool &missing) {
        size_t n = strlen(option);
        if (strncmp(arg, option, n) != 0)
            return false;
        const char *rest = arg + n;
        bool short_option = option[1] != '-';
        if (*rest == '\0') {
            if (!more()) {
                missing = true;
                return true;
            }
            value = take();
            return true;
        }
        if (*rest == '=' && !short_option) {
            value = rest + 1;
            return true;
        }
        if (short_option) {
            value = rest;
            return true;
        }
        return false;
    }

private:
    int argc_;
    const char *const *argv_;
    int index_ = 1;
};

} // namespace

ParseResult parse_options(int argc, const char *const *argv, Options &options, std::string &message) {
    ArgReader args(argc, argv);
    while (args.more()) {
        const char *arg = args.take();
        const char *value = nullptr;
        bool missing = false;
        if (strcmp(arg, "--help") == 0)
            return ParseResult::Help;
        if (strcmp(arg, "--verbose") == 0) {
            options.verbose = true;
            continue;
        }
        if (arg[0] != '-' || arg[1] == '\0') {
            options.sources.push_back(arg);
            continue;
        }
        static const char *const valued[] = {"--include", "--define", "--diagnostic-level", "--suppress-message",
                                             "-o", "-e", "-z", "-i", "-d"};
        const char *option = nullptr;
        for (const char *candidate : valued) {
            if (args.value_of(arg, candidate, value, missing)) {
                option = candidate;
                break;
            }
        }
        if (!option) {
            message = std::string("unknown option '") + arg + "'";
            return ParseResult::Error;
        }
        if (missing) {
            message = std::string("option '") + option + "' needs a value";
            return ParseResult::Error;
        }
        long number;
        if (strcmp(option, "--include") == 0) {
            options.user_dirs.push_back(value);
        } else if (strcmp(option, "--define") == 0 || strcmp(option, "-d") == 0) {
            options.defines.push_back(value);
        } else if (strcmp(option, "-i") == 0) {
            split_search_list(value, options.default_dirs);
        } else if (strcmp(option, "-o") == 0) {
            options.output_file = value;
        } else if (strcmp(option, "-e") == 0) {
            options.error_file = value;
        } else if (strcmp(option, "-z") == 0) {
            options.preinclude = value;
        } else if (strcmp(option, "--diagnostic-level") == 0) {
            if (!parse_number(value, number) || number < 1 || number > 3) {
                message = std::string("diagnostic level must be 1, 2 or 3, not '") + value + "'";
                return ParseResult::Error;
            }
            options.diagnostic_level = static_cast<int>(number);
        } else {
            if (!parse_number(value, number) || number < 0) {
                message = std::string("message number expected, not '") + value + "'";
                return ParseResult::Error;
            }
            if (number < 2000) {
                message = "error messages cannot be suppressed";
                return ParseResult::Error;
            }
            options.suppressed.push_back(static_cast<unsigned>(number));
        }
        if (!*value && strcmp(option, "-i") != 0 && strcmp(option, "--diagnostic-level") != 0) {
            message = std::string("option '") + option + "' needs a value";
            return ParseResult::Error;
        }
    }
    if (options.sources.empty()) {
        message = "no source file given";
        return ParseResult::Error;
    }
    return ParseResult::Run;
}

} // namespace vexpp
