#include "support/intern.h"

#include <cstring>
#include <new>
#include <string>
#include <unordered_set>

namespace {
// Node-based, so the strings never move once inserted.
std::unordered_set<std::string> &s_names()
{
    static std::unordered_set<std::string> names;
    return names;
}
const char *s_last;
} // namespace

const char *intern_name(const char *text)
{
    if (!text)
        return nullptr;
    // Records are mostly made from a name that is already interned.
    if (s_last && (text == s_last || strcmp(text, s_last) == 0))
        return s_last;
    try {
        s_last = s_names().emplace(text).first->c_str();
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
    return s_last;
}
