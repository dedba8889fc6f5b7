#include "tools/vxar/vxar.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <filesystem>
#include <map>

#include "support/platform.h"
#include "tools/vxar/archive.h"

namespace {

void s_error(const char *format, ...) __attribute__((format(printf, 1, 2)));

void s_error(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    std::fputs("vxar: error: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputc('\n', stderr);
    va_end(args);
}

bool s_read_file(const std::string &path, std::vector<uint8_t> *bytes)
{
    FILE *file = host_fopen(path.c_str(), "rb");
    if (!file)
        return false;
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes->insert(bytes->end(), chunk, chunk + got);
    int failure = std::ferror(file) ? errno : 0;
    std::fclose(file);
    errno = failure;
    return failure == 0;
}

} // namespace

int vxar_create(const std::string &archive_path, const std::vector<std::string> &objects)
{
    std::vector<archive_input> members;
    std::map<std::string, std::string> path_of_member;
    bool ok = true;
    for (const std::string &path : objects) {
        archive_input member;
        member.name = std::filesystem::path(host_path(path.c_str())).filename().string();
        auto [earlier, fresh] = path_of_member.emplace(member.name, path);
        if (!fresh) {
            s_error("%s and %s would both be the member '%s'", earlier->second.c_str(), path.c_str(),
                    member.name.c_str());
            ok = false;
            continue;
        }
        if (!s_read_file(path, &member.bytes)) {
            s_error("cannot read %s: %s", path.c_str(), std::strerror(errno));
            ok = false;
            continue;
        }
        std::fflush(stdout);
        coff_file *coff = coff_read_memory(path.c_str(), member.bytes.data(), member.bytes.size());
        std::fflush(stdout);
        if (!coff) {
            s_error("%s: not an object file", path.c_str());
            ok = false;
            continue;
        }
        object_names names = object_external_names(coff);
        coff_free(coff);
        member.symbols.assign(names.defined.begin(), names.defined.end());
        members.push_back(std::move(member));
    }
    if (!ok)
        return 1;
    std::vector<uint8_t> bytes;
    std::string error;
    if (!archive_serialize(members, &bytes, &error) || !archive_store(archive_path.c_str(), bytes, &error)) {
        s_error("cannot write %s: %s", archive_path.c_str(), error.c_str());
        return 1;
    }
    return 0;
}

int vxar_list(const std::string &archive_path, FILE *out)
{
    archive library;
    std::string error;
    if (!archive_open(archive_path.c_str(), &library, &error)) {
        s_error("%s: %s", archive_path.c_str(), error.c_str());
        return 1;
    }
    std::vector<std::vector<std::string>> symbols(library.members.size());
    for (const archive_symbol &symbol : library.index)
        symbols[symbol.member].push_back(symbol.name);
    for (size_t m = 0; m < library.members.size(); m++) {
        const archive_member &member = library.members[m];
        std::fprintf(out, "%s %llu bytes\n", member.name.c_str(), (unsigned long long)member.size);
        for (const std::string &name : symbols[m])
            std::fprintf(out, "    %s\n", name.c_str());
    }
    return std::fflush(out) == 0 ? 0 : 1;
}
