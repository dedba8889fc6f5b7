// The type record of every stage after parsing: a chain of levels, outermost
// first, each carrying the memory space and addressing range of an object of
// that level.  Also the member, tag and aggregate records of structs, unions
// and enumerations, the predefined types, sizes and compatibility.
#pragma once
#include <cstdint>
#include <cstdio>

#include "frontend/constant.h"

struct typehl;
struct pcodehl;
struct pcodell;
struct symbol;
struct tag_record;
struct param_entry;

enum type_kind : uint32_t { BSC = 0, SUE = 1, PTR = 2, ARY = 3, FCN = 4 };

// Basic codes of a BSC level.  The int family is told apart by the flags;
// BT_SCALAR_OTHER is accepted as scalar but no declaration produces it.
enum basic_type_code : uint32_t { BT_NONE = 0, BT_VOID = 1, BT_CHAR = 2, BT_INT = 3, BT_FLOAT = 4, BT_SCALAR_OTHER = 5 };

// Flags of a BSC level.
constexpr uint32_t TF_SIGNED = 1;
constexpr uint32_t TF_SHORT = 2;
constexpr uint32_t TF_LONG = 4;
// Flags of a FCN level.
constexpr uint32_t TF_PROTOTYPED = 1;
constexpr uint32_t TF_VARIADIC = 2;

enum tag_kind : uint32_t { STRUCT_TAG = 0, UNION_TAG = 1, ENUM_TAG = 2 };

struct typell {
    type_kind kind;
    int32_t memory; // 0 unset, MEMORY_RAM, MEMORY_ROM
    int32_t range;  // 0 unset, RANGE_FAR, RANGE_NEAR
    unsigned is_const : 1;
    unsigned is_volatile : 1;
    tag_record *enum_tag; // BSC levels that came from an enum
    union {
        uint32_t basic;      // BSC
        tag_record *tag;     // SUE
        uint32_t count;      // ARY, 0 when the size was not given
        param_entry *params; // FCN, owned
    } detail;
    uint32_t flags;
    int32_t is_bitfield;
    int32_t bit_offset; // 0 is the least significant bit of the byte
    int32_t bit_width;
    typell *next;
};

struct member_record {
    char *name; // null for an unnamed member
    typell *type;
    uint32_t offset;
    int32_t is_bitfield;
    int32_t bit_offset;
    int32_t bit_width;
    member_record *next;
};

struct enum_entry {
    symbol *constant;
    enum_entry *next;
};

struct aggregate_definition {
    tag_kind kind;
    uint32_t size;
    typell *base;             // never filled: inheritance is rejected
    typell *first_member;     // union: the type of the first declared member, which initializers use
    uint64_t largest_value;   // enum
    member_record *members;   // struct and union
    enum_entry *constants;    // enum
    typell *underlying;       // enum
};

struct tag_record {
    char *name;
    tag_kind kind;
    aggregate_definition *definition; // null while the tag is incomplete
};

struct param_entry {
    typell *type;
    int32_t storage_class;
    symbol *alias; // the file-scope alias of a static parameter
    param_entry *next;
};

// The predefined types; copied wherever a default type is needed.
extern typell *char_type;
extern typell *unsigned_char_type;
extern typell *short_int_type;
extern typell *int_type;
extern typell *short_long_int_type;
extern typell *long_int_type;
extern typell *float_type;
extern typell *double_type;
extern typell *long_double_type;
extern typell *void_type;
extern typell *default_function_type;
extern typell *void_function_type;
extern symbol *void_symbol; // "__VoidSym", the stand-in for undefined names

// Creates the predefined types and the void symbol; the symbol table must
// have begun its module.  trnUninitialize frees the predefined types.
void trnInitialize();
void trnUninitialize();

typell *type_create();
// A BSC level in ram with the default ram range.
typell *type_basic(uint32_t basic, uint32_t flags);
typell *type_copy(const typell *type);
// A PTR level in ram with the default ram range over `target`.
typell *type_pointer_to(typell *target);
typell *type_reference(typell *type);
void type_free(typell *type);
param_entry *param_entry_create(typell *type, int32_t storage_class);
void param_list_free(param_entry *params);

bool is_type_scalar(const typell *type);
bool is_type_function(const typell *type);
bool is_type_pointer(const typell *type);
bool is_type_array(const typell *type);
bool is_type_void(const typell *type);
bool is_type_float(const typell *type);
// char or int family of either signedness.
bool is_type_integer(const typell *type);
bool is_type_arithmetic(const typell *type);
bool is_type_signed(const typell *type);
bool is_type_char(const typell *type);
bool is_type_struct_or_union(const typell *type);
bool is_type_sue(const typell *type, tag_kind kind);
typell *type_function_return_type(const typell *ftype);

uint32_t ll_sizeof_type(const typell *type);
// The constant type code (CT_*) of a char, int or float level.
uint32_t type_constant_code(const typell *type);

member_record *type_lookup_su_member(const aggregate_definition *definition, const char *name);
bool are_types_compatible(const typell *a, const typell *b, bool check_qualifiers);

// Writes the print form of the chain, one "<memory range qualifiers kind>"
// group per level such as "<AFCBSC>"; a struct level lists its members.
void type_print(FILE *stream, const typell *type);

// Resolution of a declaration-specifier list; null after 1166.
typell *trnResolveType(const typehl *specifiers, const char *file_name, int32_t line);
// The storage class of a specifier list: 0 when none is given.
int32_t trnResolveSclass(const typehl *specifiers);
bool trn_check_illegal_tag_reference(const typell *type);
// Forgets which syntax-tree lists defined which tags, for a new tree.
void trn_forget_tag_definitions();

aggregate_definition *sDefineSUEtype(tag_kind kind, pcodehl *members, const char *file_name, int32_t line);
aggregate_definition *sDefineEnum(pcodehl *enumerators);
void aggregate_definition_free(aggregate_definition *definition);

// Seams to the declaration and expression layers, which install their own
// routines; the defaults declare a parameter in the current scope and
// translate literal constants.  The declarer stores its own copy of `type`.
using trn_parameter_declarer = symbol *(*)(const char *name, const typell *type, int32_t storage_class,
                                           const char *file_name, int32_t line);
using trn_constant_translator = pcodell *(*)(pcodehl *expression);
extern trn_parameter_declarer trn_declare_parameter;
extern trn_constant_translator trn_constant_expression;

// Reads an integer constant of char or int family from a translated
// constant expression and frees the tree; false (and nothing read) for any
// other tree.
bool trn_integer_constant(pcodell *tree, int64_t *value, uint32_t *code);
