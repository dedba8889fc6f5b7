#include "codegen/inst.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver/diag.h"
#include "object/coff.h"
#include "target/instset.h"
#include "translate/ranges.h"
#include "translate/symbols.h"

inst *inst_create()
{
    auto *i = static_cast<inst *>(calloc(1, sizeof(inst)));
    if (!i)
        post_error(101);
    return i;
}

inst *inst_copy(const inst *i)
{
    inst *copy = inst_create();
    *copy = *i;
    return copy;
}

int32_t inst_access_bit(const symbol *f)
{
    bool near = f && f->kind == VARIABLE && f->type && f->type->range == RANGE_NEAR;
    return near ? 0 : 1;
}

namespace {

void s_append_operand(std::string &text, const inst *i, unsigned index)
{
    const inst_operand &op = i->operand[index];
    char number[24];
    if (op.type == LITERAL_OP) {
        long value = op.value.literal;
        // The target of CALL and GOTO is held as a word address.
        if (index == 0 && (i->opcode == IT_CALL || i->opcode == IT_GOTO))
            value *= 2;
        snprintf(number, sizeof number, "%ld", value);
        text += number;
        return;
    }
    bool high = op.reloc == RELOC_HIGH, upper = op.reloc == RELOC_UPPER;
    if (high)
        text += "high( ";
    else if (upper)
        text += "upper( ";
    text += op.value.sym && op.value.sym->name ? op.value.sym->name : "(--null--)";
    if (op.offset != 0) {
        snprintf(number, sizeof number, " + %ld", static_cast<long>(op.offset));
        text += number;
    }
    if (high || upper)
        text += " )";
}

} // namespace

const char *inst_print(const inst *i)
{
    static std::string text;
    text = getInstName(i->opcode);
    for (char &c : text)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    unsigned printed = 0;
    for (unsigned index = 0; index < INST_OPERANDS; ++index) {
        if (i->operand[index].type == NO_OP)
            continue;
        text += printed++ ? ", " : " ";
        s_append_operand(text, i, index);
    }
    return text.c_str();
}
