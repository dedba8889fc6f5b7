#include "vexpp/include_search.h"
#include <sys/stat.h>
#include "support/platform.h"
#include "support/position.h"

namespace vexpp {

void split_search_list(const std::string &paths, std::vector<std::string> &dirs) {
    size_t start = 0;
    while (start <= paths.size()) {
        size_t end = paths.find(';', start);
        if (end == std::string::npos)
            end = paths.size();
        if (end > start)
            dirs.push_back(paths.substr(start, end - start));
        start = end + 1;
    }
}

std::string join_path(const std::string &dir, const std::string &name) {
    if (dir.empty())
        return name;
    char last = dir.back();
    if (last == '/' || last == '\\' || last == ':')
        return dir + name;
    bool backslash_style = dir.find('\\') != std::string::npos && dir.find('/') == std::string::npos;
    return dir + (backslash_style ? '\\' : '/') + name;
}

std::string directory_of(const std::string &path) {
    size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos)
        return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : std::string();
    return path.substr(0, slash + 1);
}

bool is_absolute(const std::string &name) {
    if (name.empty())
        return false;
    if (name[0] == '/' || name[0] == '\\')
        return true;
    return name.size() >= 2 && name[1] == ':';
}

bool is_regular_file(const std::string &path) {
    struct stat info;
    return stat(host_path(path.c_str()).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

namespace {

bool try_candidate(const std::string &candidate, std::string &found, bool &too_long) {
    if (candidate.size() >= static_cast<size_t>(MAX_PATH_LENGTH)) {
        too_long = true;
        return false;
    }
    if (!is_regular_file(candidate))
        return false;
    found = candidate;
    return true;
}

} // namespace

std::string find_include(const SearchPath &path, const std::string &name, bool quoted, const std::string &including_dir,
                         bool &too_long) {
    too_long = false;
    std::string found;
    if (is_absolute(name)) {
        try_candidate(name, found, too_long);
        return found;
    }
    if (quoted && try_candidate(join_path(including_dir, name), found, too_long))
        return found;
    for (const std::string &dir : path.user_dirs)
        if (try_candidate(join_path(dir, name), found, too_long))
            return found;
    for (const std::string &dir : path.default_dirs)
        if (try_candidate(join_path(dir, name), found, too_long))
            return found;
    return found;
}

} // namespace vexpp
