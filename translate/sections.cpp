#include "translate/symtab.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

#include "driver/diag.h"
#include "driver/driver.h"
#include "support/vxassert.h"
#include "translate/ranges.h"
#include "translate/symbols.h"
#include "translate/trnalloc.h"

list *section_set;

namespace {

section *s_cur_code, *s_cur_idata, *s_cur_udata, *s_cur_romdata, *s_cur_tmpdata;
section *s_default_code, *s_default_idata, *s_default_udata, *s_default_romdata, *s_default_tmpdata;

section *&s_current_of(section_type type)
{
    switch (type) {
    case SECTION_CODE: return s_cur_code;
    case SECTION_IDATA: return s_cur_idata;
    case SECTION_UDATA: return s_cur_udata;
    case SECTION_ROMDATA: return s_cur_romdata;
    case SECTION_TMPDATA: return s_cur_tmpdata;
    default: _assert("known section type", __FILE__, __LINE__);
    }
}

section *&s_default_of(section_type type)
{
    switch (type) {
    case SECTION_CODE: return s_default_code;
    case SECTION_IDATA: return s_default_idata;
    case SECTION_UDATA: return s_default_udata;
    case SECTION_ROMDATA: return s_default_romdata;
    case SECTION_TMPDATA: return s_default_tmpdata;
    default: _assert("known section type", __FILE__, __LINE__);
    }
}

} // namespace

const char *sections_object_file_name()
{
    const char *path = getObjectFileName();
    const char *part = path;
    for (const char *p = path; *p; ++p)
        if (*p == '/' || *p == '\\' || *p == ':')
            part = p + 1;
    return part;
}

namespace {

std::string s_get_default_section_name(section_type type)
{
    switch (type) {
    case SECTION_CODE: return std::string(".code_") + sections_object_file_name();
    case SECTION_IDATA: return std::string(".idata_") + sections_object_file_name();
    case SECTION_UDATA: return std::string(".udata_") + sections_object_file_name();
    case SECTION_ROMDATA: return std::string(".romdata_") + sections_object_file_name();
    case SECTION_TMPDATA: return ".tmpdata";
    default: _assert("known section type", __FILE__, __LINE__);
    }
}

section *s_find_section(const char *name)
{
    for (void *element = list_first(section_set); element; element = list_next(element)) {
        auto *scn = static_cast<section *>(element);
        if (strcmp(scn->name, name) == 0)
            return scn;
    }
    return nullptr;
}

void s_check_attributes(const section *scn, section_type type, bool share, bool overlay, bool access,
                        bool absolute)
{
    if (absolute)
        post_error(1050);
    if (scn->type != type)
        post_error(1054);
    if (scn->access != access)
        post_error(1055);
    if (scn->share != share)
        post_error(1053);
    if (scn->overlay != overlay)
        post_error(1052);
}

void s_free_section(void *element)
{
    free(static_cast<section *>(element)->name);
}

void s_enter_default(section_type type, const char *name, bool overlay, bool access)
{
    symbol *entry = sym_enter_section(type, name, false, overlay, access, false, 0);
    s_default_of(type) = entry->scn;
}

} // namespace

void sections_begin_module()
{
    section_set = list_create(sizeof(section));
    if (!section_set)
        post_error(101);
    bool near_ram = trnGetDefaultRange(MEMORY_RAM) == RANGE_NEAR;
    s_enter_default(SECTION_UDATA, "MATH_DATA", false, true);
    s_enter_default(SECTION_TMPDATA, s_get_default_section_name(SECTION_TMPDATA).c_str(), true, true);
    s_enter_default(SECTION_UDATA, s_get_default_section_name(SECTION_UDATA).c_str(), false, near_ram);
    s_enter_default(SECTION_IDATA, s_get_default_section_name(SECTION_IDATA).c_str(), false, near_ram);
    s_enter_default(SECTION_ROMDATA, s_get_default_section_name(SECTION_ROMDATA).c_str(), false, false);
    s_enter_default(SECTION_CODE, s_get_default_section_name(SECTION_CODE).c_str(), false, false);
}

void sections_end_module()
{
    list_free(section_set, s_free_section);
    section_set = nullptr;
    for (section_type type : {SECTION_CODE, SECTION_IDATA, SECTION_UDATA, SECTION_ROMDATA, SECTION_TMPDATA}) {
        s_current_of(type) = nullptr;
        s_default_of(type) = nullptr;
    }
}

symbol *sym_enter_section(section_type type, const char *name, bool share, bool overlay, bool access,
                          bool absolute, uint32_t address)
{
    VX_ASSERT(section_set != nullptr);
    s_current_of(type); // rejects a type that has no current section
    section *scn = nullptr;
    bool existed = true;
    if (name) {
        scn = s_find_section(name);
        if (scn) {
            s_check_attributes(scn, type, share, overlay, access, absolute);
        } else {
            existed = false;
            scn = static_cast<section *>(list_append(section_set));
            if (!scn)
                post_error(101);
            scn->type = type;
            scn->name = trn_strdup(name);
            scn->share = share;
            scn->overlay = overlay;
            scn->access = access;
            scn->absolute = absolute;
            scn->address = absolute ? address : 0;
        }
    } else {
        scn = s_default_of(type);
        VX_ASSERT(scn != nullptr);
    }
    // A section found by name keeps its own type after a mismatch.
    s_current_of(scn->type) = scn;

    if (existed && scn->type == SECTION_CODE && scn->first_entry)
        return scn->first_entry;
    symbol *entry = sym_new_record(SECTION_CHANGE, scn->name);
    entry->scn = scn;
    if (!scn->first_entry)
        scn->first_entry = entry;
    s_add_to_master_symbol_table(entry);
    return entry;
}

section *sym_get_default_code_section() { return s_default_code; }
section *sym_get_current_romdata_scn() { return s_cur_romdata; }
section *sym_get_current_tmpdata_scn() { return s_cur_tmpdata; }
char *sym_get_current_udata_scn_name() { return trn_strdup(s_cur_udata->name); }
char *sym_get_current_idata_scn_name() { return trn_strdup(s_cur_idata->name); }
const char *sym_get_default_udata_scn_name() { return s_default_udata->name; }
const char *sym_get_default_idata_scn_name() { return s_default_idata->name; }
