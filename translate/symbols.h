// The symbol table of one translation unit: identifiers, tags and labels in
// nested scopes, the compiler-made objects and labels, the sections, and the
// master symbol list that the object emitter walks.
#pragma once
#include <cstdint>

#include "frontend/constant.h"
#include "support/list.h"
#include "translate/types.h"

struct stmt;
struct init_record;
struct interrupt_record;
struct section;
struct ocode;

enum sym_kind : uint32_t {
    LABEL = 0,
    VARIABLE = 1, // any object or function
    BEGIN_FUNCTION = 2,
    END_FUNCTION = 3,
    SOURCE_FILE = 4,
    BEGIN_BLOCK = 5,
    END_BLOCK = 6,
    SECTION_CHANGE = 7,
};

enum linkage_code : int32_t { LINK_NONE = 0, LINK_EXTERNAL = 100, LINK_INTERNAL = 101 };

enum call_kind : uint32_t { CALL_DIRECT = 0, CALL_INDIRECT = 1 };

struct call_element {
    call_kind kind;
    symbol *callee; // null for a call through a pointer
    uint32_t count;
    call_element *older;
    call_element *newer;
};

struct symbol {
    sym_kind kind;
    char *name; // a source file's full path; a section change's section name
    int32_t line;
    char *file;
    union {
        typell *type;      // VARIABLE, owned
        symbol *function;  // BEGIN_FUNCTION, END_FUNCTION
        section *scn;      // SECTION_CHANGE
    };
    union {
        int32_t linkage;   // a linkage_code
        stmt *label_stmt;  // LABEL: the statement that carries it
    };
    int32_t storage_class;
    int32_t frame_offset;
    bool is_temp;
    bool in_prototype;
    bool is_tentative;
    bool is_initialized;
    bool is_defined;
    bool has_asm;
    interrupt_record *interrupt;
    call_element *calls; // newest first
    bool has_overlay_locals;
    symbol *bf_entry;
    symbol *ef_entry;
    bool is_param_alias;
    symbol *alias;
    bool is_enum_constant;
    constant_record enum_value;
    uint32_t ref_count;
    char *string_text;
    uint32_t string_length;
    bool is_placed;
    char *section_name;
    init_record *initial_data;
    int32_t nesting_level;
    section *code_section; // a function defined here: the code section it was generated into
    symbol *all_next; // every record made in this module, for sym_end_module
};

// Section types, shared with code generation and the object emitter.
enum section_type : uint32_t {
    SECTION_CODE = 1,
    SECTION_IDATA = 2,
    SECTION_UDATA = 3,
    SECTION_ROMDATA = 4,
    SECTION_ACTREC = 5,
    SECTION_TMPDATA = 6,
};

struct section {
    section_type type;
    char *name;
    unsigned share : 1;
    unsigned overlay : 1;
    unsigned access : 1;
    unsigned absolute : 1;
    uint32_t address;
    symbol *first_entry;
    ocode *code; // a code section: the output code of its functions, in order
};

enum lookup_mode { LOOKUP_ALL = 0, LOOKUP_CURRENT = 1, LOOKUP_FILE = 2 };

extern list *master_symbol_list; // of symbol *
extern list *section_set;        // of section, in order of creation

void sym_begin_module();
// Frees every record of the module; a new module may begin afterwards.
void sym_end_module();

void sym_enter_file(const char *path);
void sym_begin_function(symbol *function, int32_t line, const char *file);
void sym_end_function(symbol *function, int32_t line, const char *file);
void sym_begin_block(int32_t line, const char *file);
void sym_end_block(int32_t line, const char *file);
void sym_begin_prototype();
void sym_end_prototype();
int32_t sym_get_nesting_level();

// A zero-filled record owned by the module, with an owned copy of `name`.
symbol *sym_new_record(sym_kind kind, const char *name);
// `type` becomes the symbol's own.
symbol *sym_create_symbol(const char *name, typell *type, int32_t linkage, int32_t storage_class);
void sym_declare_symbol(symbol *sym, bool at_file_scope, int32_t line, const char *file);
symbol *sym_lookup_sym(const char *name, lookup_mode mode);

tag_record *sym_lookup_tag(const char *name, bool current_only);
tag_record *sym_declare_tag(const char *name, tag_kind kind);

symbol *sym_create_label(const char *name);
symbol *sym_lookup_label(const char *name);

symbol *sym_enter_section(section_type type, const char *name, bool share, bool overlay, bool access,
                          bool absolute, uint32_t address);
section *sym_get_default_code_section();
section *sym_get_current_romdata_scn();
section *sym_get_current_tmpdata_scn();
char *sym_get_current_udata_scn_name();
char *sym_get_current_idata_scn_name();
const char *sym_get_default_udata_scn_name();
const char *sym_get_default_idata_scn_name();

void sym_get_fake_tag_name(char *buffer, unsigned size);
symbol *sym_temp_symbol(uint32_t size);
symbol *sym_temp_label(int32_t line, const char *file);
// A string literal's array: constant in program memory, or (for standard C)
// a plain char array in data memory.
symbol *sym_string_symbol(uint32_t length, bool in_data_memory = false);
symbol *sym_config_symbol();
char *sym_make_act_rec_scn_name(const char *function_name);

void sym_add_call(symbol *caller, symbol *callee);
void sym_remove_call(symbol *caller, symbol *callee);

void sym_dump_symtbl();
void print_symbol(const char *label, const symbol *sym);

// Appends an entry to the master list, preceded by a source-file entry when
// its file differs from the last one seen.
void s_add_to_master_symbol_table(symbol *entry);
