#include "codegen/ocode.h"

#include <cstdlib>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "driver/diag.h"
#include "support/vxassert.h"
#include "target/instset.h"

namespace {

// A symbol record has no room for its output code, so the back links from
// labels and functions are kept here.
std::unordered_map<const symbol *, ocode *> s_label_records;
std::unordered_map<const symbol *, ocode *> s_function_records;
std::unordered_set<std::string> s_file_names;

ocode *s_record(ocode_kind kind, int32_t line, const char *file)
{
    ocode *oc = ocodeCreate();
    oc->type = kind;
    oc->line = line;
    oc->file = ocode_file_name(file);
    return oc;
}

ocode *s_branch(ocode_kind kind, branch_target_kind target, int32_t line, const char *file)
{
    ocode *oc = s_record(kind, line, file);
    oc->data.branch.type = target;
    return oc;
}

ocode *s_literal_branch(ocode_kind kind, int32_t k, int32_t line, const char *file)
{
    ocode *oc = s_branch(kind, LITERAL_BRANCH, line, file);
    oc->data.branch.literal = k;
    return oc;
}

ocode *s_symbol_branch(ocode_kind kind, symbol *sym, int32_t line, const char *file)
{
    ocode *oc = s_branch(kind, SYMBOL_BRANCH, line, file);
    oc->data.branch.sym = sym;
    return oc;
}

ocode *s_bit_branch(ocode_kind kind, branch_target_kind target, symbol *f, int32_t off, int32_t a, int32_t b,
                    int32_t line, const char *file)
{
    ocode *oc = s_branch(kind, target, line, file);
    oc->data.branch.freg = f;
    oc->data.branch.freg_offset = off;
    oc->data.branch.access = a;
    oc->data.branch.bit = b;
    return oc;
}

void s_forget(std::unordered_map<const symbol *, ocode *> &links, const symbol *sym, const ocode *oc)
{
    auto found = links.find(sym);
    if (found != links.end() && found->second == oc)
        links.erase(found);
}

bool s_is_inst(const ocode *oc, std::initializer_list<unsigned> opcodes)
{
    if (!oc || oc->type != OC_INST || !oc->data.inst.ins)
        return false;
    for (unsigned opcode : opcodes)
        if (oc->data.inst.ins->opcode == opcode)
            return true;
    return false;
}

} // namespace

const char *ocode_file_name(const char *file)
{
    if (!file)
        return nullptr;
    return s_file_names.insert(file).first->c_str();
}

ocode *ocodeCreate()
{
    auto *oc = static_cast<ocode *>(calloc(1, sizeof(ocode)));
    if (!oc)
        post_error(101);
    return oc;
}

void ocodeFree(ocode *oc)
{
    if (!oc)
        return;
    if (oc->type == OC_INST)
        free(oc->data.inst.ins);
    else if (oc->type == OC_LABEL)
        s_forget(s_label_records, oc->data.label.label, oc);
    else if (oc->type == OC_BFUNCT)
        s_forget(s_function_records, oc->data.function, oc);
    free(oc);
}

ocode *ocode_label_record(const symbol *label)
{
    auto found = s_label_records.find(label);
    return found == s_label_records.end() ? nullptr : found->second;
}

ocode *ocode_function_record(const symbol *fn)
{
    auto found = s_function_records.find(fn);
    return found == s_function_records.end() ? nullptr : found->second;
}

void ocode_set_label_symbol(ocode *label, symbol *sym)
{
    VX_ASSERT(label && label->type == OC_LABEL && !label->data.label.label && sym);
    label->data.label.label = sym;
    s_label_records[sym] = label;
}

ocode *ocodeNop(int32_t line, const char *file) { return s_record(OC_NOP, line, file); }

ocode *ocodeLabel(symbol *label, int32_t line, const char *file)
{
    ocode *oc = s_record(OC_LABEL, line, file);
    oc->data.label.label = label;
    if (label)
        s_label_records[label] = oc;
    return oc;
}

ocode *ocodeFunction(symbol *x, int32_t line, const char *file)
{
    ocode *oc = s_record(OC_FUNCTION, line, file);
    oc->data.function = x;
    return oc;
}

ocode *ocodeBFunct(symbol *fn, int32_t line, const char *file)
{
    ocode *oc = s_record(OC_BFUNCT, line, file);
    oc->is_function = 1;
    oc->data.function = fn;
    if (fn)
        s_function_records[fn] = oc;
    return oc;
}

ocode *ocodeEFunct(symbol *fn, int32_t line, const char *file)
{
    ocode *oc = s_record(OC_EFUNCT, line, file);
    oc->is_function = 1;
    oc->data.function = fn;
    return oc;
}

ocode *ocodeInst(inst *ins, int32_t line, const char *file)
{
    ocode *oc = s_record(OC_INST, line, file);
    oc->data.inst.ins = ins;
    return oc;
}

ocode *ocodePushTemps(int32_t line, const char *file) { return s_record(OC_PUSH_TEMPS, line, file); }
ocode *ocodePopTemps(int32_t line, const char *file) { return s_record(OC_POP_TEMPS, line, file); }

ocode *ocodeBranchLiteral(int32_t k, int32_t line, const char *file)
{
    return s_literal_branch(OC_BRANCH, k, line, file);
}

ocode *ocodeBranchSymbol(symbol *sym, int32_t line, const char *file)
{
    return s_symbol_branch(OC_BRANCH, sym, line, file);
}

ocode *ocodeBranchBlock(basic_block *block, int32_t line, const char *file)
{
    ocode *oc = s_branch(OC_BRANCH, BLOCK_BRANCH, line, file);
    oc->data.branch.block = block;
    return oc;
}

ocode *ocodeBLabel(ocode_kind kind, ocode *label, int32_t line, const char *file)
{
    VX_ASSERT(kind >= OC_BRANCH && kind <= OC_BTFBC);
    ocode *oc = s_branch(kind, LABEL_BRANCH, line, file);
    oc->data.branch.label = label;
    return oc;
}

ocode *ocodeBZLiteral(int32_t k, int32_t line, const char *file) { return s_literal_branch(OC_BZ, k, line, file); }
ocode *ocodeBZSymbol(symbol *sym, int32_t line, const char *file) { return s_symbol_branch(OC_BZ, sym, line, file); }
ocode *ocodeBNZLiteral(int32_t k, int32_t line, const char *file) { return s_literal_branch(OC_BNZ, k, line, file); }
ocode *ocodeBNZSymbol(symbol *sym, int32_t line, const char *file) { return s_symbol_branch(OC_BNZ, sym, line, file); }
ocode *ocodeBCLiteral(int32_t k, int32_t line, const char *file) { return s_literal_branch(OC_BC, k, line, file); }
ocode *ocodeBCSymbol(symbol *sym, int32_t line, const char *file) { return s_symbol_branch(OC_BC, sym, line, file); }
ocode *ocodeBNCLiteral(int32_t k, int32_t line, const char *file) { return s_literal_branch(OC_BNC, k, line, file); }
ocode *ocodeBNCSymbol(symbol *sym, int32_t line, const char *file) { return s_symbol_branch(OC_BNC, sym, line, file); }
ocode *ocodeBVLiteral(int32_t k, int32_t line, const char *file) { return s_literal_branch(OC_BOV, k, line, file); }
ocode *ocodeBNVLiteral(int32_t k, int32_t line, const char *file) { return s_literal_branch(OC_BNOV, k, line, file); }
ocode *ocodeBNLiteral(int32_t k, int32_t line, const char *file) { return s_literal_branch(OC_BN, k, line, file); }
ocode *ocodeBNSymbol(symbol *sym, int32_t line, const char *file) { return s_symbol_branch(OC_BN, sym, line, file); }
ocode *ocodeBNNLiteral(int32_t k, int32_t line, const char *file) { return s_literal_branch(OC_BNN, k, line, file); }

ocode *ocodeBTFBSLiteral(symbol *f, int32_t off, int32_t a, int32_t b, int32_t k, int32_t line, const char *file)
{
    ocode *oc = s_bit_branch(OC_BTFBS, LITERAL_BRANCH, f, off, a, b, line, file);
    oc->data.branch.literal = k;
    return oc;
}

ocode *ocodeBTFBSSymbol(symbol *f, int32_t off, int32_t a, int32_t b, symbol *sym, int32_t line, const char *file)
{
    ocode *oc = s_bit_branch(OC_BTFBS, SYMBOL_BRANCH, f, off, a, b, line, file);
    oc->data.branch.sym = sym;
    return oc;
}

ocode *ocodeBTFBCLiteral(symbol *f, int32_t off, int32_t a, int32_t b, int32_t k, int32_t line, const char *file)
{
    ocode *oc = s_bit_branch(OC_BTFBC, LITERAL_BRANCH, f, off, a, b, line, file);
    oc->data.branch.literal = k;
    return oc;
}

ocode *ocodeBTFBCSymbol(symbol *f, int32_t off, int32_t a, int32_t b, symbol *sym, int32_t line, const char *file)
{
    ocode *oc = s_bit_branch(OC_BTFBC, SYMBOL_BRANCH, f, off, a, b, line, file);
    oc->data.branch.sym = sym;
    return oc;
}

bool is_call(const ocode *oc) { return s_is_inst(oc, {IT_CALL}); }
bool is_rcall(const ocode *oc) { return s_is_inst(oc, {IT_RCALL}); }
bool is_return(const ocode *oc) { return s_is_inst(oc, {IT_RETURN, IT_RETFIE, IT_RETLW, IT_RESET}); }

bool is_skip_conditional(const ocode *oc)
{
    return s_is_inst(oc, {IT_TSTFSZ, IT_CPFSLT, IT_CPFSGT, IT_CPFSEQ, IT_BTFSC, IT_BTFSS, IT_DECFSZ, IT_DCFSNZ,
                          IT_INFSNZ, IT_INCFSZ});
}

bool is_unconditional_branch(const ocode *oc)
{
    return oc && (oc->type == OC_BRANCH || s_is_inst(oc, {IT_BRA, IT_GOTO}));
}

bool is_conditional_branch(const ocode *oc)
{
    return oc && ((oc->type >= OC_BZ && oc->type <= OC_BTFBC) ||
                  s_is_inst(oc, {IT_BC, IT_BN, IT_BNC, IT_BNN, IT_BNOV, IT_BNZ, IT_BOV, IT_BZ}));
}

bool is_branch(const ocode *oc)
{
    if (!oc)
        return false;
    if (oc->type >= OC_BRANCH && oc->type <= OC_BTFBC)
        return true;
    return is_conditional_branch(oc) || is_unconditional_branch(oc) || is_skip_conditional(oc) ||
           s_is_inst(oc, {IT_RESET});
}

int32_t ocode_enumerate(ocode *list)
{
    int32_t count = 0;
    for (ocode *oc = list; oc; oc = oc->next) {
        VX_ASSERT(oc->prev == nullptr || oc->prev->next == oc);
        VX_ASSERT(oc->next == nullptr || oc->next->prev == oc);
        VX_ASSERT(oc->next != list);
        oc->number = count++;
    }
    return count;
}
