#include <cstdlib>

#include "codegen/obj.h"
#include "codegen/regsyms.h"
#include "driver/diag.h"
#include "driver/driver.h"
#include "frontend/asmrec.h"
#include "frontend/ast.h"
#include "frontend/constant.h"
#include "support/position.h"
#include "support/vxassert.h"
#include "target/instset.h"
#include "target/procdb.h"
#include "translate/symbols.h"

namespace {

struct asm_context {
    const asm_statement *item;
    unsigned type;
    int inst_set;
    int32_t line;
    const char *file;
};

void s_post(const asm_context &c, unsigned number, const char *first, const char *second = nullptr)
{
    post_error_at(c.line, c.file ? c.file : yyfilename, number, first, second);
}

// A label of the block: the translation of the block has already entered it
// in the function's label scope; a scope that no longer holds it gets it now.
symbol *s_label_symbol(const asm_statement *item)
{
    if (item->label_symbol)
        return item->label_symbol;
    symbol *label = sym_lookup_label(item->label);
    return label ? label : sym_create_label(item->label);
}

// Labels first, since a branch in the block names them; then the objects
// and functions in scope; then the compiler-managed registers.
symbol *s_operand_symbol(const asm_operand *op)
{
    if (op->resolved)
        return op->resolved;
    const char *name = op->symbol;
    if (symbol *label = sym_lookup_label(name))
        return label;
    if (symbol *sym = sym_lookup_sym(name, LOOKUP_ALL))
        return sym;
    return gen_register_symbol(name);
}

bool s_takes_operand(const asm_context &c, unsigned position)
{
    if (hasOperand(c.type, c.inst_set, position))
        return true;
    return hasWord2(c.type, c.inst_set) && getWord2Arg(c.type, c.inst_set) == static_cast<int>(position + 1);
}

void s_literal(inst_operand &target, int32_t value)
{
    target.type = LITERAL_OP;
    target.value.literal = value;
}

void s_fill_operand(const asm_context &c, inst_operand &target, const asm_operand *op, unsigned position)
{
    static const char *const position_names[] = {"one", "two", "three"};
    if (!op->symbol) {
        s_literal(target, op->offset);
        return;
    }
    symbol *sym = s_operand_symbol(op);
    if (!sym) {
        s_post(c, 1105, op->symbol);
        s_literal(target, 0);
        return;
    }
    if (sym->is_enum_constant) {
        int32_t value = get_signed_constant_value(sym->enum_value.type, sym->enum_value.value);
        s_literal(target, static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(op->offset)));
        return;
    }
    int reloc = getOperandReloct(c.type, c.inst_set, position);
    bool carried_by_word2 = position == 1 && hasWord2(c.type, c.inst_set) && getWord2Arg(c.type, c.inst_set) == 2 &&
                            getWord2Reloct(c.type, c.inst_set) != -1;
    if (reloc == -1 && !carried_by_word2) {
        s_post(c, 1250, c.item->mnemonic, position_names[position]);
        s_literal(target, 0);
        return;
    }
    target.type = SYMBOL_OP;
    target.value.sym = sym;
    target.offset = op->offset;
    target.reloc = reloc == -1 ? NO_RELOC : static_cast<uint16_t>(reloc);
}

// The second word carries one operand of the first: a symbol with the
// second word's relocation, or its share of a literal.
inst *s_word2(const asm_context &c, inst *first)
{
    inst *second = inst_create();
    second->opcode = IT_WORD2;
    second->is_inline = 1;
    int arg = getWord2Arg(c.type, c.inst_set);
    VX_ASSERT(arg >= 1 && arg <= 3);
    inst_operand &source = first->operand[arg - 1];
    second->operand[0] = source;
    if (source.type == SYMBOL_OP) {
        int reloc = getWord2Reloct(c.type, c.inst_set);
        second->operand[0].reloc = reloc == -1 ? NO_RELOC : static_cast<uint16_t>(reloc);
        return second;
    }
    auto value = static_cast<uint32_t>(source.value.literal);
    if (c.type == IT_LFSR) {
        second->operand[0].value.literal = static_cast<int32_t>(value & 0xFF);
        first->operand[1].value.literal = static_cast<int32_t>((value & 0xF00) >> 8);
    } else if (c.type == IT_GOTO || c.type == IT_CALL) {
        // The literal is a byte address; each word holds part of the word address.
        first->operand[0].value.literal = static_cast<int32_t>(value >> 1);
        second->operand[0].value.literal = static_cast<int32_t>(value >> 9);
    }
    return second;
}

ocode *s_instruction(asm_context &c)
{
    const asm_statement *item = c.item;
    VX_ASSERT(item->mnemonic != nullptr);
    if (!mnemonic2type(item->mnemonic, &c.type, c.inst_set, 0)) {
        s_post(c, 1252, item->mnemonic, getDvsProcName(GetProcessor()));
        return nullptr;
    }
    inst *ins = inst_create();
    ins->opcode = c.type;
    ins->is_inline = 1;
    const asm_operand *op = item->operands;
    unsigned taken = 0, given = 0;
    for (unsigned position = 0; position < 3 && s_takes_operand(c, position); ++position) {
        ++taken;
        if (op) {
            s_fill_operand(c, ins->operand[position], op, position);
            op = op->next;
            ++given;
        }
    }
    for (; op; op = op->next)
        ++given;
    if (given != taken) {
        s_post(c, 1251, item->mnemonic);
        free(ins);
        return nullptr;
    }
    inst *second = hasWord2(c.type, c.inst_set) ? s_word2(c, ins) : nullptr;
    ocode *list = objInst(ins, c.line, c.file);
    if (second)
        list = objAppend(list, objInst(second, c.line, c.file));
    return list;
}

} // namespace

ocode *objInlineAssembly(const asm_statement *items)
{
    ocode *list = nullptr;
    asm_context c{};
    c.inst_set = getInstSet(GetProcessor());
    c.line = yylineno;
    c.file = yyfilename;
    // Branches may name labels further down the block.
    for (const asm_statement *item = items; item; item = item->next)
        if (item->kind == LABEL_HINST && item->label)
            s_label_symbol(item);
    for (const asm_statement *item = items; item; item = item->next) {
        c.item = item;
        // Labels carry no position of their own: they take the one before.
        if (item->line) {
            c.line = yylineno = item->line;
            c.file = item->file;
        }
        switch (item->kind) {
        case LABEL_HINST:
            VX_ASSERT(item->label != nullptr);
            list = objAppend(list, objLabel(s_label_symbol(item), c.line, c.file));
            break;
        case INST_HINST:
            list = objAppend(list, s_instruction(c));
            break;
        default:
            _assert("item->type == LABEL_HINST || item->type == INST_HINST", __FILE__, __LINE__);
        }
    }
    return list;
}
