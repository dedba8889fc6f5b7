#include "frontend/pragma.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "driver/diag.h"
#include "driver/driver.h"
#include "driver/options.h"
#include "frontend/ast.h"
#include "frontend/lexer.h"
#include "frontend/pragma_config.h"
#include "frontend/varlocate.h"
#include "support/list.h"
#include "support/platform.h"
#include "support/position.h"

extern char *yytext;

int yylookahead = -1;
// Where the directive being read starts: its diagnostics name that line
// even after the look-ahead has moved on to the end of the line.
static int32_t s_directive_line;
static char s_directive_file[MAX_PATH_LENGTH];

static void s_begin_directive()
{
    s_directive_line = yylineno;
    snprintf(s_directive_file, sizeof s_directive_file, "%s", yyfilename);
}

#define POST(...) post_error_at(s_directive_line, s_directive_file, __VA_ARGS__)
// Whether the value of the current look-ahead token still belongs to the
// directive parser (nobody took its strings yet).
static bool s_value_owned;

static void s_release_value()
{
    if (s_value_owned && yylookahead > 0)
        token_value_free(yylookahead, &lex_value());
    s_value_owned = false;
}

int advance()
{
    s_release_value();
    yylookahead = yylex();
    s_value_owned = true;
    return yylookahead;
}

bool match(int token)
{
    if (yylookahead == -1)
        advance();
    return yylookahead == token;
}

void resetlookahead()
{
    s_release_value();
    yylookahead = -1;
}

bool at_directive_end()
{
    return match(TK_EOL) || match(0);
}

void skip_directive_line()
{
    while (!at_directive_end())
        advance();
}

static bool s_is_name()
{
    return match(TK_IDENTIFIER) || match(TK_TYPEDEF_NAME);
}

static bool s_is_word(const char *word)
{
    return s_is_name() && strcmp(lex_value().name, word) == 0;
}

static char *s_take_name()
{
    s_value_owned = false;
    char *name = lex_value().name;
    lex_value().name = nullptr;
    return name;
}

static char *s_take_bytes()
{
    s_value_owned = false;
    char *bytes = lex_value().bytes;
    lex_value().bytes = nullptr;
    return bytes;
}

// ---- line directives ----

static void s_note_dependent_file(const char *name)
{
    std::string full = _fullpath(name);
    const char *key = full.c_str();
    if (hash_find(dependent_file_hash, &key))
        return;
    char *copy = hl_strdup(full.c_str());
    if (!hash_add(dependent_file_hash, &copy)) {
        free(copy);
        post_error(101);
    }
    if (!dependent_file_list)
        dependent_file_list = list_create(sizeof(char *));
    auto *slot = static_cast<char **>(list_append(dependent_file_list));
    if (!slot)
        post_error(101);
    *slot = hl_strdup(full.c_str());
}

void line_directive()
{
    s_begin_directive();
    if (!match(TK_CONSTANT)) {
        POST(1016);
        skip_directive_line();
        resetlookahead();
        return;
    }
    uint32_t line = get_unsigned_constant_value(lex_value().constant.type, lex_value().constant.value);
    advance();
    char *file = nullptr;
    if (match(TK_STRING)) {
        file = s_take_bytes();
        advance();
    }
    if (!at_directive_end()) {
        POST(1020, "#line");
        skip_directive_line();
    }
    if (file) {
        snprintf(yyfilename, sizeof yyfilename, "%s", file);
        lex_filename_changed();
        s_note_dependent_file(file);
        free(file);
    }
    yylineno = static_cast<int>(line);
    resetlookahead();
}

// ---- interrupt resources ----

namespace {
struct resource_name {
    const char *name;
    int flag;
};

const resource_name s_save_names[] = {
    {"WREG", SAVE_WREG},       {"BSR", SAVE_BSR},         {"STATUS", SAVE_STATUS},   {"FSR0", SAVE_FSR0},
    {"FSR0L", SAVE_FSR0},      {"FSR0H", SAVE_FSR0},      {"FSR2", SAVE_FSR2},       {"FSR2L", SAVE_FSR2},
    {"FSR2H", SAVE_FSR2},      {"PROD", SAVE_PROD},       {"PRODL", SAVE_PROD},      {"PRODH", SAVE_PROD},
    {"TBLPTR", SAVE_TBLPTR},   {"TBLPTRL", SAVE_TBLPTR},  {"TBLPTRH", SAVE_TBLPTR},  {"TBLPTRU", SAVE_TBLPTRU},
    {"TABLAT", SAVE_TABLAT},   {"PCLATH", SAVE_PCLATH},   {"PCLATU", SAVE_PCLATU},
};

const resource_name s_nosave_names[] = {
    {"WREG", NOSAVE_WREG},       {"BSR", NOSAVE_BSR},         {"STATUS", NOSAVE_STATUS},
    {"FSR0", NOSAVE_FSR0},       {"FSR0L", NOSAVE_FSR0},      {"FSR0H", NOSAVE_FSR0},
    {"PROD", NOSAVE_PROD},       {"PRODL", NOSAVE_PROD},      {"PRODH", NOSAVE_PROD},
    {"TBLPTR", NOSAVE_TBLPTR},   {"TBLPTRL", NOSAVE_TBLPTR},  {"TBLPTRH", NOSAVE_TBLPTR},
    {"TBLPTRU", NOSAVE_TBLPTRU}, {"TABLAT", NOSAVE_TABLAT},   {"PCLATH", NOSAVE_PCLATH},
    {"PCLATU", NOSAVE_PCLATU},
};

// The save flag that guards the same resource as each nosave flag.
const int s_nosave_to_save[NOSAVE_FLAG_COUNT] = {
    SAVE_WREG,   SAVE_BSR,     SAVE_STATUS,  SAVE_FSR0,   SAVE_PROD,   SAVE_TBLPTR,
    SAVE_TBLPTRU, SAVE_TABLAT, SAVE_TMPDATA, SAVE_PCLATH, SAVE_PCLATU, SAVE_MATH_DATA,
};

const char *const s_managed_names[] = {
    "PROD", "PRODL", "PRODH", "TABLAT", "TBLPTR", "TBLPTRL", "TBLPTRH", "TBLPTRU", "PCLATH", "PCLATU", "STATUS", "WREG",
    "BSR",  "FSR0",  "FSR0L", "FSR0H",  "FSR1",   "FSR1L",   "FSR1H",   "FSR2",    "FSR2L",  "FSR2H",  "PCL",
};

int s_lookup(const resource_name *table, size_t size, const char *name)
{
    for (size_t i = 0; i < size; ++i)
        if (strcmp(table[i].name, name) == 0)
            return table[i].flag;
    return -1;
}

int s_save_flag_of(const char *name)
{
    if (strcmp(name, ".tmpdata") == 0)
        return SAVE_TMPDATA;
    if (strcmp(name, "MATH_DATA") == 0)
        return SAVE_MATH_DATA;
    return s_lookup(s_save_names, std::size(s_save_names), name);
}

int s_nosave_flag_of(const char *name)
{
    if (strcmp(name, ".tmpdata") == 0)
        return NOSAVE_TMPDATA;
    if (strcmp(name, "MATH_DATA") == 0)
        return NOSAVE_MATH_DATA;
    return s_lookup(s_nosave_names, std::size(s_nosave_names), name);
}
} // namespace

bool is_compiler_managed_name(const char *name)
{
    for (const char *managed : s_managed_names)
        if (strcmp(managed, name) == 0)
            return true;
    return false;
}

int s_set_save_flag(const char *name, int32_t *flags)
{
    int flag = s_save_flag_of(name);
    if (flag < 0)
        return 0;
    flags[flag] = 1;
    return 1;
}

int s_set_nosave_flag(const char *name, int32_t *flags)
{
    int flag = s_nosave_flag_of(name);
    if (flag < 0)
        return 0;
    flags[flag] = 1;
    return 1;
}

void s_clear_save_flags(int32_t *flags)
{
    memset(flags, 0, SAVE_FLAG_COUNT * sizeof *flags);
}

void s_clear_nosave_flags(int32_t *flags)
{
    memset(flags, 0, NOSAVE_FLAG_COUNT * sizeof *flags);
}

void pragma_record_free(pragma_record *record)
{
    free(record->file);
    free(record->section_name);
    if (record->kind == PRAGMA_INTERRUPT) {
        free(record->function_name);
        for (save_entry *e = record->save_list; e;) {
            save_entry *next = e->next;
            free(e->name);
            free(e);
            e = next;
        }
    } else if (record->kind == PRAGMA_CONFIG) {
        config_choice_free(record->settings);
    }
    *record = pragma_record{};
}

// ---- pragma directives ----

static bool s_fail(unsigned number, const char *argument = nullptr)
{
    if (argument)
        POST(number, argument);
    else
        POST(number);
    skip_directive_line();
    return false;
}

static bool s_section_pragma(pragma_record *record, uint32_t type, const char *word)
{
    record->kind = PRAGMA_SECTION;
    record->section_type = type;
    bool redundant = false;
    advance();
    for (;;) {
        if (match(TK_OVERLAY)) {
            redundant |= record->overlay != 0;
            record->overlay = 1;
        } else if (s_is_word("access")) {
            redundant |= record->access != 0;
            record->access = 1;
        } else {
            break;
        }
        advance();
    }
    if (s_is_name()) {
        record->section_name = s_take_name();
        advance();
        if (match('=')) {
            advance();
            if (!match(TK_CONSTANT))
                return s_fail(1013);
            record->absolute = 1;
            record->address = get_unsigned_constant_value(lex_value().constant.type, lex_value().constant.value);
            advance();
        }
    }
    if (redundant)
        return s_fail(1014, record->section_name ? record->section_name : word);
    if (!at_directive_end())
        return s_fail(1013);
    return true;
}

static bool s_tmpdata_pragma(pragma_record *record)
{
    record->kind = PRAGMA_TMPDATA;
    advance();
    if (s_is_name()) {
        record->section_name = s_take_name();
        advance();
    }
    if (!at_directive_end())
        return s_fail(1013);
    return true;
}

static void s_add_save_entry(pragma_record *record, uint32_t kind, char *name)
{
    auto *entry = static_cast<save_entry *>(hl_alloc(sizeof(save_entry)));
    entry->kind = kind;
    entry->name = name;
    save_entry **tail = &record->save_list;
    while (*tail)
        tail = &(*tail)->next;
    *tail = entry;
}

// One item of a save= or nosave= list, the look-ahead on its first token.
// Leaves the look-ahead on the token after the item.
static bool s_save_item(pragma_record *record, bool nosave)
{
    if (!s_is_name())
        return s_fail(1017);
    char *name = s_take_name();
    bool section = false;
    advance();
    if (strcmp(name, "section") == 0 && match('(')) {
        free(name);
        section = true;
        advance();
        if (!match(TK_STRING))
            return s_fail(1002, "string constant");
        name = s_take_bytes();
        advance();
        if (!match(')')) {
            free(name);
            return s_fail(1002, ")");
        }
        advance();
    }

    if (!nosave) {
        if (section) {
            record->save_section = 1;
            int flag = s_save_flag_of(name);
            if (flag == SAVE_TMPDATA || flag == SAVE_MATH_DATA) {
                record->save[flag] = 1;
                free(name);
            } else {
                s_add_save_entry(record, SAVE_ENTRY_SECTION, name);
            }
        } else if (is_compiler_managed_name(name)) {
            s_set_save_flag(name, record->save);
            free(name);
        } else {
            s_add_save_entry(record, SAVE_ENTRY_SYMBOL, name);
        }
        return true;
    }

    int flag = s_nosave_flag_of(name);
    bool special_section = flag == NOSAVE_TMPDATA || flag == NOSAVE_MATH_DATA;
    bool ok = true;
    if (section ? !special_section : (flag < 0 || special_section)) {
        POST(2077, name);
    } else if (!record->low_priority && (flag == NOSAVE_WREG || flag == NOSAVE_BSR || flag == NOSAVE_STATUS)) {
        POST(2076, name);
    } else if (record->save[s_nosave_to_save[flag]]) {
        ok = s_fail(1228, name);
    } else {
        record->nosave[flag] = 1;
    }
    free(name);
    return ok;
}

static bool s_save_list(pragma_record *record, bool nosave)
{
    advance();
    if (!match('='))
        return s_fail(1002, "=");
    do {
        advance();
        if (!s_save_item(record, nosave))
            return false;
    } while (match(','));
    return true;
}

static bool s_interrupt_pragma(pragma_record *record, bool low)
{
    record->kind = PRAGMA_INTERRUPT;
    s_clear_save_flags(record->save);
    s_clear_nosave_flags(record->nosave);
    record->low_priority = low;
    advance();
    if (!s_is_name())
        return s_fail(1018);
    record->function_name = s_take_name();
    advance();
    if (s_is_name() && !s_is_word("save") && !s_is_word("nosave")) {
        record->section_name = s_take_name();
        advance();
    }
    if (s_is_word("save") && !s_save_list(record, false))
        return false;
    if (s_is_word("nosave") && !s_save_list(record, true))
        return false;
    if (!at_directive_end())
        return s_fail(1020, "interrupt");
    return true;
}

static void s_varlocate_pragma()
{
    advance();
    unsigned bank = 0;
    char *section = nullptr;
    if (match(TK_CONSTANT)) {
        bank = get_unsigned_constant_value(lex_value().constant.type, lex_value().constant.value);
    } else if (match(TK_STRING)) {
        section = s_take_bytes();
    } else {
        s_fail(1013);
        return;
    }
    do {
        advance();
        if (!s_is_name()) {
            free(section);
            s_fail(1013);
            return;
        }
        if (section)
            opt_varlocate_section(lex_value().name, section);
        else
            opt_varlocate_bank(lex_value().name, bank);
        advance();
    } while (match(','));
    free(section);
    if (!at_directive_end())
        s_fail(1013);
}

int pragma_directive(pragma_record *record)
{
    s_begin_directive();
    source_position at = getLineno(yylineno, yyfilename);
    record->line = at.line;
    record->file = at.file;
    advance();
    if (at_directive_end())
        return 0;
    if (!s_is_name()) {
        POST(2002, yytext);
        skip_directive_line();
        return 0;
    }
    std::string word = lex_value().name;
    bool produced = false;
    if (word == "list" || word == "nolist") {
        skip_directive_line();
    } else if (word == "code") {
        produced = s_section_pragma(record, PSECT_CODE, word.c_str());
    } else if (word == "idata") {
        produced = s_section_pragma(record, PSECT_IDATA, word.c_str());
    } else if (word == "udata") {
        produced = s_section_pragma(record, PSECT_UDATA, word.c_str());
    } else if (word == "romdata") {
        produced = s_section_pragma(record, PSECT_ROMDATA, word.c_str());
    } else if (word == "tmpdata") {
        produced = s_tmpdata_pragma(record);
    } else if (word == "interrupt" || word == "interruptlow") {
        produced = s_interrupt_pragma(record, word == "interruptlow");
    } else if (word == "varlocate") {
        s_varlocate_pragma();
    } else if (word == "config") {
        if (generic_processor_flag) {
            s_fail(1227);
        } else {
            record->kind = PRAGMA_CONFIG;
            advance();
            produced = s_parse_pragma_config(record) != 0;
        }
    } else {
        POST(2002, word.c_str());
        skip_directive_line();
    }
    return produced ? 1 : 0;
}
