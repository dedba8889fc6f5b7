// Command-line helpers shared by the tools that take "-x VALUE",
// "--name VALUE" and "--name=VALUE" options.
#pragma once
#include <cstdio>
#include <cstring>
#include <string>

// Reports a usage error of `tool` on standard error; returns the status 1.
inline int cli_usage_error(const char *tool, const std::string &message)
{
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", tool, message.c_str(), tool);
    return 1;
}

// Matches argv[*i] against option `name`.  The value follows an '=' or is the
// next argument, which is then consumed; it is null when the option ends the
// command line.
inline bool cli_option_value(int argc, char **argv, int *i, const char *name, const char **value)
{
    size_t length = std::strlen(name);
    if (std::strncmp(argv[*i], name, length) != 0)
        return false;
    if (argv[*i][length] == '=') {
        *value = argv[*i] + length + 1;
        return true;
    }
    if (argv[*i][length] != '\0')
        return false;
    *value = *i + 1 < argc ? argv[++*i] : nullptr;
    return true;
}
