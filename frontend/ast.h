// The high-level syntax tree of one translation unit and the
// type lists (specifiers, qualifiers and declarator parts) of its declarations.
#pragma once
#include <cstdint>

#include "frontend/post_at.h"
#include "frontend/constant.h"

struct pragma_record;
struct asm_statement;

enum hl_kind : uint32_t {
    H_NOP = 1000, H_ADD, H_SUB, H_MUL, H_DIV, H_MOD, H_PREINC, H_PSTINC, H_MINUS, H_PLUS,
    H_PREDEC, H_PSTDEC, H_INDIR, H_REF, H_INDEX, H_EQ, H_NE, H_LT, H_GT, H_LTE,
    H_GTE, H_LNOT, H_LAND, H_LOR, H_BNOT, H_BAND, H_BOR, H_BXOR, H_SHR, H_SHL,
    H_IF, H_IFE, H_JMP, H_CALL, H_SWITCH, H_CASE, H_WHILE, H_DO, H_FORPRE, H_FORCOND,
    H_FORPOST, H_BREAK, H_CONTINUE, H_ELSE, H_RETURN, H_DEFAULT, H_ASSIGN, H_MULA, H_DIVA, H_MODA,
    H_ADDA, H_SUBA, H_SHLA, H_SHRA, H_ANDA, H_ORA, H_XORA, H_COMMA, H_MEMBER, H_COND,
    H_CONDSEP, H_IDENT, H_CNST, H_STRING, H_ASM, H_SIZEOFEXPR, H_SIZEOFTYPE, H_CAST, H_STMTLST, H_LABEL,
    H_CSTMT, H_DECL, H_DECLLST, H_FUNCT, H_DEF, H_DEFLST, H_ARG, H_ILIST, H_PRAGMA, H_ENUM_LABEL,
    H_ITTYPE,
};

enum typenode_kind : uint32_t {
    TN_CHAR, TN_INT, TN_FLOAT, TN_DOUBLE, TN_VOID, TN_UNSIGNED, TN_SIGNED, TN_SHORT, TN_LONG, TN_CONST,
    TN_VOLATILE, TN_ROM, TN_RAM, TN_NEAR, TN_FAR, TN_EXTERN, TN_STATIC, TN_REGISTER, TN_TYPEDEF, TN_AUTO,
    TN_OVERLAY, TN_POINTER, TN_ARRAY, TN_FUNCTION, TN_STRUCT, TN_UNION, TN_ENUM, TN_TYPEDEF_NAME,
};

struct typehl;
struct pcodehl;

// One specifier, qualifier or declarator part.  The words by kind:
//   TN_STRUCT, TN_UNION: tag name (or null), member declaration list (or null
//     for a reference to a tag);
//   TN_ENUM: tag name, enumerator list (H_ILIST of H_ASSIGN or H_IDENT);
//   TN_ARRAY: bound expression, or null;
//   TN_FUNCTION: parameter list (H_DECLLST of H_DECL), `...` flag, and 1 when
//     the declarator is a prototype (an empty list written "()" is not);
//   TN_TYPEDEF_NAME: name, the type list of the typedef.
// Copies share the sub-lists; only the node that `owns` them frees them.
struct typenodehl {
    uint32_t kind;
    void *word[3];
    bool owns;
    typenodehl *next;
    typenodehl *prev;
};

struct typehl {
    typenodehl *head;
    typenodehl *tail;
};

struct pcodehl {
    uint32_t kind;
    pcodehl *left;
    pcodehl *right;
    pcodehl *flat;
    int32_t line;
    const char *file;
    char *name;    // H_IDENT, H_LABEL, H_MEMBER, H_ENUM_LABEL, H_FUNCT
    int32_t flag;  // H_IDENT: call operand; H_MEMBER: 1 for "->"
    constant_record constant; // H_CNST
    int32_t end_line;         // H_CSTMT: position of the closing brace
    const char *end_file;
    char *bytes;   // H_STRING, terminated by a zero that `count` excludes
    uint32_t count;
    typehl *type;  // H_DECL, H_CAST, H_SIZEOFTYPE, H_ITTYPE, H_FUNCT
    asm_statement *asm_list; // H_ASM
    pragma_record *pragma;   // H_PRAGMA
};

// A source position; `file` is a new copy.
struct source_position {
    int32_t line;
    char *file;
};
source_position getLineno(int32_t line, const char *file);


pcodehl *new_pcodehl(uint32_t kind, pcodehl *left, pcodehl *right, int32_t line, const char *file);
pcodehl *pcodehl_head_list(uint32_t kind, pcodehl *list, pcodehl *element, int32_t line, const char *file);
pcodehl *pcodehl_tail_list(uint32_t kind, pcodehl *list, pcodehl *element, int32_t line, const char *file);
void hl_free_ast(pcodehl *node);
pcodehl *hl_get_ast();
void hl_set_ast(pcodehl *root);

typehl *new_typehl();
typenodehl *new_typenodehl(uint32_t kind);
void typehl_append(typehl *list, typenodehl *chain);
void typehl_append_list(typehl *list, typehl *other);
void typehl_insert(typehl *list, typenodehl *chain);
typehl *typehl_copy(const typehl *list);
void typehl_remove(typehl *list, typenodehl *node);
void typehl_free(typehl *list);
void typenodehl_free(typenodehl *node);

const char *hl_kind_name(uint32_t kind);
void hl_print_ast(const pcodehl *node);
void hl_print_type(const typehl *type);

// Typedef scopes, innermost last.
void enter_typedef_scope();
void exit_typedef_scope();
void s_declare_typedef(const char *name, const typehl *type);
void override_typedef(const char *name);
const typehl *lookup_typedef(const char *name);
void free_typedef_scopes();
unsigned typedef_scope_depth();
// Closes the scopes above `depth` that error recovery left open.
void unwind_typedef_scopes(unsigned depth);

// Allocation that posts the out-of-memory diagnostic instead of returning null.
void *hl_alloc(unsigned long size);
char *hl_strdup(const char *text);
