#include "codegen/enum_labels.h"

#include <cstring>
#include <new>

#include "driver/diag.h"

namespace {

struct enum_label_info {
    symbol *label;
    int32_t line;
    const char *file; // lives until the end of the run
    enum_label_info *next;
};

enum_label_info *s_pending; // newest first

bool s_at(const enum_label_info *info, int32_t line, const char *file)
{
    return info->line == line && strcmp(info->file ? info->file : "", file ? file : "") == 0;
}

} // namespace

void addBuiltinEnumLabelInfo(symbol *label, int32_t line, const char *file)
{
    auto *info = new (std::nothrow) enum_label_info{label, line, file, s_pending};
    if (!info)
        post_error(101);
    s_pending = info;
}

symbol *getBuiltinEnumLabelSymbol(int32_t line, const char *file)
{
    for (enum_label_info *info = s_pending; info; info = info->next)
        if (s_at(info, line, file))
            return info->label;
    return nullptr;
}

void removeEnumLabelInfo(int32_t line, const char *file)
{
    for (enum_label_info **link = &s_pending; *link; link = &(*link)->next) {
        if (s_at(*link, line, file)) {
            enum_label_info *found = *link;
            *link = found->next;
            delete found;
            return;
        }
    }
}

void enum_labels_clear()
{
    while (s_pending)
        removeEnumLabelInfo(s_pending->line, s_pending->file);
}
