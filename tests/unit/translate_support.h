// Shared set-up of the translation tests: a fresh symbol table and the
// predefined types per test, the numbers of the diagnostics a step posts,
// and declarations written as C text and resolved through the front end.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "frontend/ast.h"
#include "frontend/lexer.h"
#include "frontend/parser.h"
#include "translate/symbols.h"
#include "translate/types.h"

class TranslateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        maxerror = 1000000;
        error_level = 3;
        sym_begin_module();
        trnInitialize();
    }
    void TearDown() override
    {
        for (auto &entry : declared)
            type_free(entry.second);
        declared.clear();
        trnUninitialize();
        sym_end_module();
    }

    // The numbers of the diagnostics that `action` posts, in order.
    template <typename Action> std::vector<unsigned> diagnostics(Action action)
    {
        ::testing::internal::CaptureStdout();
        try {
            action();
        } catch (...) {
            ::testing::internal::GetCapturedStdout();
            throw;
        }
        std::string text = ::testing::internal::GetCapturedStdout();
        std::vector<unsigned> numbers;
        for (size_t at = text.find(" ["); at != std::string::npos; at = text.find(" [", at + 1))
            numbers.push_back(static_cast<unsigned>(strtoul(text.c_str() + at + 2, nullptr, 10)));
        return numbers;
    }

    // Parses `source`, resolves every declarator in order and declares the
    // named ones in the current scope; their types are also kept by name.
    std::vector<unsigned> declare(const char *source)
    {
        return diagnostics([&] {
            yyinitparse();
            lex_scan_string(source);
            yyparse();
            pcodehl *root = hl_get_ast();
            auto release = [&] {
                hl_free_ast(root);
                hl_set_ast(nullptr);
                trn_forget_tag_definitions();
                yyuninitparse();
            };
            try {
                for (pcodehl *definition = root; definition; definition = definition->right)
                    for (pcodehl *list = definition->left; list && list->kind == H_DECLLST; list = list->right)
                        resolve(list->left);
            } catch (...) {
                release();
                throw;
            }
            release();
        });
    }

    const typell *type_of(const std::string &name)
    {
        auto found = declared.find(name);
        return found == declared.end() ? nullptr : found->second;
    }

    std::map<std::string, typell *> declared;

private:
    void resolve(pcodehl *decl)
    {
        if (!decl || decl->kind != H_DECL)
            return;
        typell *type = trnResolveType(decl->type, decl->file, decl->line);
        if (decl->left && decl->left->kind == H_IDENT && type) {
            type_free(declared[decl->left->name]);
            declared[decl->left->name] = type;
            symbol *sym = sym_create_symbol(decl->left->name, type_copy(type), LINK_EXTERNAL,
                                            trnResolveSclass(decl->type));
            sym_declare_symbol(sym, sym_get_nesting_level() == 0, decl->line, decl->file);
        } else {
            type_free(type);
        }
    }
};
