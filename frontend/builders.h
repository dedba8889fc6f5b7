// Node builders of the syntax tree, one per construct.  Each takes the
// children and the payload (whose strings and lists it takes over),
// followed by the source line and file.
#pragma once
#include <cstdint>

#include "frontend/ast.h"

// A list under construction: head for the tree, tail for constant-time
// appending.
struct hl_list {
    pcodehl *head;
    pcodehl *tail;
};
hl_list hl_list_append(hl_list list, uint32_t kind, pcodehl *element, int32_t line, const char *file);
hl_list hl_list_concat(hl_list list, hl_list more);

// A declarator under construction: its name (null for an abstract one) and
// its own type parts, innermost first.
struct hl_declarator {
    char *name;
    int32_t line;
    const char *file;
    typehl *parts;
    bool old_style; // an identifier list in place of a prototype
};
hl_declarator *new_declarator(char *name, int32_t line, const char *file);
void declarator_free(hl_declarator *declarator);

pcodehl *identifier(char *name, int32_t line, const char *file);
pcodehl *constant_primary_expression(constant_record value, int32_t line, const char *file);
pcodehl *string_literal_expression(char *bytes, uint32_t count, int32_t line, const char *file);
pcodehl *index_expression(pcodehl *array, pcodehl *index, int32_t line, const char *file);
pcodehl *call_expression(pcodehl *function, pcodehl *arguments, int32_t line, const char *file);
pcodehl *pre_increment_expression(pcodehl *operand, int32_t line, const char *file);
pcodehl *post_increment_expression(pcodehl *operand, int32_t line, const char *file);
pcodehl *pre_decrement_expression(pcodehl *operand, int32_t line, const char *file);
pcodehl *post_decrement_expression(pcodehl *operand, int32_t line, const char *file);
pcodehl *member_access_expression(pcodehl *object, char *member, int arrow, int32_t line, const char *file);
// Appends to an H_ARG chain that ends in H_NOP; `last` tracks its last H_ARG.
pcodehl *argument_expression(pcodehl *list, pcodehl **last, pcodehl *argument, int32_t line, const char *file);
pcodehl *unary_expression(int op, pcodehl *operand, int32_t line, const char *file);
pcodehl *builtin_ittype_expression(pcodehl *operand, typehl *type, int32_t line, const char *file);
pcodehl *sizeof_expression_expression(pcodehl *operand, int32_t line, const char *file);
pcodehl *sizeof_type_expression(typehl *type, int32_t line, const char *file);
pcodehl *explicit_cast_expression(typehl *type, pcodehl *operand, int32_t line, const char *file);
pcodehl *multiplicative_expression(int op, pcodehl *a, pcodehl *b, int32_t line, const char *file);
pcodehl *additive_expression(int op, pcodehl *a, pcodehl *b, int32_t line, const char *file);
pcodehl *shift_expression(int op, pcodehl *a, pcodehl *b, int32_t line, const char *file);
pcodehl *comparison_expression(int op, pcodehl *a, pcodehl *b, int32_t line, const char *file);
pcodehl *binary_bitwise_expression(int op, pcodehl *a, pcodehl *b, int32_t line, const char *file);
pcodehl *logical_expression(int op, pcodehl *a, pcodehl *b, int32_t line, const char *file);
pcodehl *conditional_expression(pcodehl *c, pcodehl *a, pcodehl *b, int32_t line, const char *file);
pcodehl *assignment_expression(int op, pcodehl *target, pcodehl *value, int32_t line, const char *file);
pcodehl *comma_expression(pcodehl *a, pcodehl *b, int32_t line, const char *file);
pcodehl *constant_expression(pcodehl *expression);

pcodehl *enumerated_label_statement(char *name, pcodehl *value, pcodehl *statement, int32_t line, const char *file);
pcodehl *label_statement(char *name, pcodehl *statement, int32_t line, const char *file);
pcodehl *case_label_statement(pcodehl *value, pcodehl *statement, int32_t line, const char *file);
pcodehl *default_label_statement(pcodehl *statement, int32_t line, const char *file);
pcodehl *if_statement(pcodehl *c, pcodehl *then, int32_t line, const char *file);
pcodehl *if_else_statement(pcodehl *c, pcodehl *then, pcodehl *otherwise, int32_t line, const char *file);
pcodehl *switch_statement(pcodehl *e, pcodehl *body, int32_t line, const char *file);
pcodehl *while_statement(pcodehl *c, pcodehl *body, int32_t line, const char *file);
pcodehl *do_statement(pcodehl *body, pcodehl *c, int32_t line, const char *file);
pcodehl *for_statement(pcodehl *init, pcodehl *c, pcodehl *step, pcodehl *body, int32_t line, const char *file);
pcodehl *goto_statement(char *label, int32_t line, const char *file);
pcodehl *continue_statement(int32_t line, const char *file);
pcodehl *break_statement(int32_t line, const char *file);
pcodehl *return_statement(pcodehl *value, int32_t line, const char *file);
pcodehl *compound_statement(pcodehl *declarations, pcodehl *statements, int32_t line, const char *file,
                            int32_t end_line, const char *end_file);
pcodehl *asm_block_statement(asm_statement *statements, int32_t line, const char *file);
pcodehl *pragma_statement(const pragma_record *record, int32_t line, const char *file);

// Declarations: one H_DECLLST chain per declaration.  Each builder also
// keeps the typedef scopes up to date for the declarator.
pcodehl *new_declaring_list(typehl *specifiers, hl_declarator *declarator, pcodehl *initializer, int32_t line,
                            const char *file);
pcodehl *declaring_list(pcodehl *list, typehl *specifiers, hl_declarator *declarator, pcodehl *initializer,
                        int32_t line, const char *file);
// A declaration without declarators (a tag or an enumeration on its own).
pcodehl *specifier_declaration(typehl *specifiers, int32_t line, const char *file);
pcodehl *parameter_declaration(typehl *specifiers, hl_declarator *declarator, int32_t line, const char *file);
pcodehl *member_declaring_list(pcodehl *list, typehl *specifiers, hl_declarator *declarator, pcodehl *width,
                               int32_t line, const char *file);
// A declaration list is the declarations' H_DECLLST chains one after another.
hl_list declaration_list(hl_list list, pcodehl *declaration);
hl_list initializer_list(hl_list list, pcodehl *initializer, int32_t line, const char *file);

typenodehl *aggregate_name(uint32_t kind, char *tag);
typenodehl *sue_specifier(uint32_t kind, char *tag, pcodehl *members);
typenodehl *typedef_name_specifier(char *name, const typehl *type);

// The declarator's own parts followed by a copy of the specifiers; the
// declarator is used up.
typehl *declarator_type(hl_declarator *declarator, const typehl *specifiers);

pcodehl *function_definition(typehl *specifiers, hl_declarator *declarator, pcodehl *body, int32_t line,
                             const char *file);
// Opens the scope of a function body: the parameters hide typedefs of the
// same name there.
void begin_function_body(const hl_declarator *declarator);
