// vxlink: links VxCORE COFF objects into an absolute program.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "support/platform.h"
#include "tools/vxlink/link.h"
#include "tools/vxlink/link_startup.h"

namespace {

const char USAGE[] =
    "Usage: vxlink [options] OBJ... -o PROG.hex\n"
    "Links VxCORE COFF objects into an absolute program in Intel HEX.\n"
    "\n"
    "Options:\n"
    "  -o FILE      the program to write (default: the first object's name with .hex)\n"
    "  -m FILE      also write a map of every section and global symbol\n"
    "  -p NAME      the device (default: the processor the objects were compiled for)\n"
    "  -e NAME      the start-up entry that the reset vector jumps to (default _startup);\n"
    "               when no object defines it, a built-in start-up that copies the\n"
    "               initialized data and calls main is linked in\n"
    "  --stack N    bytes of software stack at _stack (default 128, at least 8)\n"
    "  -h, --help   print this help\n";

int s_usage_error(const std::string &message)
{
    std::fprintf(stderr, "vxlink: %s\nTry 'vxlink --help' for more information.\n",
                 message.c_str());
    return 1;
}

bool s_value(int argc, char **argv, int *i, const char *name, const char **value)
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

} // namespace

int main(int argc, char **argv)
{
    link_options options;
    for (int i = 1; i < argc; i++) {
        const char *arg = argv[i];
        const char *value = nullptr;
        if (std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0) {
            std::fputs(USAGE, stdout);
            return 0;
        } else if (s_value(argc, argv, &i, "-o", &value)) {
            if (!value || !*value)
                return s_usage_error("option -o needs a file name");
            options.output = value;
        } else if (s_value(argc, argv, &i, "-m", &value)) {
            if (!value || !*value)
                return s_usage_error("option -m needs a file name");
            options.map = value;
        } else if (s_value(argc, argv, &i, "-p", &value)) {
            if (!value || !*value)
                return s_usage_error("option -p needs a device name");
            options.processor_name = value;
        } else if (s_value(argc, argv, &i, "-e", &value)) {
            if (!value || !*value)
                return s_usage_error("option -e needs a symbol name");
            options.entry = value;
        } else if (s_value(argc, argv, &i, "--stack", &value)) {
            char *end = nullptr;
            errno = 0;
            unsigned long size = value ? std::strtoul(value, &end, 0) : 0;
            if (!value || !*value || *end || errno || *value == '-' || size < MIN_STACK_SIZE ||
                size > 0xF00)
                return s_usage_error(std::string("--stack needs a size from 8 to 3840, not '") +
                                     (value ? value : "") + "'");
            options.stack_size = uint32_t(size);
        } else if (arg[0] == '-' && arg[1] != '\0') {
            return s_usage_error(std::string("unknown option '") + arg + "'");
        } else {
            options.objects.push_back(arg);
        }
    }
    if (options.objects.empty())
        return s_usage_error("no object files given");
    if (options.output.empty()) {
        split_path parts = _splitpath(options.objects.front().c_str());
        options.output = parts.fname + ".hex";
    }
    if (!options.map.empty() && options.map == options.output)
        return s_usage_error("the map and the program cannot be the same file");
    for (const std::string &object : options.objects)
        if (object == options.output || object == options.map)
            return s_usage_error("output file '" + object + "' is also an input");
    return link_run(options);
}
