// Finding the file that an #include names.
#pragma once
#include <string>
#include <vector>

namespace vexpp {

struct SearchPath {
    std::vector<std::string> user_dirs;    // --include, in command-line order
    std::vector<std::string> default_dirs; // -i, split at ';'
};

// Appends the non-empty ';'-separated directories of `paths` to `dirs`.
void split_search_list(const std::string &paths, std::vector<std::string> &dirs);

// `dir` joined with `name`, in the separator style of `dir`.
std::string join_path(const std::string &dir, const std::string &name);

// The directory part of `path`, empty when it names no directory.
std::string directory_of(const std::string &path);

bool is_absolute(const std::string &name);
bool is_regular_file(const std::string &path);

// Searches for `name`: for a quoted name first in `including_dir`, then the
// user directories, then the default directories.  Returns the path to
// open, or an empty string.  Candidates longer than a path may be are
// passed over and reported through `too_long`.
std::string find_include(const SearchPath &path, const std::string &name, bool quoted, const std::string &including_dir,
                         bool &too_long);

} // namespace vexpp
