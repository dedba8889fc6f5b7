#include "translate/ir.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "frontend/pragma.h"
#include "support/pool.h"
#include "support/vxassert.h"
#include "translate/lower.h"
#include "translate/ranges.h"
#include "translate/symbols.h"
#include "translate/trnalloc.h"

static_assert(I_NOP == 100 && I_PREINC8ROM == 121 && I_cop8 == 141 && I_SUB8 == 151 && I_SUBF == 179);
static_assert(I_SUB8A == 182 && I_MOV8 == 213 && I_COND == 218 && I_IDROM16 == 225 && I_IND8RAM8 == 230);
static_assert(I_IND8RAM16 == 235 && I_IND8ROM16 == 240 && I_INDXROM24 == 249 && I_BITFROM16 == 250);
static_assert(I_MEMBERRAM8 == 254 && I_SHR8 == 258 && I_SHL32A == 273 && I_COM8 == 274 && I_EQ8 == 278);
static_assert(I_GT8S == 283 && I_GTF == 291 && I_LTF == 300 && I_TST8 == 301 && I_LOR == 306);
static_assert(I_JMP == 309 && I_CALL == 310 && I_SWITCH8 == 316 && I_ARGNOP == 320 && I_C8TO16S == 326);
static_assert(I_C8UTOF == 338 && I_CFTO8 == 346 && I_C16TO8 == 350 && I_CNST8 == 356 && I_INITX == 361);
static_assert(I_RET == 368 && I_ASM == 374 && I_SECTION == 378);

namespace {

#define VX_IR_NAME(name) #name,
const char *const s_opcode_names[] = {VX_IR_OPERATORS(VX_IR_NAME)};
#undef VX_IR_NAME

bool s_in(const pcodell *tree, uint32_t first, uint32_t last)
{
    return tree && tree->opcode >= first && tree->opcode <= last;
}

const char *s_cop_names[] = {"B_ADD", "B_AND", "B_OR", "B_XOR"};

void s_dump(const pcodell *tree, int depth)
{
    for (; tree; tree = tree->right, ++depth) {
        printf("%4ld: %*.*s%s", static_cast<long>(tree->line), depth * 4, depth * 4, "",
               pcodell_get_opcode_name(tree->opcode));
        if (tree->label && tree->label->name)
            printf("(%s)\n", tree->label->name);
        else if (tree->sym && tree->sym->name)
            printf("(%s)\n", tree->sym->name);
        else if (is_pcodell_constant(tree) && tree->constant.type == CT_FLOAT)
            printf("(%f)\n", static_cast<double>(get_float_constant_value(CT_FLOAT, tree->constant.value)));
        else if (is_pcodell_constant(tree))
            printf("(%ld)\n", is_signed_type(tree->constant.type)
                                  ? static_cast<long>(get_signed_constant_value(tree->constant.type, tree->constant.value))
                                  : static_cast<long>(get_unsigned_constant_value(tree->constant.type, tree->constant.value)));
        else if (is_pcodell_commutativeOperator(tree))
            printf("(%s)\n", s_cop_names[tree->cop & 3]);
        else
            printf("\n");
        s_dump(tree->left, depth + 1);
    }
}

record_pool s_nodes{sizeof(pcodell)};

pcodell *s_node_alloc()
{
    auto *node = pool_new<pcodell>(&s_nodes);
    if (!node)
        post_error(101);
    return node;
}

} // namespace

pcodell *pcodell_create(uint32_t opcode, pcodell *left, pcodell *right, int32_t line, const char *file)
{
    pcodell *tree = s_node_alloc();
    tree->opcode = opcode;
    tree->left = left;
    tree->right = right;
    tree->line = line;
    tree->file = trn_intern(file);
    return tree;
}

pcodell *pcodell_copy(const pcodell *tree)
{
    if (!tree)
        return nullptr;
    pcodell *copy = s_node_alloc();
    *copy = *tree;
        copy->type = type_copy(tree->type);
    copy->type_before = type_copy(tree->type_before);
    copy->left = pcodell_copy(tree->left);
    copy->right = pcodell_copy(tree->right);
    copy->pragma = ll_copy_pragma(tree->pragma);
    copy->init = init_list_copy(tree->init);
    copy->aux = nullptr;
    copy->labeller_state = nullptr;
    return copy;
}

void pcodellFreeTree(pcodell *tree)
{
    while (tree) {
        pcodell *right = tree->right;
        pcodellFreeTree(tree->left);
        type_free(tree->type);
        type_free(tree->type_before);
        if (tree->pragma) {
            pragma_record_free(tree->pragma);
            free(tree->pragma);
        }
        init_list_free(tree->init);
        free(tree->aux);
        pool_free(&s_nodes, tree);
        tree = right;
    }
}

void pcodell_set_type(pcodell *tree, typell *type)
{
    type_free(tree->type);
    tree->type = type;
}

const char *pcodell_get_opcode_name(uint32_t opcode)
{
    if (opcode <= I_FIRST_OPCODE || opcode >= I_END_OPCODE)
        return "--ERROR--";
    return s_opcode_names[opcode - I_NOP];
}

void pcodell_dbg_dump_tree(const pcodell *tree) { s_dump(tree, 0); }

stmt *stmtCreate(pcodell *tree)
{
    stmt *statement = trn_new<stmt>();
    statement->tree = tree;
    return statement;
}

stmt *stmtAppend(stmt *list, stmt *statement)
{
    if (!list)
        return statement;
    if (!statement)
        return list;
    stmt *last = list;
    while (last->next)
        last = last->next;
    last->next = statement;
    statement->prev = last;
    return list;
}

void stmtInsertAfter(stmt *statement, stmt *inserted)
{
    VX_ASSERT(statement && inserted);
    stmt *last = inserted;
    while (last->next)
        last = last->next;
    last->next = statement->next;
    if (statement->next)
        statement->next->prev = last;
    statement->next = inserted;
    inserted->prev = statement;
}

void stmtFreeList(stmt *list)
{
    while (list) {
        stmt *next = list->next;
        pcodellFreeTree(list->tree);
        free(list);
        list = next;
    }
}

bool is_pcodell_constant(const pcodell *tree) { return s_in(tree, I_CNST8, I_CNSTF); }
bool isPcodellIdentifier(const pcodell *tree) { return s_in(tree, I_IDROM16, I_IDSTK); }
bool is_identifier(const pcodell *tree) { return isPcodellIdentifier(tree); }
bool isPcodellIndirection(const pcodell *tree) { return s_in(tree, I_IND8RAM8, I_INDXROM24); }
bool isPcodellBitfield(const pcodell *tree) { return s_in(tree, I_BITFROM16, I_BITFRAM16); }
bool is_pcodell_commutativeOperator(const pcodell *tree) { return s_in(tree, I_cop8, I_copFA); }
bool isPcodellSimpleAssignment(const pcodell *tree) { return s_in(tree, I_MOV8, I_MOVX); }
bool isPcodellNop(const pcodell *tree) { return s_in(tree, I_NOP, I_NOP); }
bool is_opcode_cast(uint32_t opcode) { return opcode >= I_C8TO16S && opcode <= I_C32TO24; }

address_kind ll_address_kind(int32_t memory, int32_t range)
{
    VX_ASSERT(memory != 0 && range != 0);
    if (memory == MEMORY_RAM)
        return range == RANGE_NEAR ? ADDR_RAM8 : ADDR_RAM16;
    return range == RANGE_NEAR ? ADDR_ROM16 : ADDR_ROM24;
}
