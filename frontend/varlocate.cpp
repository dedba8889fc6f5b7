#include "frontend/varlocate.h"

#include <cstdlib>
#include <cstring>

#include "driver/diag.h"

varlocate_item *varlocate_list;

static char *s_copy(const char *text)
{
    char *copy = strdup(text);
    if (!copy)
        post_error(101);
    return copy;
}

static varlocate_item *s_push(const char *name)
{
    auto *item = static_cast<varlocate_item *>(calloc(1, sizeof(varlocate_item)));
    if (!item)
        post_error(101);
    item->name = s_copy(name);
    item->next = varlocate_list;
    varlocate_list = item;
    return item;
}

void opt_varlocate_bank(const char *name, unsigned bank)
{
    varlocate_item *item = s_push(name);
    item->kind = VARLOCATE_BANK;
    item->bank = bank;
}

void opt_varlocate_section(const char *name, const char *section)
{
    varlocate_item *item = s_push(name);
    item->kind = VARLOCATE_SECTION;
    item->section = s_copy(section);
}

void varlocate_free()
{
    while (varlocate_list) {
        varlocate_item *next = varlocate_list->next;
        free(varlocate_list->name);
        free(varlocate_list->section);
        free(varlocate_list);
        varlocate_list = next;
    }
}
