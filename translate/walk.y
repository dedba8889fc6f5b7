// The tree grammar: each rule is a syntax-tree node kind followed by its
// children in pre-order, as the flattening delivers them.  Lists end in
// LIST_END and an optional child that would make the shape ambiguous is
// delivered as ABSENT.  The mid-rule actions create what the nodes of a
// body need before they arrive: the function's symbol and scopes, loop
// targets and the switch record.
%define api.prefix {zz}
%define api.token.prefix {ZZ_}
%define api.value.type {struct zz_value}

%code requires {
#include "translate/translate.h"

struct zz_value {
    union {
        pcodehl *node;
        pcodell *tree;
        stmt *list;
        symbol *sym;
        initializer *init;
    };
    int32_t line;
    const char *file;
    stmt *tail; // a list's last statement, so that appending stays linear
    symbol *label1;
    symbol *label2;
};
}

%code {
#define YYINITDEPTH 200
#define YYMAXDEPTH 0x20000
#define AT(n) trn_at(n)
#define P(n) (n)->line, (n)->file

void zzerror(const char *message);

static stmt *s_last(stmt *list)
{
    while (list && list->next)
        list = list->next;
    return list;
}

// Appends `more` to the list whose last statement is `tail`; gives the new
// last statement.
static stmt *s_join(stmt *tail, stmt *more)
{
    if (!more)
        return tail;
    if (tail) {
        tail->next = more;
        more->prev = tail;
    }
    return s_last(more);
}

static stmt *s_expression_statement(pcodell *tree)
{
    return tree ? stmtCreate(tree) : nullptr;
}
}

// The node kinds are the token numbers; the two markers follow them.
%token <node> H_NOP 1000 H_ADD 1001 H_SUB 1002 H_MUL 1003 H_DIV 1004 H_MOD 1005
%token <node> H_PREINC 1006 H_PSTINC 1007 H_MINUS 1008 H_PLUS 1009 H_PREDEC 1010 H_PSTDEC 1011
%token <node> H_INDIR 1012 H_REF 1013 H_INDEX 1014 H_EQ 1015 H_NE 1016 H_LT 1017
%token <node> H_GT 1018 H_LTE 1019 H_GTE 1020 H_LNOT 1021 H_LAND 1022 H_LOR 1023
%token <node> H_BNOT 1024 H_BAND 1025 H_BOR 1026 H_BXOR 1027 H_SHR 1028 H_SHL 1029
%token <node> H_IF 1030 H_IFE 1031 H_JMP 1032 H_CALL 1033 H_SWITCH 1034 H_CASE 1035
%token <node> H_WHILE 1036 H_DO 1037 H_FORPRE 1038 H_FORCOND 1039 H_FORPOST 1040 H_BREAK 1041
%token <node> H_CONTINUE 1042 H_ELSE 1043 H_RETURN 1044 H_DEFAULT 1045 H_ASSIGN 1046 H_MULA 1047
%token <node> H_DIVA 1048 H_MODA 1049 H_ADDA 1050 H_SUBA 1051 H_SHLA 1052 H_SHRA 1053
%token <node> H_ANDA 1054 H_ORA 1055 H_XORA 1056 H_COMMA 1057 H_MEMBER 1058 H_COND 1059
%token <node> H_CONDSEP 1060 H_IDENT 1061 H_CNST 1062 H_STRING 1063 H_ASM 1064 H_SIZEOFEXPR 1065
%token <node> H_SIZEOFTYPE 1066 H_CAST 1067 H_STMTLST 1068 H_LABEL 1069 H_CSTMT 1070 H_DECL 1071
%token <node> H_DECLLST 1072 H_FUNCT 1073 H_DEF 1074 H_DEFLST 1075 H_ARG 1076 H_ILIST 1077
%token <node> H_PRAGMA 1078 H_ENUM_LABEL 1079 H_ITTYPE 1080 LIST_END 1081 ABSENT 1082
%token <node> ABORT 1083

%type <list> deflst external function decls_opt decllst decl stmts_opt stmtlst stmt cstmt
%type <init> init ilist
%type <tree> expr lexpr opt_expr
%type <sym> fhead

%destructor { pcodellFreeTree($$); } <tree>
%destructor { stmtFreeList($$); } <list>
%destructor { ll_initializer_free($$); } <init>

%%

unit
    : deflst LIST_END                   { zz_result = trnPostProcess($1, $<tail>1); }
    ;

deflst
    : H_DEFLST external                 { $$ = $2; $<tail>$ = s_last($2); }
    | deflst H_DEFLST external          { $<tail>$ = s_join($<tail>1, $3); $$ = $1 ? $1 : $3; }
    ;

external
    : function                          { $$ = $1; }
    | decllst LIST_END                  { $$ = $1; }
    | H_PRAGMA                          { AT($1); $$ = trnPragma($1->pragma, P($1)); }
    | H_NOP                             { $$ = nullptr; }
    ;

function
    : H_FUNCT fhead                     { trnBeginFunctionBody(); }
      cstmt                             {
                                            const pcodehl *body = $1->right;
                                            trn_at_position(body->end_line, body->end_file);
                                            sym_end_function($2, body->end_line, body->end_file);
                                            $$ = trnFunction($2, nullptr, $4, P($1), body->end_line, body->end_file);
                                        }
    ;

fhead
    : H_DECL H_IDENT H_NOP              {
                                            AT($1);
                                            trn_collect_head_parameters(true);
                                            typell *type = trn_resolve_type($1->type, $1->file, $1->line);
                                            trn_collect_head_parameters(false);
                                            AT($1);
                                            if (type && is_type_function(type))
                                                trn_declare_sym($2->name, type, trnResolveSclass($1->type), false,
                                                                false, $1->file, $1->line);
                                            else
                                                type_free(type);
                                            $$ = trnBeginFunction($2->name, P($1));
                                            sym_begin_function($$, $1->line, $1->file);
                                            trn_declare_head_parameters();
                                        }
    ;

decls_opt
    : ABSENT                            { $$ = nullptr; }
    | decllst LIST_END                  { $$ = $1; }
    ;

decllst
    : H_DECLLST decl                    { $$ = $2; $<tail>$ = s_last($2); }
    | decllst H_DECLLST decl            { $<tail>$ = s_join($<tail>1, $3); $$ = $1 ? $1 : $3; }
    ;

decl
    : H_DECL H_IDENT                    {
                                            AT($1);
                                            $<sym>$ = nullptr;
                                            typell *type = trn_resolve_type($1->type, $1->file, $1->line);
                                            if (type && trn_check_tag(type)) {
                                                type_free(type);
                                            } else if (type) {
                                                $<sym>$ = trn_declare_sym($2->name, type, trnResolveSclass($1->type),
                                                                          false, false, $1->file, $1->line);
                                            }
                                        }
      init                              {
                                            AT($1);
                                            $$ = nullptr;
                                            if ($<sym>3)
                                                $$ = trnProcessInitializers($<sym>3, $4, P($1));
                                            ll_initializer_free($4);
                                        }
    | H_DECL H_NOP                      {
                                            AT($1);
                                            typell *type = trn_resolve_type($1->type, $1->file, $1->line);
                                            if (type)
                                                trnDeclareType(type);
                                        }
      init                              { ll_initializer_free($4); $$ = nullptr; }
    ;

init
    : H_NOP                             { $$ = nullptr; }
    | expr                              { $$ = ll_initializer_value($1, $1->line, $1->file); }
    | ilist LIST_END                    { $$ = $1; }
    ;

ilist
    : H_ILIST init                      { $$ = ll_initializer_list($2, P($1)); }
    | ilist H_ILIST init                { $$ = $1; ll_initializer_append($$, $3); }
    ;

cstmt
    : H_CSTMT                           { AT($1); sym_begin_block(P($1)); }
      decls_opt stmts_opt               {
                                            AT($1);
                                            sym_end_block(P($1));
                                            $$ = trnCompoundStatement($3, $4);
                                        }
    ;

stmts_opt
    : ABSENT                            { $$ = nullptr; }
    | stmtlst LIST_END                  { $$ = $1; }
    ;

stmtlst
    : H_STMTLST stmt                    { $$ = $2; $<tail>$ = s_last($2); }
    | stmtlst H_STMTLST stmt            { $<tail>$ = s_join($<tail>1, $3); $$ = $1 ? $1 : $3; }
    ;

stmt
    : H_NOP                             { $$ = trnNop(P($1)); }
    | expr                              { $$ = s_expression_statement($1); }
    | cstmt                             { $$ = $1; }
    | H_IF expr stmt                    { AT($1); $$ = trnIfStatement($2, $3, P($1)); }
    | H_IFE expr H_ELSE stmt stmt       { AT($1); $$ = trnIfElseStatement($2, $4, $5, P($1)); }
    | H_WHILE expr                      { trnEnterLoopStatement("while", &$<label1>$, &$<label2>$); }
      stmt                              {
                                            AT($1);
                                            $$ = trnWhileStatement($2, $4, $<label1>3, $<label2>3, P($1));
                                        }
    | H_DO                              { trnEnterLoopStatement("dowhile", &$<label1>$, &$<label2>$); }
      stmt expr                         {
                                            AT($1);
                                            $$ = trnDoWhileStatement($3, $4, $<label1>2, $<label2>2, P($1));
                                        }
    | H_FORPRE opt_expr H_FORCOND opt_expr H_FORPOST opt_expr
                                        { trnEnterLoopStatement("for", &$<label1>$, &$<label2>$); }
      stmt                              {
                                            AT($1);
                                            $$ = trnForStatement($2, $4, $6, $8, $<label1>7, $<label2>7, P($1));
                                        }
    | H_SWITCH expr                     { AT($1); trnSwitchStatementBegin(&$2, P($1)); }
      stmt                              { AT($1); $$ = trnSwitchStatementEnd($2, $4, P($1)); }
    | H_CASE expr stmt                  { AT($1); $$ = trnCaseStatement($2, $3, P($1)); }
    | H_DEFAULT stmt                    { AT($1); $$ = trnDefaultStatement($2, P($1)); }
    | H_BREAK                           { AT($1); $$ = trnBreakStatement(P($1)); }
    | H_CONTINUE                        { AT($1); $$ = trnContinueStatement(P($1)); }
    | H_RETURN ABSENT                   { AT($1); $$ = trnReturnStatement(nullptr, P($1)); }
    | H_RETURN expr                     { AT($1); $$ = trnReturnStatement($2, P($1)); }
    | H_JMP H_IDENT                     { AT($1); $$ = trnJumpStatement($2->name, P($1)); }
    | H_LABEL stmt                      { AT($1); $$ = trnLabel($1->name, $2, P($1)); }
    | H_ENUM_LABEL expr stmt            { AT($1); $$ = trnEnumLabel($1->name, $2, $3, P($1)); }
    | H_ASM                             {
                                            AT($1);
                                            $$ = trnAssembly($1->asm_list, P($1));
                                            $1->asm_list = nullptr;
                                        }
    | H_PRAGMA                          { AT($1); $$ = trnPragma($1->pragma, P($1)); }
    ;

opt_expr
    : ABSENT                            { $$ = nullptr; }
    | expr                              { $$ = $1; }
    ;

expr
    : lexpr                             { $$ = trnLvalueToRvalue($1); }
    ;

lexpr
    : H_IDENT                           { AT($1); $$ = trnIdent($1->name, true, $1->flag != 0, P($1)); }
    | H_CNST                            { $$ = trnConstant($1->constant.type, $1->constant.value, P($1)); }
    | H_STRING                          { $$ = trnStringLiteral($1->bytes, $1->count, P($1)); }
    | H_ADD expr expr                   { AT($1); $$ = trnAdd($2, $3, true, P($1)); }
    | H_SUB expr expr                   { AT($1); $$ = trnSub($2, $3, P($1)); }
    | H_MUL expr expr                   { AT($1); $$ = trnMul($2, $3, P($1)); }
    | H_DIV expr expr                   { AT($1); $$ = trnDiv($2, $3, P($1)); }
    | H_MOD expr expr                   { AT($1); $$ = trnMod($2, $3, P($1)); }
    | H_BAND expr expr                  { AT($1); $$ = trnBitwiseAnd($2, $3, P($1)); }
    | H_BOR expr expr                   { AT($1); $$ = trnBitwiseOr($2, $3, P($1)); }
    | H_BXOR expr expr                  { AT($1); $$ = trnBitwiseXor($2, $3, P($1)); }
    | H_SHL expr expr                   { AT($1); $$ = trnShiftLeft($2, $3, P($1)); }
    | H_SHR expr expr                   { AT($1); $$ = trnShiftRight($2, $3, P($1)); }
    | H_EQ expr expr                    { AT($1); $$ = trnEqual($2, $3, P($1)); }
    | H_NE expr expr                    { AT($1); $$ = trnNotEqual($2, $3, P($1)); }
    | H_LT expr expr                    { AT($1); $$ = trnLessThan($2, $3, P($1)); }
    | H_LTE expr expr                   { AT($1); $$ = trnLessThanEqual($2, $3, P($1)); }
    | H_GT expr expr                    { AT($1); $$ = trnGreaterThan($2, $3, P($1)); }
    | H_GTE expr expr                   { AT($1); $$ = trnGreaterThanEqual($2, $3, P($1)); }
    | H_LOR expr expr                   { AT($1); $$ = trn_logical_or($2, $3, P($1)); }
    | H_LAND expr expr                  { AT($1); $$ = trnLogicalAnd($2, $3, P($1)); }
    | H_COND expr H_CONDSEP expr expr   { AT($1); $$ = trnConditional($2, $4, $5, P($1)); }
    | H_COMMA expr expr                 { AT($1); $$ = trnCommaExpression($2, $3, P($1)); }
    | H_INDEX expr expr                 { AT($1); $$ = trnIndex($2, $3, P($1)); }
    | H_ASSIGN lexpr expr               { AT($1); $$ = trnAssign(trnConfirmLval($2), $3, true, P($1)); }
    | H_ADDA lexpr expr                 { AT($1); $$ = trnAddAssign(trnConfirmLval($2), $3, P($1)); }
    | H_SUBA lexpr expr                 { AT($1); $$ = trnSubAssign(trnConfirmLval($2), $3, P($1)); }
    | H_MULA lexpr expr                 { AT($1); $$ = trnMulAssign(trnConfirmLval($2), $3, P($1)); }
    | H_DIVA lexpr expr                 { AT($1); $$ = trnDivAssign(trnConfirmLval($2), $3, P($1)); }
    | H_MODA lexpr expr                 { AT($1); $$ = trnModAssign(trnConfirmLval($2), $3, P($1)); }
    | H_SHLA lexpr expr                 { AT($1); $$ = trnShiftLeft_assign(trnConfirmLval($2), $3, P($1)); }
    | H_SHRA lexpr expr                 { AT($1); $$ = trnShiftRight_assign(trnConfirmLval($2), $3, P($1)); }
    | H_ANDA lexpr expr                 { AT($1); $$ = trnAndAssign(trnConfirmLval($2), $3, P($1)); }
    | H_ORA lexpr expr                  { AT($1); $$ = trnOrAssign(trnConfirmLval($2), $3, P($1)); }
    | H_XORA lexpr expr                 { AT($1); $$ = trnXorAssign(trnConfirmLval($2), $3, P($1)); }
    | H_PLUS expr                       { AT($1); $$ = trnUnaryPlus($2, P($1)); }
    | H_MINUS expr                      { AT($1); $$ = trnUnaryMinus($2, P($1)); }
    | H_BNOT expr                       { AT($1); $$ = trnBitwiseNot($2, P($1)); }
    | H_LNOT expr                       { AT($1); $$ = trnLogicalNot($2, P($1)); }
    | H_INDIR expr                      { AT($1); $$ = trnIndir($2, P($1)); }
    | H_REF lexpr                       { AT($1); $$ = trnReference(trnConfirmLval($2), P($1)); }
    | H_PREINC lexpr                    { AT($1); $$ = trnPreIncrement(trnConfirmLval($2), P($1)); }
    | H_PSTINC lexpr                    { AT($1); $$ = trnPostIncrement(trnConfirmLval($2), P($1)); }
    | H_PREDEC lexpr                    { AT($1); $$ = trnPreDecrement(trnConfirmLval($2), P($1)); }
    | H_PSTDEC lexpr                    { AT($1); $$ = trnPostDecrement(trnConfirmLval($2), P($1)); }
    | H_MEMBER lexpr                    { AT($1); $$ = trnMemberAccess($2, $1->name, $1->flag == 0, P($1)); }
    | H_CAST expr                       {
                                            AT($1);
                                            typell *type = trn_resolve_type($1->type, $1->file, $1->line);
                                            $$ = type ? trnCast($2, type, P($1)) : $2;
                                        }
    | H_SIZEOFEXPR lexpr                { AT($1); $$ = trnSizeofExpression($2, P($1)); }
    | H_SIZEOFTYPE                      {
                                            AT($1);
                                            $$ = trn_sizeof_type(trn_resolve_type($1->type, $1->file, $1->line), P($1));
                                        }
    | H_ITTYPE                          {
                                            AT($1);
                                            $$ = trnITTYPEExpression(trn_resolve_type($1->type, $1->file, $1->line),
                                                                     P($1));
                                        }
    | H_CALL callee ABSENT              { AT($1); $$ = trn_end_call(P($1)); }
    | H_CALL callee arglist H_NOP       { AT($1); $$ = trn_end_call(P($1)); }
    ;

callee
    : expr                              { trn_call($1, $1->line, $1->file); }
    ;

arglist
    : H_ARG expr                        { AT($1); trnArg($2, P($1)); }
    | arglist H_ARG expr                { AT($2); trnArg($3, P($2)); }
    ;

%%
