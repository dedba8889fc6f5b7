// The low-level IR: typed trees whose operators already encode the operand
// width, signedness, the memory space and address width of every access,
// and whether an operation assigns; and the statement lists that carry them.
#pragma once
#include <cstdint>
#include <cstdio>

#include "frontend/constant.h"
#include "translate/types.h"

struct pragma_record;
struct asm_statement;
struct case_table;
struct init_record;

// The one table of operators: name and fixed code, in code order.  Code
// generation's tree grammar uses exactly these codes.
#define VX_IR_WIDTHS5(M, p, s) M(p##8##s) M(p##16##s) M(p##24##s) M(p##32##s) M(p##F##s)
#define VX_IR_WIDTHS4(M, p, s) M(p##8##s) M(p##16##s) M(p##24##s) M(p##32##s)
#define VX_IR_VALUE_WIDTHS(M, p, s) M(p##8##s) M(p##16##s) M(p##24##s) M(p##32##s) M(p##X##s)
#define VX_IR_ARITH(M, w) M(I_SUB##w) M(I_MUL##w##S) M(I_MUL##w##U) M(I_DIV##w##S) M(I_DIV##w##U) M(I_MOD##w##S) M(I_MOD##w##U)
#define VX_IR_ARITHA(M, w) M(I_SUB##w##A) M(I_MUL##w##AS) M(I_MUL##w##AU) M(I_DIV##w##AS) M(I_DIV##w##AU) M(I_MOD##w##AS) M(I_MOD##w##AU)
#define VX_IR_OPERATORS(M)                                                                                   \
    M(I_NOP)                                                                                                 \
    VX_IR_WIDTHS5(M, I_PREINC, RAM) VX_IR_WIDTHS5(M, I_PSTINC, RAM)                                          \
    VX_IR_WIDTHS5(M, I_PREDEC, RAM) VX_IR_WIDTHS5(M, I_PSTDEC, RAM)                                          \
    VX_IR_WIDTHS5(M, I_PREINC, ROM) VX_IR_WIDTHS5(M, I_PSTINC, ROM)                                          \
    VX_IR_WIDTHS5(M, I_PREDEC, ROM) VX_IR_WIDTHS5(M, I_PSTDEC, ROM)                                          \
    VX_IR_WIDTHS5(M, I_cop, ) VX_IR_WIDTHS5(M, I_cop, A)                                                     \
    VX_IR_ARITH(M, 8) VX_IR_ARITH(M, 16) VX_IR_ARITH(M, 24) VX_IR_ARITH(M, 32)                               \
    M(I_SUBF) M(I_MULF) M(I_DIVF)                                                                            \
    VX_IR_ARITHA(M, 8) VX_IR_ARITHA(M, 16) VX_IR_ARITHA(M, 24) VX_IR_ARITHA(M, 32)                           \
    M(I_SUBFA) M(I_MULFA) M(I_DIVFA)                                                                         \
    VX_IR_VALUE_WIDTHS(M, I_MOV, )                                                                           \
    M(I_COND) VX_IR_VALUE_WIDTHS(M, I_COND, ) M(I_CONDSEP)                                                   \
    M(I_IDROM16) M(I_IDROM24) M(I_IDRAM8) M(I_IDRAM16) M(I_IDSTK)                                            \
    VX_IR_VALUE_WIDTHS(M, I_IND, RAM8) VX_IR_VALUE_WIDTHS(M, I_IND, RAM16)                                   \
    VX_IR_VALUE_WIDTHS(M, I_IND, ROM16) VX_IR_VALUE_WIDTHS(M, I_IND, ROM24)                                  \
    M(I_BITFROM16) M(I_BITFROM24) M(I_BITFRAM8) M(I_BITFRAM16)                                               \
    M(I_MEMBERRAM8) M(I_MEMBERRAM16) M(I_MEMBERROM16) M(I_MEMBERROM24)                                       \
    VX_IR_WIDTHS4(M, I_SHR, ) VX_IR_WIDTHS4(M, I_SHR, A) VX_IR_WIDTHS4(M, I_SHL, ) VX_IR_WIDTHS4(M, I_SHL, A) \
    VX_IR_WIDTHS4(M, I_COM, )                                                                                \
    VX_IR_WIDTHS5(M, I_EQ, )                                                                                 \
    VX_IR_WIDTHS4(M, I_GT, S) VX_IR_WIDTHS4(M, I_GT, U) M(I_GTF)                                             \
    VX_IR_WIDTHS4(M, I_LT, S) VX_IR_WIDTHS4(M, I_LT, U) M(I_LTF)                                             \
    VX_IR_WIDTHS5(M, I_TST, )                                                                                \
    M(I_LOR) M(I_LAND) M(I_LNOT)                                                                             \
    M(I_JMP)                                                                                                 \
    M(I_CALL) VX_IR_VALUE_WIDTHS(M, I_CALL, )                                                                \
    VX_IR_WIDTHS4(M, I_SWITCH, )                                                                             \
    M(I_ARGNOP) VX_IR_VALUE_WIDTHS(M, I_ARG, )                                                               \
    M(I_C8TO16S) M(I_C8TO16U) M(I_C8TO24S) M(I_C8TO24U) M(I_C8TO32S) M(I_C8TO32U)                            \
    M(I_C16TO24S) M(I_C16TO24U) M(I_C16TO32S) M(I_C16TO32U) M(I_C24TO32S) M(I_C24TO32U)                      \
    M(I_C8UTOF) M(I_C8STOF) M(I_C16UTOF) M(I_C16STOF) M(I_C24UTOF) M(I_C24STOF) M(I_C32UTOF) M(I_C32STOF)    \
    VX_IR_WIDTHS4(M, I_CFTO, )                                                                               \
    M(I_C16TO8) M(I_C24TO8) M(I_C32TO8) M(I_C24TO16) M(I_C32TO16) M(I_C32TO24)                               \
    VX_IR_WIDTHS5(M, I_CNST, )                                                                               \
    M(I_INITX) M(I_RIGHT) M(I_LEFT) M(I_PRAGMA) M(I_IF) M(I_LABEL) M(I_GOTO)                                 \
    M(I_RET) VX_IR_VALUE_WIDTHS(M, I_RET, )                                                                  \
    M(I_ASM) M(I_ENUM_LABEL) M(I_BFUNCT) M(I_EFUNCT) M(I_SECTION)

#define VX_IR_ENUMERATOR(name) name,
enum ir_opcode : uint32_t {
    I_FIRST_OPCODE = 99,
    VX_IR_OPERATORS(VX_IR_ENUMERATOR)
    I_END_OPCODE
};
#undef VX_IR_ENUMERATOR

// Sub-operators of the I_cop family.
enum commutative_op : uint32_t { B_ADD = 0, B_AND = 1, B_OR = 2, B_XOR = 3 };

// Address kinds of identifiers, indirections, members and bit-fields.
enum address_kind : uint32_t { ADDR_RAM8 = 0, ADDR_RAM16 = 1, ADDR_ROM16 = 2, ADDR_ROM24 = 3 };

constexpr uint32_t LL_LVALUE = 1;
// An I_LNOT of a float comparison that stands for <= or >=: false, unlike
// the negation, when an operand is not a number.
constexpr uint32_t LL_ORDERED = 2;

struct pcodell {
    int32_t line;
    const char *file;
    pcodell *left;
    pcodell *right;
    typell *type; // owned
    uint32_t opcode;
    constant_record constant;
    uint32_t size;
    uint32_t flags;
    commutative_op cop;
    int32_t step; // increments and decrements
    struct {
        uint32_t offset;
        int32_t bit_offset;
        int32_t bit_width;
        bool is_signed;
    } member;
    symbol *sym;   // identifiers; I_BFUNCT, I_EFUNCT: the function; I_SECTION: the section-change entry
    symbol *label; // I_LABEL, I_ENUM_LABEL, I_IF, I_JMP
    struct {
        uint32_t frame_size;
        uint32_t param_frame_size;
        uint32_t return_size;
    } function;
    struct {
        uint32_t arg_bytes;
        uint32_t result_size;
    } call;
    struct {
        symbol *label;
        uint32_t size;
    } ret;
    case_table *cases;
    asm_statement *asm_block;
    pragma_record *pragma;  // I_PRAGMA: an owned copy
    init_record *init;      // I_INITX: the owned image of the aggregate
    void *aux;              // an owned buffer, freed with the node and not copied
    bool converted;         // made from an lvalue by the expression layer
    typell *type_before;    // its type before that conversion, owned
    void *labeller_state;   // reserved for instruction selection
};

struct stmt {
    pcodell *tree;
    stmt *next;
    stmt *prev;
};

pcodell *pcodell_create(uint32_t opcode, pcodell *left, pcodell *right, int32_t line, const char *file);
// A deep copy: children, types, pragma and initializer image.
pcodell *pcodell_copy(const pcodell *tree);
void pcodellFreeTree(pcodell *tree);
// Replaces the tree's type with `type`, which it takes over.
void pcodell_set_type(pcodell *tree, typell *type);

const char *pcodell_get_opcode_name(uint32_t opcode);
void pcodell_dbg_dump_tree(const pcodell *tree);

stmt *stmtCreate(pcodell *tree);
stmt *stmtAppend(stmt *list, stmt *statement);
void stmtInsertAfter(stmt *statement, stmt *inserted);
void stmtFreeList(stmt *list);

bool is_pcodell_constant(const pcodell *tree);
bool isPcodellIdentifier(const pcodell *tree);
bool is_identifier(const pcodell *tree);
bool isPcodellIndirection(const pcodell *tree);
bool isPcodellBitfield(const pcodell *tree);
bool is_pcodell_commutativeOperator(const pcodell *tree);
bool isPcodellSimpleAssignment(const pcodell *tree);
bool isPcodellNop(const pcodell *tree);
bool is_opcode_cast(uint32_t opcode);
// The address kind that selects the operators for a level's memory and range.
address_kind ll_address_kind(int32_t memory, int32_t range);
