// Translation of a whole unit: the walk over the syntax tree, declarations,
// expressions and statements, producing the unit's IR statement list.
#pragma once
#include <cstdint>
#include <vector>

#include "frontend/ast.h"
#include "frontend/pragma.h"
#include "translate/interrupt.h"
#include "translate/lower.h"
#include "translate/symbols.h"

#define TRN_POS int32_t line, const char *file

// One case of a switch and the record of a switch statement, which code
// generation receives with the switch operator.
struct case_entry {
    int64_t value;
    symbol *label;
    case_entry *next;
};

struct case_table {
    typell *control_type; // owned
    symbol *exit_label;
    symbol *default_label;
    case_entry *cases; // newest first
    case_table *enclosing;
};

// The unit.
stmt *trnTranslateAST(pcodehl *root);
// Releases the records translation keeps beyond its statement list.
void trnFreeState();
// Releases everything one unit leaves: its statement list (may be null), the
// syntax tree, the translation records and the tags the tree defined.
void trnFreeUnit(stmt *unit);
bool trnInFunction();
bool trnInFunctionBody();
extern symbol *s_current_function;

// Declarations.
symbol *trn_declare_sym(const char *name, typell *type, int32_t storage_class, bool is_parameter, bool in_prototype,
                        const char *file, int32_t line);
stmt *trnProcessInitializers(symbol *sym, initializer *init, TRN_POS);
void trnDeclareType(typell *type);
symbol *trnBeginFunction(const char *name, TRN_POS);
void trnBeginFunctionBody();
uint32_t trnParamFrameSize();
uint32_t trnStackFrameSize();
// The walk's view of a function definition: the head's parameters are
// collected while its type is resolved and declared once its scope is open.
void trn_collect_head_parameters(bool on);
void trn_declare_head_parameters();
void trn_reset_declarations();
void trn_note_function(symbol *sym);
// The declarer that type resolution calls for each parameter.
trn_parameter_declarer trn_parameter_seam();
// Every function declared, split by linkage, in order of declaration.
const std::vector<symbol *> &trn_static_functions();
const std::vector<symbol *> &trn_non_static_functions();
void trn_begin_function_statements(symbol *function, TRN_POS);
void trn_end_function_declarations();
symbol *s_declare_param_alias(symbol *function, const typell *type, int32_t storage_class, int number,
                              const char *file, int32_t line);

// Expressions.
pcodell *trnLvalueToRvalue(pcodell *a);
pcodell *trnConfirmLval(pcodell *a);
pcodell *trn_integer_promotion(pcodell *a);
void trnUsualArithmeticConversions(pcodell **a, pcodell **b);
pcodell *trn_convert(pcodell *tree, const typell *type);

pcodell *trnAdd(pcodell *a, pcodell *b, bool scale, TRN_POS);
pcodell *trnSub(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnMul(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnDiv(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnMod(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnBitwiseAnd(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnBitwiseOr(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnBitwiseXor(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnShiftLeft(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnShiftRight(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnEqual(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnNotEqual(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnLessThan(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnLessThanEqual(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnGreaterThan(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnGreaterThanEqual(pcodell *a, pcodell *b, TRN_POS);
pcodell *trn_logical_or(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnLogicalAnd(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnConditional(pcodell *c, pcodell *a, pcodell *b, TRN_POS);
pcodell *trnCommaExpression(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnIndex(pcodell *a, pcodell *b, TRN_POS);

pcodell *trnAssign(pcodell *lvalue, pcodell *value, bool check, TRN_POS);
bool trn_can_assign(const typell *type, const pcodell *value, bool check);
pcodell *trnAddAssign(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnSubAssign(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnMulAssign(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnDivAssign(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnModAssign(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnShiftLeft_assign(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnShiftRight_assign(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnAndAssign(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnOrAssign(pcodell *a, pcodell *b, TRN_POS);
pcodell *trnXorAssign(pcodell *a, pcodell *b, TRN_POS);

pcodell *trnUnaryPlus(pcodell *a, TRN_POS);
pcodell *trnUnaryMinus(pcodell *a, TRN_POS);
pcodell *trnBitwiseNot(pcodell *a, TRN_POS);
pcodell *trnLogicalNot(pcodell *a, TRN_POS);
pcodell *trnTest(pcodell *a, TRN_POS);
pcodell *trnIndir(pcodell *a, TRN_POS);
pcodell *trnReference(pcodell *a, TRN_POS);
pcodell *trnPreIncrement(pcodell *a, TRN_POS);
pcodell *trnPostIncrement(pcodell *a, TRN_POS);
pcodell *trnPreDecrement(pcodell *a, TRN_POS);
pcodell *trnPostDecrement(pcodell *a, TRN_POS);
pcodell *trnMemberAccess(pcodell *value, const char *name, bool is_dot, TRN_POS);
pcodell *trnCast(pcodell *value, typell *type, TRN_POS);

pcodell *trnIdent(const char *name, bool ordinary, bool implicit_function_ok, TRN_POS);
pcodell *trnConstant(uint32_t code, uint32_t bits, TRN_POS);
pcodell *trnSizeofExpression(pcodell *a, TRN_POS);
pcodell *trn_sizeof_type(typell *type, TRN_POS);
pcodell *trnITTYPEExpression(typell *type, TRN_POS);

// A call under construction: trn_call opens it, trnArg adds each argument
// in order, trn_end_call closes it.
void trn_call(pcodell *callee, TRN_POS);
void trnArg(pcodell *value, TRN_POS);
pcodell *trn_end_call(TRN_POS);
// Releases the calls left open by an aborted walk.
void trn_drop_calls();

pcodell *s_build_constant_expression(pcodehl *expression);
pcodell *s_constant_expression(pcodehl *expression);

// Statements.
stmt *trnFunction(symbol *function, stmt *declarations, stmt *body, TRN_POS, int32_t end_line, const char *end_file);
stmt *trnReturnStatement(pcodell *value, TRN_POS);
stmt *trnCompoundStatement(stmt *statement, stmt *list);
stmt *trnNop(TRN_POS);
stmt *trnIfStatement(pcodell *condition, stmt *then, TRN_POS);
stmt *trnIfElseStatement(pcodell *condition, stmt *then, stmt *otherwise, TRN_POS);
void trnEnterLoopStatement(const char *prefix, symbol **continue_label, symbol **break_label);
stmt *trnWhileStatement(pcodell *condition, stmt *body, symbol *continue_label, symbol *break_label, TRN_POS);
stmt *trnDoWhileStatement(stmt *body, pcodell *condition, symbol *continue_label, symbol *break_label, TRN_POS);
stmt *trnForStatement(pcodell *init, pcodell *condition, pcodell *step, stmt *body, symbol *continue_label,
                      symbol *break_label, TRN_POS);
stmt *trnBreakStatement(TRN_POS);
stmt *trnContinueStatement(TRN_POS);
void trnSwitchStatementBegin(pcodell **control, TRN_POS);
stmt *trnCaseStatement(pcodell *value, stmt *statement, TRN_POS);
stmt *trnDefaultStatement(stmt *statement, TRN_POS);
stmt *trnSwitchStatementEnd(pcodell *control, stmt *body, TRN_POS);
stmt *trnLabel(const char *name, stmt *statement, TRN_POS);
stmt *trnJumpStatement(const char *name, TRN_POS);
stmt *trnEnumLabel(const char *name, pcodell *value, stmt *statement, TRN_POS);
stmt *trnAssembly(asm_statement *block, TRN_POS);
stmt *trnPragma(const pragma_record *pragma, TRN_POS);
pcodell *trnStringLiteral(const char *text, uint32_t length, TRN_POS);
// A string literal in data memory that meets a pointer to program memory
// (an assignment, argument, return or initializer) is replaced by the same
// literal in program memory.
pcodell *trn_place_string_literal(const typell *target, pcodell *value);
// `tail` is the list's last statement, where the string-table section goes.
stmt *trnPostProcess(stmt *list, stmt *tail);
symbol *sGetInternalLabel(const char *prefix);
void trn_reset_statements();

typell *trn_resolve_type(const typehl *specifiers, const char *file, int32_t line);
bool trn_check_tag(const typell *type);

// The walk.  After the node kinds come the tokens of a list's end and of
// an absent child.
constexpr int TRN_LIST_END = H_ITTYPE + 1;
constexpr int TRN_ABSENT = H_ITTYPE + 2;
void trnFlattenAST(pcodehl *root);
int zzlex();
int zzparse();
extern stmt *zz_result;
// Moves the current source position to a node's or to a given one, for
// the diagnostics that follow.
void trn_at(const pcodehl *node);
void trn_at_position(int32_t line, const char *file);
