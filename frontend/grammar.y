%code requires {
#include "frontend/asmrec.h"
#include "frontend/ast.h"
#include "frontend/builders.h"
#include "frontend/token.h"

struct asm_chain {
    asm_statement *head;
    asm_statement *tail;
};
struct operand_chain {
    asm_operand *head;
    asm_operand *tail;
};
struct argument_chain {
    pcodehl *head;
    pcodehl *last;
};
struct parameter_list {
    hl_list list;
    int variadic;
};

#define YYLTYPE source_location
#define YYLTYPE_IS_DECLARED 1
#define YYLTYPE_IS_TRIVIAL 1
}

%code top {
// The generated parser runs inside `yyparse` below, which turns a held
// compilation abort into the exception once the parser stack is released.
#define yyparse s_parse_unit
}

%code {
#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "frontend/lexer.h"
#include "frontend/parser.h"
#include "frontend/pragma.h"
#include "support/position.h"

// A construct's position is that of its first token; an empty one takes
// the position of what precedes it.
#define YYLLOC_DEFAULT(Current, Rhs, N)                   \
    do {                                                  \
        if (N)                                            \
            (Current) = YYRHSLOC(Rhs, 1);                 \
        else                                              \
            (Current) = YYRHSLOC(Rhs, 0);                 \
    } while (0)

// The parser's own message for a full stack.
#define YY_(Message) s_parser_message(Message)

static const char *s_parser_message(const char *message)
{
    return strcmp(message, "memory exhausted") == 0 ? "yacc stack overflow" : message;
}

static void s_syntax_error(const char *message)
{
    if (!hl_abort_pending)
        yyerror("%s", message);
}
#define yyerror(message) s_syntax_error(message)

// Once the compilation is to end, the parser sees the end of its input and
// releases what its stack holds.
static int s_next_token()
{
    if (hl_abort_pending)
        return 0;
    int token = yylex();
    if (hl_abort_pending && token > 0) {
        token_value_free(token, &lex_value());
        return 0;
    }
    return token;
}
#define yylex s_next_token

#define LINE(at) (at).first_line
#define FILE_OF(at) ((at).file ? (at).file : yyfilename)
#define POS(at) LINE(at), FILE_OF(at)

// The specifiers of the declarations being parsed, for their declarators.
static std::vector<typehl *> s_specifiers;

static unsigned s_push_specifiers(typehl *specifiers)
{
    s_specifiers.push_back(specifiers);
    return static_cast<unsigned>(s_specifiers.size() - 1);
}

static void s_pop_specifiers(unsigned index)
{
    s_specifiers.resize(index);
}

static typehl *s_current_specifiers()
{
    return s_specifiers.back();
}

static typehl *s_single(typenodehl *node)
{
    typehl *list = new_typehl();
    typehl_append(list, node);
    return list;
}

static typehl *s_add(typehl *list, typenodehl *node)
{
    typehl_append(list, node);
    return list;
}

static hl_declarator *s_array(hl_declarator *d, pcodehl *bound)
{
    typenodehl *node = new_typenodehl(TN_ARRAY);
    node->word[0] = bound;
    typehl_append(d->parts, node);
    return d;
}

static hl_declarator *s_function(hl_declarator *d, pcodehl *parameters, int variadic, int prototyped)
{
    typenodehl *node = new_typenodehl(TN_FUNCTION);
    node->word[0] = parameters;
    node->word[1] = reinterpret_cast<void *>(static_cast<intptr_t>(variadic));
    node->word[2] = reinterpret_cast<void *>(static_cast<intptr_t>(prototyped));
    typehl_append(d->parts, node);
    return d;
}

static hl_declarator *s_pointer(typehl *pointer, hl_declarator *d)
{
    typehl_append_list(d->parts, pointer);
    return d;
}

static hl_declarator *s_abstract(const source_location &at)
{
    return new_declarator(nullptr, POS(at));
}

static pcodehl *s_nop(const source_location &at)
{
    return new_pcodehl(H_NOP, nullptr, nullptr, POS(at));
}

static void s_free_list(hl_list list)
{
    hl_free_ast(list.head);
}
}

%define api.token.prefix {TOK_}
%locations
%expect 1

%union {
    token_value tok;
    pcodehl *node;
    typehl *type;
    typenodehl *tnode;
    hl_declarator *decl;
    hl_list list;
    asm_chain asms;
    operand_chain operands;
    argument_chain args;
    parameter_list params;
    unsigned index;
    int op;
}

%token <tok> CONSTANT 257 FCONSTANT 258 IDENTIFIER 259 STRING_LITERAL 260 SIZEOF 261
%token <tok> PTR_OP 262 INC_OP 263 DEC_OP 264 LEFT_OP 265 RIGHT_OP 266 LE_OP 267 GE_OP 268
%token <tok> EQ_OP 269 NE_OP 270 AND_OP 271 OR_OP 272 MUL_ASSIGN 273 DIV_ASSIGN 274 MOD_ASSIGN 275
%token <tok> ADD_ASSIGN 276 SUB_ASSIGN 277 LEFT_ASSIGN 278 RIGHT_ASSIGN 279 AND_ASSIGN 280
%token <tok> XOR_ASSIGN 281 OR_ASSIGN 282
%token <tok> TYPEDEF 284 EXTERN 285 STATIC 286 AUTO 287 REGISTER 288 CHAR 289 SHORT 290 INT 291
%token <tok> LONG 292 SIGNED 293 UNSIGNED 294 FLOAT 295 DOUBLE 296 CONST 297 VOLATILE 298 VOID 299
%token <tok> STRUCT 300 UNION 301 ENUM 302 ELLIPSIS 303 CASE 304 DEFAULT 305 IF 306 SWITCH 307
%token <tok> WHILE 308 DO 309 FOR 310 GOTO 311 CONTINUE 312 BREAK 313 RETURN 314 ELSE 315 OVERLAY 316
%token <tok> TYPEDEF_NAME 700 SCOPE_OP 701 NEAR 806 FAR 807 RAM 808 ROM 809
%token <tok> ASM 900 ENDASM 901 MNEMONIC 902 ASM_LABEL 903 PRAGMA 1000
%token <tok> BUILTIN_ENUM_LABEL 2001 BUILTIN_ITTYPE 2002

%precedence LOWER_THAN_ELSE
%precedence ELSE

%type <list> translation_unit declaration_list_opt statement_list_opt initializer_list
%type <list> enumerator_list member_list parameter_list_items
%type <node> external_declaration function_definition declaration init_declarators_any init_declarators_id
%type <node> initializer_opt initializer member_declaration member_declarators enumerator
%type <node> parameter_declaration statement compound_statement labeled_statement expression_statement
%type <node> selection_statement iteration_statement jump_statement asm_statement expression_opt
%type <node> primary_expression string_sequence postfix_expression unary_expression cast_expression
%type <node> multiplicative_expression additive_expression shift_expression relational_expression
%type <node> equality_expression and_expression exclusive_or_expression inclusive_or_expression
%type <node> logical_and_expression logical_or_expression conditional_expression assignment_expression
%type <node> expression constant_expression
%type <type> notype_specifiers basic_specifiers other_specifiers typed_specifiers declaration_specifiers
%type <type> sq_basic sq_other sq_typed sq_qualifiers type_name pointer qualifier_list
%type <tnode> storage_class type_qualifier basic_type complete_type struct_or_union_specifier enum_specifier
%type <tnode> struct_or_union
%type <decl> declarator_any declarator_id direct_any direct_id abstract_declarator direct_abstract
%type <decl> member_declarator
%type <params> parameter_type_list
%type <asms> asm_items
%type <asm_item_t> asm_item
%type <operands> asm_operands
%type <args> argument_list
%type <index> push_specifiers scope_begin function_begin plain_function_begin parameter_scope
%type <op> unary_operator assignment_operator
%type <tok> tag member_name

%union {
    asm_statement *asm_item_t;
}

%destructor { free($$.name); } IDENTIFIER TYPEDEF_NAME ASM_LABEL BUILTIN_ENUM_LABEL BUILTIN_ITTYPE
%destructor { free($$.name); free($$.file); } MNEMONIC
%destructor { free($$.bytes); } STRING_LITERAL
%destructor { pragma_record_free(&$$.pragma); } PRAGMA
%destructor { free($$.name); } tag member_name
%destructor { hl_free_ast($$); } <node>
%destructor { s_free_list($$); } <list>
%destructor { typehl_free($$); } <type>
%destructor { typenodehl_free($$); } <tnode>
%destructor { declarator_free($$); } <decl>
%destructor { s_free_list($$.list); } <params>
%destructor { asm_list_free($$.head); } <asms>
%destructor { asm_list_free($$); } <asm_item_t>
%destructor { hl_free_ast($$.head); } <args>
%destructor {
    for (asm_operand *op = $$.head; op;) {
        asm_operand *next = op->next;
        free(op->symbol);
        free(op);
        op = next;
    }
} <operands>

%start program

%%

program
    : translation_unit                  { hl_set_ast($1.head); }
    ;

translation_unit
    : %empty                            { $$ = hl_list{}; }
    | translation_unit external_declaration
                                        {
                                            $$ = $2 ? hl_list_append($1, H_DEFLST, $2, POS(@2)) : $1;
                                        }
    ;

external_declaration
    : function_definition               { $$ = $1; }
    | declaration                       { $$ = $1; }
    | PRAGMA                            { $$ = pragma_statement(&$1.pragma, POS(@1)); }
    | error ';'                         { $$ = nullptr; unwind_typedef_scopes(1); }
    | error '}'                         { $$ = nullptr; unwind_typedef_scopes(1); }
    ;

function_definition
    : typed_specifiers push_specifiers declarator_any function_begin compound_statement
                                        {
                                            unwind_typedef_scopes($4);
                                            s_pop_specifiers($2);
                                            $$ = function_definition($1, $3, $5, POS(@3));
                                            typehl_free($1);
                                        }
    | notype_specifiers push_specifiers declarator_id function_begin compound_statement
                                        {
                                            unwind_typedef_scopes($4);
                                            s_pop_specifiers($2);
                                            $$ = function_definition($1, $3, $5, POS(@3));
                                            typehl_free($1);
                                        }
    | declarator_id function_begin compound_statement
                                        {
                                            unwind_typedef_scopes($2);
                                            typehl *none = new_typehl();
                                            $$ = function_definition(none, $1, $3, POS(@1));
                                            typehl_free(none);
                                        }
    | typed_specifiers push_specifiers declarator_any old_style_check declaration_list_opt_nonempty
      plain_function_begin compound_statement
                                        {
                                            unwind_typedef_scopes($6);
                                            s_pop_specifiers($2);
                                            $3->old_style = true;
                                            $$ = function_definition($1, $3, $7, POS(@3));
                                            typehl_free($1);
                                        }
    ;

declaration_list_opt_nonempty
    : declaration                       { hl_free_ast($1); }
    | declaration_list_opt_nonempty declaration
                                        { hl_free_ast($2); }
    ;

// Declarations may follow a declarator only when it names its parameters
// without types.
old_style_check
    : %empty                            {
                                            if (!$<decl>0->old_style) {
                                                yyerror(YY_("syntax error"));
                                                YYERROR;
                                            }
                                        }
    ;

function_begin
    : %empty                            { $$ = typedef_scope_depth(); begin_function_body($<decl>0); }
    ;

plain_function_begin
    : %empty                            { $$ = typedef_scope_depth(); enter_typedef_scope(); }
    ;

push_specifiers
    : %empty                            { $$ = s_push_specifiers($<type>0); }
    ;

declaration
    : declaration_specifiers ';'        { $$ = specifier_declaration($1, POS(@1)); }
    | typed_specifiers push_specifiers init_declarators_any ';'
                                        { s_pop_specifiers($2); typehl_free($1); $$ = $3; }
    | notype_specifiers push_specifiers init_declarators_id ';'
                                        { s_pop_specifiers($2); typehl_free($1); $$ = $3; }
    ;

init_declarators_any
    : declarator_any initializer_opt    { $$ = new_declaring_list(s_current_specifiers(), $1, $2, POS(@1)); }
    | init_declarators_any ',' declarator_any initializer_opt
                                        { $$ = declaring_list($1, s_current_specifiers(), $3, $4, POS(@3)); }
    ;

init_declarators_id
    : declarator_id initializer_opt     { $$ = new_declaring_list(s_current_specifiers(), $1, $2, POS(@1)); }
    | init_declarators_id ',' declarator_any initializer_opt
                                        { $$ = declaring_list($1, s_current_specifiers(), $3, $4, POS(@3)); }
    ;

initializer_opt
    : %empty                            { $$ = nullptr; }
    | '=' initializer                   { $$ = $2; }
    ;

declaration_specifiers
    : typed_specifiers                  { $$ = $1; }
    | notype_specifiers                 { $$ = $1; }
    ;

typed_specifiers
    : basic_specifiers                  { $$ = $1; }
    | other_specifiers                  { $$ = $1; }
    ;

notype_specifiers
    : storage_class                     { $$ = s_single($1); }
    | type_qualifier                    { $$ = s_single($1); }
    | notype_specifiers storage_class   { $$ = s_add($1, $2); }
    | notype_specifiers type_qualifier  { $$ = s_add($1, $2); }
    ;

basic_specifiers
    : basic_type                        { $$ = s_single($1); }
    | notype_specifiers basic_type      { $$ = s_add($1, $2); }
    | basic_specifiers basic_type       { $$ = s_add($1, $2); }
    | basic_specifiers storage_class    { $$ = s_add($1, $2); }
    | basic_specifiers type_qualifier   { $$ = s_add($1, $2); }
    ;

other_specifiers
    : complete_type                     { $$ = s_single($1); }
    | notype_specifiers complete_type   { $$ = s_add($1, $2); }
    | other_specifiers storage_class    { $$ = s_add($1, $2); }
    | other_specifiers type_qualifier   { $$ = s_add($1, $2); }
    ;

sq_qualifiers
    : type_qualifier                    { $$ = s_single($1); }
    | sq_qualifiers type_qualifier      { $$ = s_add($1, $2); }
    ;

sq_basic
    : basic_type                        { $$ = s_single($1); }
    | sq_qualifiers basic_type          { $$ = s_add($1, $2); }
    | sq_basic basic_type               { $$ = s_add($1, $2); }
    | sq_basic type_qualifier           { $$ = s_add($1, $2); }
    ;

sq_other
    : complete_type                     { $$ = s_single($1); }
    | sq_qualifiers complete_type       { $$ = s_add($1, $2); }
    | sq_other type_qualifier           { $$ = s_add($1, $2); }
    ;

sq_typed
    : sq_basic                          { $$ = $1; }
    | sq_other                          { $$ = $1; }
    ;

storage_class
    : TYPEDEF                           { $$ = new_typenodehl(TN_TYPEDEF); }
    | EXTERN                            { $$ = new_typenodehl(TN_EXTERN); }
    | STATIC                            { $$ = new_typenodehl(TN_STATIC); }
    | AUTO                              { $$ = new_typenodehl(TN_AUTO); }
    | REGISTER                          { $$ = new_typenodehl(TN_REGISTER); }
    | OVERLAY                           { $$ = new_typenodehl(TN_OVERLAY); }
    ;

type_qualifier
    : CONST                             { $$ = new_typenodehl(TN_CONST); }
    | VOLATILE                          { $$ = new_typenodehl(TN_VOLATILE); }
    | ROM                               { $$ = new_typenodehl(TN_ROM); }
    | RAM                               { $$ = new_typenodehl(TN_RAM); }
    | NEAR                              { $$ = new_typenodehl(TN_NEAR); }
    | FAR                               { $$ = new_typenodehl(TN_FAR); }
    ;

basic_type
    : CHAR                              { $$ = new_typenodehl(TN_CHAR); }
    | SHORT                             { $$ = new_typenodehl(TN_SHORT); }
    | INT                               { $$ = new_typenodehl(TN_INT); }
    | LONG                              { $$ = new_typenodehl(TN_LONG); }
    | SIGNED                            { $$ = new_typenodehl(TN_SIGNED); }
    | UNSIGNED                          { $$ = new_typenodehl(TN_UNSIGNED); }
    | FLOAT                             { $$ = new_typenodehl(TN_FLOAT); }
    | DOUBLE                            { $$ = new_typenodehl(TN_DOUBLE); }
    | VOID                              { $$ = new_typenodehl(TN_VOID); }
    ;

complete_type
    : TYPEDEF_NAME                      { $$ = typedef_name_specifier($1.name, $1.type); }
    | struct_or_union_specifier         { $$ = $1; }
    | enum_specifier                    { $$ = $1; }
    ;

tag
    : IDENTIFIER                        { $$ = $1; }
    | TYPEDEF_NAME                      { $$ = $1; }
    ;

struct_or_union
    : STRUCT                            { $$ = new_typenodehl(TN_STRUCT); }
    | UNION                             { $$ = new_typenodehl(TN_UNION); }
    ;

struct_or_union_specifier
    : struct_or_union tag '{' member_list '}'
                                        {
                                            $$ = sue_specifier($1->kind, $2.name, $4.head);
                                            typenodehl_free($1);
                                        }
    | struct_or_union '{' member_list '}'
                                        {
                                            $$ = sue_specifier($1->kind, nullptr, $3.head);
                                            typenodehl_free($1);
                                        }
    | struct_or_union tag               { $$ = aggregate_name($1->kind, $2.name); typenodehl_free($1); }
    ;

member_list
    : member_declaration                { $$ = declaration_list(hl_list{}, $1); }
    | member_list member_declaration    { $$ = declaration_list($1, $2); }
    ;

member_declaration
    : sq_typed push_specifiers member_declarators ';'
                                        { s_pop_specifiers($2); typehl_free($1); $$ = $3; }
    | sq_typed ';'                      { $$ = member_declaring_list(nullptr, $1, nullptr, nullptr, POS(@1)); typehl_free($1); }
    ;

member_declarators
    : member_declarator                 { $$ = member_declaring_list(nullptr, s_current_specifiers(), $1, nullptr, POS(@1)); }
    | member_declarator ':' constant_expression
                                        { $$ = member_declaring_list(nullptr, s_current_specifiers(), $1, $3, POS(@1)); }
    | ':' constant_expression           { $$ = member_declaring_list(nullptr, s_current_specifiers(), nullptr, $2, POS(@1)); }
    | member_declarators ',' member_declarator
                                        { $$ = member_declaring_list($1, s_current_specifiers(), $3, nullptr, POS(@3)); }
    | member_declarators ',' member_declarator ':' constant_expression
                                        { $$ = member_declaring_list($1, s_current_specifiers(), $3, $5, POS(@3)); }
    | member_declarators ',' ':' constant_expression
                                        { $$ = member_declaring_list($1, s_current_specifiers(), nullptr, $4, POS(@3)); }
    ;

member_declarator
    : declarator_any                    { $$ = $1; }
    ;

enum_specifier
    : ENUM tag '{' enumerator_list comma_opt '}'
                                        { $$ = sue_specifier(TN_ENUM, $2.name, $4.head); }
    | ENUM '{' enumerator_list comma_opt '}'
                                        { $$ = sue_specifier(TN_ENUM, nullptr, $3.head); }
    | ENUM tag                          { $$ = aggregate_name(TN_ENUM, $2.name); }
    ;

comma_opt
    : %empty
    | ','
    ;

enumerator_list
    : enumerator                        { $$ = hl_list_append(hl_list{}, H_ILIST, $1, POS(@1)); }
    | enumerator_list ',' enumerator    { $$ = hl_list_append($1, H_ILIST, $3, POS(@3)); }
    ;

enumerator
    : IDENTIFIER                        { $$ = identifier($1.name, POS(@1)); }
    | IDENTIFIER '=' constant_expression
                                        {
                                            $$ = assignment_expression('=', identifier($1.name, POS(@1)), $3, POS(@1));
                                        }
    ;

declarator_any
    : pointer direct_any                { $$ = s_pointer($1, $2); }
    | direct_any                        { $$ = $1; }
    ;

declarator_id
    : pointer direct_any                { $$ = s_pointer($1, $2); }
    | direct_id                         { $$ = $1; }
    ;

direct_any
    : IDENTIFIER                        { $$ = new_declarator($1.name, POS(@1)); }
    | TYPEDEF_NAME                      { $$ = new_declarator($1.name, POS(@1)); }
    | '(' declarator_id ')'             { $$ = $2; }
    | direct_any '[' ']'                { $$ = s_array($1, nullptr); }
    | direct_any '[' constant_expression ']'
                                        { $$ = s_array($1, $3); }
    | direct_any '(' ')'                { $$ = s_function($1, nullptr, 0, 0); }
    | direct_any '(' parameter_scope parameter_type_list ')'
                                        {
                                            unwind_typedef_scopes($3);
                                            $$ = s_function($1, $4.list.head, $4.variadic, 1);
                                        }
    | direct_any '(' parameter_scope identifier_list ')'
                                        {
                                            unwind_typedef_scopes($3);
                                            $$ = s_function($1, nullptr, 0, 0);
                                            $$->old_style = true;
                                        }
    ;

direct_id
    : IDENTIFIER                        { $$ = new_declarator($1.name, POS(@1)); }
    | '(' declarator_id ')'             { $$ = $2; }
    | direct_id '[' ']'                 { $$ = s_array($1, nullptr); }
    | direct_id '[' constant_expression ']'
                                        { $$ = s_array($1, $3); }
    | direct_id '(' ')'                 { $$ = s_function($1, nullptr, 0, 0); }
    | direct_id '(' parameter_scope parameter_type_list ')'
                                        {
                                            unwind_typedef_scopes($3);
                                            $$ = s_function($1, $4.list.head, $4.variadic, 1);
                                        }
    | direct_id '(' parameter_scope identifier_list ')'
                                        {
                                            unwind_typedef_scopes($3);
                                            $$ = s_function($1, nullptr, 0, 0);
                                            $$->old_style = true;
                                        }
    ;

parameter_scope
    : %empty                            { $$ = typedef_scope_depth(); enter_typedef_scope(); }
    ;

identifier_list
    : IDENTIFIER                        { free($1.name); }
    | identifier_list ',' IDENTIFIER    { free($3.name); }
    ;

pointer
    : '*'                               { $$ = s_single(new_typenodehl(TN_POINTER)); }
    | '*' qualifier_list                { $$ = s_add($2, new_typenodehl(TN_POINTER)); }
    | '*' pointer                       { $$ = s_add($2, new_typenodehl(TN_POINTER)); }
    | '*' qualifier_list pointer        { typehl_append_list($3, s_add($2, new_typenodehl(TN_POINTER))); $$ = $3; }
    ;

qualifier_list
    : type_qualifier                    { $$ = s_single($1); }
    | qualifier_list type_qualifier     { $$ = s_add($1, $2); }
    ;

parameter_type_list
    : parameter_list_items              { $$ = parameter_list{$1, 0}; }
    | parameter_list_items ',' ELLIPSIS { $$ = parameter_list{$1, 1}; }
    ;

parameter_list_items
    : parameter_declaration             { $$ = hl_list_append(hl_list{}, H_DECLLST, $1, POS(@1)); }
    | parameter_list_items ',' parameter_declaration
                                        { $$ = hl_list_append($1, H_DECLLST, $3, POS(@3)); }
    ;

parameter_declaration
    : typed_specifiers declarator_any   { $$ = parameter_declaration($1, $2, POS(@2)); }
    | notype_specifiers declarator_id   { $$ = parameter_declaration($1, $2, POS(@2)); }
    | typed_specifiers abstract_declarator
                                        { $$ = parameter_declaration($1, $2, POS(@1)); }
    | notype_specifiers abstract_declarator
                                        { $$ = parameter_declaration($1, $2, POS(@1)); }
    | declaration_specifiers            { $$ = parameter_declaration($1, nullptr, POS(@1)); }
    ;

type_name
    : sq_typed                          { $$ = $1; }
    | sq_typed abstract_declarator      { $$ = declarator_type($2, $1); typehl_free($1); }
    ;

abstract_declarator
    : pointer                           { $$ = s_pointer($1, s_abstract(@1)); }
    | direct_abstract                   { $$ = $1; }
    | pointer direct_abstract           { $$ = s_pointer($1, $2); }
    ;

direct_abstract
    : '(' abstract_declarator ')'       { $$ = $2; }
    | '[' ']'                           { $$ = s_array(s_abstract(@1), nullptr); }
    | '[' constant_expression ']'       { $$ = s_array(s_abstract(@1), $2); }
    | direct_abstract '[' ']'           { $$ = s_array($1, nullptr); }
    | direct_abstract '[' constant_expression ']'
                                        { $$ = s_array($1, $3); }
    | '(' ')'                           { $$ = s_function(s_abstract(@1), nullptr, 0, 0); }
    | '(' parameter_scope parameter_type_list ')'
                                        {
                                            unwind_typedef_scopes($2);
                                            $$ = s_function(s_abstract(@1), $3.list.head, $3.variadic, 1);
                                        }
    | direct_abstract '(' ')'           { $$ = s_function($1, nullptr, 0, 0); }
    | direct_abstract '(' parameter_scope parameter_type_list ')'
                                        {
                                            unwind_typedef_scopes($3);
                                            $$ = s_function($1, $4.list.head, $4.variadic, 1);
                                        }
    ;

initializer
    : assignment_expression             { $$ = $1; }
    | '{' initializer_list '}'          { $$ = $2.head; }
    | '{' initializer_list ',' '}'      { $$ = $2.head; }
    | '{' '}'                           { post_error_at(POS(@1), 1221); $$ = new_pcodehl(H_ILIST, nullptr, nullptr, POS(@1)); }
    ;

initializer_list
    : initializer                       { $$ = initializer_list(hl_list{}, $1, POS(@1)); }
    | initializer_list ',' initializer  { $$ = initializer_list($1, $3, POS(@3)); }
    ;

statement
    : labeled_statement                 { $$ = $1; }
    | compound_statement                { $$ = $1; }
    | expression_statement              { $$ = $1; }
    | selection_statement               { $$ = $1; }
    | iteration_statement               { $$ = $1; }
    | jump_statement                    { $$ = $1; }
    | asm_statement                     { $$ = $1; }
    | PRAGMA                            { $$ = pragma_statement(&$1.pragma, POS(@1)); }
    | error ';'                         { $$ = s_nop(@2); }
    ;

labeled_statement
    : IDENTIFIER ':' statement          { $$ = label_statement($1.name, $3, POS(@1)); }
    | CASE constant_expression ':' statement
                                        { $$ = case_label_statement($2, $4, POS(@1)); }
    | DEFAULT ':' statement             { $$ = default_label_statement($3, POS(@1)); }
    | BUILTIN_ENUM_LABEL '(' IDENTIFIER ',' constant_expression ')' ':' statement
                                        {
                                            free($1.name);
                                            $$ = enumerated_label_statement($3.name, $5, $8, POS(@1));
                                        }
    ;

compound_statement
    : '{' scope_begin declaration_list_opt statement_list_opt '}'
                                        {
                                            unwind_typedef_scopes($2);
                                            $$ = compound_statement($3.head, $4.head, POS(@1), POS(@5));
                                        }
    ;

scope_begin
    : %empty                            { $$ = typedef_scope_depth(); enter_typedef_scope(); }
    ;

declaration_list_opt
    : %empty                            { $$ = hl_list{}; }
    | declaration_list_opt declaration  { $$ = declaration_list($1, $2); }
    | declaration_list_opt error ';'    { $$ = $1; }
    ;

statement_list_opt
    : %empty                            { $$ = hl_list{}; }
    | statement_list_opt statement      { $$ = hl_list_append($1, H_STMTLST, $2, POS(@2)); }
    ;

expression_statement
    : ';'                               { $$ = s_nop(@1); }
    | expression ';'                    { $$ = $1; }
    ;

selection_statement
    : IF '(' expression ')' statement %prec LOWER_THAN_ELSE
                                        { $$ = if_statement($3, $5, POS(@1)); }
    | IF '(' expression ')' statement ELSE statement
                                        { $$ = if_else_statement($3, $5, $7, POS(@1)); }
    | SWITCH '(' expression ')' statement
                                        { $$ = switch_statement($3, $5, POS(@1)); }
    ;

iteration_statement
    : WHILE '(' expression ')' statement
                                        { $$ = while_statement($3, $5, POS(@1)); }
    | DO statement WHILE '(' expression ')' ';'
                                        { $$ = do_statement($2, $5, POS(@1)); }
    | FOR '(' expression_opt ';' expression_opt ';' expression_opt ')' statement
                                        { $$ = for_statement($3, $5, $7, $9, POS(@1)); }
    ;

expression_opt
    : %empty                            { $$ = nullptr; }
    | expression                        { $$ = $1; }
    ;

jump_statement
    : GOTO IDENTIFIER ';'               { $$ = goto_statement($2.name, POS(@1)); }
    | CONTINUE ';'                      { $$ = continue_statement(POS(@1)); }
    | BREAK ';'                         { $$ = break_statement(POS(@1)); }
    | RETURN ';'                        { $$ = return_statement(nullptr, POS(@1)); }
    | RETURN expression ';'             { $$ = return_statement($2, POS(@1)); }
    ;

asm_statement
    : ASM asm_items ENDASM              { $$ = asm_block_statement($2.head, POS(@1)); }
    ;

asm_items
    : %empty                            { $$ = asm_chain{}; }
    | asm_items asm_item                {
                                            $$ = $1;
                                            if ($$.tail)
                                                $$.tail->next = $2;
                                            else
                                                $$.head = $2;
                                            $$.tail = $2;
                                        }
    ;

asm_item
    : ASM_LABEL                         { $$ = asmLabel($1.name); }
    | MNEMONIC                          { $$ = asmInstruction($1.name, nullptr, $1.line, $1.file); }
    | MNEMONIC asm_operands             { $$ = asmInstruction($1.name, $2.head, $1.line, $1.file); }
    ;

asm_operands
    : conditional_expression            {
                                            auto *op = static_cast<asm_operand *>(hl_alloc(sizeof(asm_operand)));
                                            resolve_asm_constant_expression(op, $1);
                                            hl_free_ast($1);
                                            $$ = operand_chain{op, op};
                                        }
    | asm_operands ',' conditional_expression
                                        {
                                            auto *op = static_cast<asm_operand *>(hl_alloc(sizeof(asm_operand)));
                                            resolve_asm_constant_expression(op, $3);
                                            hl_free_ast($3);
                                            $$ = $1;
                                            $$.tail->next = op;
                                            $$.tail = op;
                                        }
    ;

primary_expression
    : IDENTIFIER                        { $$ = identifier($1.name, POS(@1)); }
    | CONSTANT                          { $$ = constant_primary_expression($1.constant, POS(@1)); }
    | FCONSTANT                         { $$ = constant_primary_expression($1.constant, POS(@1)); }
    | string_sequence                   { $$ = $1; }
    | '(' expression ')'                { $$ = $2; }
    ;

string_sequence
    : STRING_LITERAL                    { $$ = string_literal_expression($1.bytes, $1.count, POS(@1)); }
    | string_sequence STRING_LITERAL    {
                                            // Adjacent literals are one literal.
                                            $$ = $1;
                                            char *bytes = static_cast<char *>(hl_alloc($$->count + $2.count + 1));
                                            memcpy(bytes, $$->bytes, $$->count);
                                            memcpy(bytes + $$->count, $2.bytes, $2.count);
                                            free($$->bytes);
                                            free($2.bytes);
                                            $$->bytes = bytes;
                                            $$->count += $2.count;
                                        }
    ;

member_name
    : IDENTIFIER                        { $$ = $1; }
    | TYPEDEF_NAME                      { $$ = $1; }
    ;

postfix_expression
    : primary_expression                { $$ = $1; }
    | postfix_expression '[' expression ']'
                                        { $$ = index_expression($1, $3, POS(@1)); }
    | postfix_expression '(' ')'        { $$ = call_expression($1, nullptr, POS(@1)); }
    | postfix_expression '(' argument_list ')'
                                        { $$ = call_expression($1, $3.head, POS(@1)); }
    | postfix_expression '.' member_name
                                        { $$ = member_access_expression($1, $3.name, 0, POS(@1)); }
    | postfix_expression PTR_OP member_name
                                        { $$ = member_access_expression($1, $3.name, 1, POS(@1)); }
    | postfix_expression INC_OP         { $$ = post_increment_expression($1, POS(@1)); }
    | postfix_expression DEC_OP         { $$ = post_decrement_expression($1, POS(@1)); }
    ;

argument_list
    : assignment_expression             {
                                            $$.last = nullptr;
                                            $$.head = argument_expression(nullptr, &$$.last, $1, POS(@1));
                                        }
    | argument_list ',' assignment_expression
                                        {
                                            $$ = $1;
                                            $$.head = argument_expression($$.head, &$$.last, $3, POS(@3));
                                        }
    ;

unary_expression
    : postfix_expression                { $$ = $1; }
    | INC_OP unary_expression           { $$ = pre_increment_expression($2, POS(@1)); }
    | DEC_OP unary_expression           { $$ = pre_decrement_expression($2, POS(@1)); }
    | unary_operator cast_expression    { $$ = unary_expression($1, $2, POS(@1)); }
    | SIZEOF unary_expression           { $$ = sizeof_expression_expression($2, POS(@1)); }
    | SIZEOF '(' type_name ')'          { $$ = sizeof_type_expression($3, POS(@1)); }
    | BUILTIN_ITTYPE '(' type_name ')'  { free($1.name); $$ = builtin_ittype_expression(nullptr, $3, POS(@1)); }
    | BUILTIN_ITTYPE '(' expression ')' { free($1.name); $$ = builtin_ittype_expression($3, nullptr, POS(@1)); }
    ;

unary_operator
    : '&'                               { $$ = '&'; }
    | '*'                               { $$ = '*'; }
    | '+'                               { $$ = '+'; }
    | '-'                               { $$ = '-'; }
    | '~'                               { $$ = '~'; }
    | '!'                               { $$ = '!'; }
    ;

cast_expression
    : unary_expression                  { $$ = $1; }
    | '(' type_name ')' cast_expression { $$ = explicit_cast_expression($2, $4, POS(@1)); }
    ;

multiplicative_expression
    : cast_expression                   { $$ = $1; }
    | multiplicative_expression '*' cast_expression
                                        { $$ = multiplicative_expression('*', $1, $3, POS(@2)); }
    | multiplicative_expression '/' cast_expression
                                        { $$ = multiplicative_expression('/', $1, $3, POS(@2)); }
    | multiplicative_expression '%' cast_expression
                                        { $$ = multiplicative_expression('%', $1, $3, POS(@2)); }
    ;

additive_expression
    : multiplicative_expression         { $$ = $1; }
    | additive_expression '+' multiplicative_expression
                                        { $$ = additive_expression('+', $1, $3, POS(@2)); }
    | additive_expression '-' multiplicative_expression
                                        { $$ = additive_expression('-', $1, $3, POS(@2)); }
    ;

shift_expression
    : additive_expression               { $$ = $1; }
    | shift_expression LEFT_OP additive_expression
                                        { $$ = shift_expression(TK_SHL, $1, $3, POS(@2)); }
    | shift_expression RIGHT_OP additive_expression
                                        { $$ = shift_expression(TK_SHR, $1, $3, POS(@2)); }
    ;

relational_expression
    : shift_expression                  { $$ = $1; }
    | relational_expression '<' shift_expression
                                        { $$ = comparison_expression('<', $1, $3, POS(@2)); }
    | relational_expression '>' shift_expression
                                        { $$ = comparison_expression('>', $1, $3, POS(@2)); }
    | relational_expression LE_OP shift_expression
                                        { $$ = comparison_expression(TK_LE, $1, $3, POS(@2)); }
    | relational_expression GE_OP shift_expression
                                        { $$ = comparison_expression(TK_GE, $1, $3, POS(@2)); }
    ;

equality_expression
    : relational_expression             { $$ = $1; }
    | equality_expression EQ_OP relational_expression
                                        { $$ = comparison_expression(TK_EQ, $1, $3, POS(@2)); }
    | equality_expression NE_OP relational_expression
                                        { $$ = comparison_expression(TK_NE, $1, $3, POS(@2)); }
    ;

and_expression
    : equality_expression               { $$ = $1; }
    | and_expression '&' equality_expression
                                        { $$ = binary_bitwise_expression('&', $1, $3, POS(@2)); }
    ;

exclusive_or_expression
    : and_expression                    { $$ = $1; }
    | exclusive_or_expression '^' and_expression
                                        { $$ = binary_bitwise_expression('^', $1, $3, POS(@2)); }
    ;

inclusive_or_expression
    : exclusive_or_expression           { $$ = $1; }
    | inclusive_or_expression '|' exclusive_or_expression
                                        { $$ = binary_bitwise_expression('|', $1, $3, POS(@2)); }
    ;

logical_and_expression
    : inclusive_or_expression           { $$ = $1; }
    | logical_and_expression AND_OP inclusive_or_expression
                                        { $$ = logical_expression(TK_ANDAND, $1, $3, POS(@2)); }
    ;

logical_or_expression
    : logical_and_expression            { $$ = $1; }
    | logical_or_expression OR_OP logical_and_expression
                                        { $$ = logical_expression(TK_OROR, $1, $3, POS(@2)); }
    ;

conditional_expression
    : logical_or_expression             { $$ = $1; }
    | logical_or_expression '?' expression ':' conditional_expression
                                        { $$ = conditional_expression($1, $3, $5, POS(@2)); }
    ;

assignment_expression
    : conditional_expression            { $$ = $1; }
    | unary_expression assignment_operator assignment_expression
                                        { $$ = assignment_expression($2, $1, $3, POS(@2)); }
    ;

assignment_operator
    : '='                               { $$ = '='; }
    | MUL_ASSIGN                        { $$ = TK_MULA; }
    | DIV_ASSIGN                        { $$ = TK_DIVA; }
    | MOD_ASSIGN                        { $$ = TK_MODA; }
    | ADD_ASSIGN                        { $$ = TK_ADDA; }
    | SUB_ASSIGN                        { $$ = TK_SUBA; }
    | LEFT_ASSIGN                       { $$ = TK_SHLA; }
    | RIGHT_ASSIGN                      { $$ = TK_SHRA; }
    | AND_ASSIGN                        { $$ = TK_ANDA; }
    | XOR_ASSIGN                        { $$ = TK_XORA; }
    | OR_ASSIGN                         { $$ = TK_ORA; }
    ;

expression
    : assignment_expression             { $$ = $1; }
    | expression ',' assignment_expression
                                        { $$ = comma_expression($1, $3, POS(@2)); }
    ;

constant_expression
    : conditional_expression            { $$ = constant_expression($1); }
    ;

%%

#undef yyparse

int yyparse()
{
    hl_parsing = true;
    hl_abort_pending = false;
    int status;
    try {
        status = s_parse_unit();
    } catch (...) {
        hl_parsing = false;
        throw;
    }
    hl_parsing = false;
    if (hl_abort_pending) {
        hl_abort_pending = false;
        hl_free_ast(hl_get_ast());
        hl_set_ast(nullptr);
        throw compile_abort{};
    }
    return status;
}

int yyinitparse()
{
    yyinitlex();
    enter_typedef_scope();
    s_specifiers.clear();
    return 0;
}

void yyuninitparse()
{
    free_typedef_scopes();
    s_specifiers.clear();
    yyuninitlex();
}
