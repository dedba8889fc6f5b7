// vxlink: links VxCORE COFF objects and archive members into an absolute program.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "support/platform.h"
#include "tools/cli/cli.h"
#include "tools/vxlink/link.h"
#include "tools/vxlink/link_startup.h"

namespace {

const char USAGE[] =
    "Usage: vxlink [options] OBJ... [ARCHIVE.a...] -o PROG.hex\n"
    "Links VxCORE COFF objects into an absolute program in Intel HEX, with the\n"
    "members of archives (made by vxar) that define symbols still undefined.\n"
    "\n"
    "Options:\n"
    "  -o FILE      the program to write (default: the first object's name with .hex)\n"
    "  -m FILE      also write a map of every section and global symbol\n"
    "  -p NAME      the device (default: the processor the objects were compiled for)\n"
    "  -e NAME      the start-up entry that the reset vector jumps to (default _startup)\n"
    "  --stack N    bytes of software stack at _stack (default 128, at least 8)\n"
    "  --no-runtime leave out the runtime library (the start-up code and the math\n"
    "               routines in ../lib/libvx.a from vxlink's directory), which is\n"
    "               otherwise searched, after the archives given, for every symbol\n"
    "               still undefined\n"
    "  -h, --help   print this help\n";

// The runtime library is installed beside the tools: lib/ next to bin/.
std::string s_runtime_archive(const char *argv0)
{
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = std::filesystem::absolute(argv0, error);
    return (self.parent_path() / ".." / "lib" / "libvx.a").lexically_normal().string();
}

} // namespace

int main(int argc, char **argv)
{
    link_options options;
    bool runtime = true;
    for (int i = 1; i < argc; i++) {
        const char *arg = argv[i];
        const char *value = nullptr;
        if (std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0) {
            std::fputs(USAGE, stdout);
            return 0;
        } else if (cli_option_value(argc, argv, &i, "-o", &value)) {
            if (!value || !*value)
                return cli_usage_error("vxlink", "option -o needs a file name");
            options.output = value;
        } else if (cli_option_value(argc, argv, &i, "-m", &value)) {
            if (!value || !*value)
                return cli_usage_error("vxlink", "option -m needs a file name");
            options.map = value;
        } else if (cli_option_value(argc, argv, &i, "-p", &value)) {
            if (!value || !*value)
                return cli_usage_error("vxlink", "option -p needs a device name");
            options.processor_name = value;
        } else if (cli_option_value(argc, argv, &i, "-e", &value)) {
            if (!value || !*value)
                return cli_usage_error("vxlink", "option -e needs a symbol name");
            options.entry = value;
        } else if (cli_option_value(argc, argv, &i, "--stack", &value)) {
            char *end = nullptr;
            errno = 0;
            unsigned long size = value ? std::strtoul(value, &end, 0) : 0;
            if (!value || !*value || *end || errno || *value == '-' || size < MIN_STACK_SIZE ||
                size > 0xF00)
                return cli_usage_error("vxlink", std::string("--stack needs a size from 8 to 3840, not '") +
                                     (value ? value : "") + "'");
            options.stack_size = uint32_t(size);
        } else if (std::strcmp(arg, "--no-runtime") == 0) {
            runtime = false;
        } else if (arg[0] == '-' && arg[1] != '\0') {
            return cli_usage_error("vxlink", std::string("unknown option '") + arg + "'");
        } else {
            options.objects.push_back(arg);
        }
    }
    if (options.objects.empty())
        return cli_usage_error("vxlink", "no object files given");
    if (options.output.empty()) {
        split_path parts = _splitpath(options.objects.front().c_str());
        options.output = parts.fname + ".hex";
    }
    if (!options.map.empty() && options.map == options.output)
        return cli_usage_error("vxlink", "the map and the program cannot be the same file");
    for (const std::string &object : options.objects)
        if (object == options.output || object == options.map)
            return cli_usage_error("vxlink", "output file '" + object + "' is also an input");
    if (runtime)
        options.runtime_archive = s_runtime_archive(argv[0]);
    return link_run(options);
}
