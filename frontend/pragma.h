// Pragmas and line directives.  A `#pragma` line becomes a pragma record
// that travels to the parser as one token; `#line` keeps the current file
// and line right and collects the files that the unit came from.
#pragma once
#include <cstdint>

enum pragma_kind : uint32_t { PRAGMA_SECTION = 0, PRAGMA_INTERRUPT = 1, PRAGMA_CONFIG = 2, PRAGMA_TMPDATA = 3 };
enum pragma_section_type : uint32_t { PSECT_CODE = 1, PSECT_IDATA = 2, PSECT_UDATA = 3, PSECT_ROMDATA = 4 };

// The resources that an interrupt's context save manages, as indexes into
// the save flags; the nosave flags have no FSR2 and use their own indexes.
enum save_flag_index {
    SAVE_WREG, SAVE_BSR, SAVE_STATUS, SAVE_FSR0, SAVE_FSR2, SAVE_PROD, SAVE_TBLPTR, SAVE_TBLPTRU,
    SAVE_TABLAT, SAVE_TMPDATA, SAVE_PCLATH, SAVE_PCLATU, SAVE_MATH_DATA, SAVE_FLAG_COUNT
};
enum nosave_flag_index {
    NOSAVE_WREG, NOSAVE_BSR, NOSAVE_STATUS, NOSAVE_FSR0, NOSAVE_PROD, NOSAVE_TBLPTR, NOSAVE_TBLPTRU,
    NOSAVE_TABLAT, NOSAVE_TMPDATA, NOSAVE_PCLATH, NOSAVE_PCLATU, NOSAVE_MATH_DATA, NOSAVE_FLAG_COUNT
};

enum save_entry_kind : uint32_t { SAVE_ENTRY_SYMBOL = 0, SAVE_ENTRY_SECTION = 1 };

// One user-named item of an interrupt's save list.
struct save_entry {
    uint32_t kind; // a save_entry_kind
    char *name;
    save_entry *next;
};

struct config_choice; // a chosen configuration setting

// 35 words.  Word 3 to 34 are read by the record's kind; see the field
// comments for which kinds use a word.
struct pragma_record {
    uint32_t kind;      // 0
    int32_t line;       // 1: source position of the pragma
    char *file;         // 2
    union {             // 3
        uint32_t section_type;    // section
        char *function_name;      // interrupt
        config_choice *settings;  // config
    };
    char *section_name; // 4: section, tmpdata, interrupt (its temporary-data section); null for the default
    union {             // 5
        int32_t overlay;          // section
        int32_t low_priority;     // interrupt
    };
    int32_t save_section;         // 6: interrupt: the save list named a section
    union {             // 7
        int32_t access;           // section
        save_entry *save_list;    // interrupt
    };
    int32_t absolute;             // 8: section: an address was given
    uint32_t address;             // 9
    int32_t nosave[NOSAVE_FLAG_COUNT]; // 10 to 21
    int32_t save[SAVE_FLAG_COUNT];     // 22 to 34
};

int pragma_directive(pragma_record *record);
void line_directive();

int s_set_save_flag(const char *name, int32_t *flags);
int s_set_nosave_flag(const char *name, int32_t *flags);
void s_clear_save_flags(int32_t *flags);
void s_clear_nosave_flags(int32_t *flags);
// Whether `name` is a register that the compiler saves itself, so that a
// save list does not take it as a user symbol.
bool is_compiler_managed_name(const char *name);

// Token look-ahead of the directive parsers.
extern int yylookahead;
int advance();
bool match(int token);
void resetlookahead();
bool at_directive_end();
// Skips the rest of the directive's line, up to its end-of-line token.
void skip_directive_line();

// Releases what a record owns (names, save list, settings), not the record.
void pragma_record_free(pragma_record *record);
