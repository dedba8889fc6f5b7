// Shared set-up of the code-generation tests: a fresh symbol table per test,
// variables in access RAM or banked RAM, and the diagnostics a step posts.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "codegen/ocode.h"
#include "driver/diag.h"
#include "driver/driver.h"
#include "driver/options.h"
#include "target/instset.h"
#include "target/procdb.h"
#include "translate/ranges.h"
#include "translate/symbols.h"
#include "translate/types.h"

// The printed instructions separated by "; "; a second word joins its first,
// so that "movff FSR2L, POSTINC1" names both operands.
inline std::string listing(const ocode *list)
{
    std::string text;
    for (const ocode *oc = list; oc; oc = oc->next) {
        if (oc->type == OC_INST && oc->data.inst.ins->opcode == IT_WORD2) {
            text += std::string(", ") + (inst_print(oc->data.inst.ins) + strlen("word2 "));
            continue;
        }
        text += text.empty() ? "" : "; ";
        if (oc->type == OC_INST)
            text += inst_print(oc->data.inst.ins);
        else if (oc->type == OC_LABEL)
            text += std::string(oc->data.label.label->name) + ":";
        else
            text += std::string(oc->type == OC_BNC ? "bnc " : "branch ") + oc->data.branch.sym->name;
    }
    return text;
}

class CodegenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        maxerror = 1000000;
        error_level = 3;
        SetProcessor(DEFAULT_PROCESSOR);
        sym_begin_module();
        trnInitialize();
    }
    void TearDown() override
    {
        trnUninitialize();
        sym_end_module();
    }

    // A byte variable declared at file scope, near or far.
    symbol *variable(const char *name, int range)
    {
        typell *type = type_basic(BT_CHAR, TF_SIGNED);
        type->range = range;
        symbol *sym = sym_create_symbol(name, type, LINK_EXTERNAL, SC_NONE);
        sym_declare_symbol(sym, true, 1, "");
        return sym;
    }

    symbol *function(const char *name)
    {
        symbol *sym = sym_create_symbol(name, type_copy(void_function_type), LINK_EXTERNAL, SC_EXTERN);
        sym_declare_symbol(sym, true, 1, "");
        return sym;
    }

    // The console lines of the diagnostics that `action` posts.
    template <typename Action> std::vector<std::string> diagnostics(Action action)
    {
        ::testing::internal::CaptureStdout();
        action();
        std::string text = ::testing::internal::GetCapturedStdout();
        std::vector<std::string> lines;
        for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
            std::string line = text.substr(start, end - start);
            size_t bracket = line.find(" [");
            lines.push_back(bracket == std::string::npos ? line : line.substr(bracket + 1));
        }
        return lines;
    }
};
