// vxar: collects VxCORE COFF objects into an archive for vxlink, or lists one.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/cli/cli.h"
#include "tools/vxar/vxar.h"

namespace {

const char USAGE[] =
    "Usage: vxar ARCHIVE.a OBJ...\n"
    "       vxar -t ARCHIVE.a\n"
    "Creates an archive of VxCORE COFF objects, replacing any file of that name,\n"
    "with an index of the symbols that each member defines: vxlink takes from it\n"
    "only the members that a program needs.\n"
    "\n"
    "Options:\n"
    "  -t ARCHIVE   list the members with their sizes and the symbols they define\n"
    "  -h, --help   print this help\n";

} // namespace

int main(int argc, char **argv)
{
    const char *listed = nullptr;
    std::vector<std::string> files;
    for (int i = 1; i < argc; i++) {
        const char *arg = argv[i];
        const char *value = nullptr;
        if (std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0) {
            std::fputs(USAGE, stdout);
            return 0;
        } else if (cli_option_value(argc, argv, &i, "-t", &value)) {
            if (!value || !*value)
                return cli_usage_error("vxar", "option -t needs an archive");
            listed = value;
        } else if (arg[0] == '-' && arg[1] != '\0') {
            return cli_usage_error("vxar", std::string("unknown option '") + arg + "'");
        } else {
            files.push_back(arg);
        }
    }
    if (listed) {
        if (!files.empty())
            return cli_usage_error("vxar", "-t lists one archive and takes no other file");
        return vxar_list(listed, stdout);
    }
    if (files.empty())
        return cli_usage_error("vxar", "no archive given");
    if (files.size() == 1)
        return cli_usage_error("vxar", "no object files given");
    return vxar_create(files.front(), std::vector<std::string>(files.begin() + 1, files.end()));
}
