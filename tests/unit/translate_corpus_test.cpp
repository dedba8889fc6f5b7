// Every declaration of the sample programs resolves without a diagnostic:
// types through typedefs, tags and prototypes, scopes of function bodies,
// section pragmas, and the initializers whose values are literal constants.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "driver/options.h"
#include "frontend/pragma.h"
#include "translate/lower.h"
#include "translate_support.h"

namespace fs = std::filesystem;

namespace {

// The constant expressions of the samples, translated with the builders as
// the expression layer does; null for anything that is not constant.
pcodell *sample_constant(pcodehl *e)
{
    if (!e)
        return nullptr;
    using binary = pcodell *(*)(pcodell *, pcodell *, int32_t, const char *);
    binary op = nullptr;
    switch (e->kind) {
    case H_CNST: return ll_constant(e->constant.type, e->constant.value, e->line, e->file);
    case H_IDENT: {
        symbol *s = sym_lookup_sym(e->name, LOOKUP_ALL);
        if (!s || !s->is_enum_constant)
            return nullptr;
        return ll_constant(s->enum_value.type, s->enum_value.value, e->line, e->file);
    }
    case H_SIZEOFTYPE: {
        typell *type = trnResolveType(e->type, e->file, e->line);
        if (!type)
            return nullptr;
        uint32_t size = ll_sizeof_type(type);
        type_free(type);
        return ll_new_unsigned_const(size, e->line, e->file);
    }
    case H_CAST: {
        pcodell *value = sample_constant(e->left);
        typell *type = value ? trnResolveType(e->type, e->file, e->line) : nullptr;
        if (!type) {
            pcodellFreeTree(value);
            return nullptr;
        }
        return ll_cast(value, type);
    }
    case H_MINUS: {
        pcodell *value = sample_constant(e->left);
        return value ? ll_sub(ll_constant(value->constant.type, 0, e->line, e->file), value, e->line, e->file) : nullptr;
    }
    case H_PLUS: return sample_constant(e->left);
    case H_BNOT: {
        pcodell *value = sample_constant(e->left);
        return value ? ll_bitwise_not(value, e->line, e->file) : nullptr;
    }
    case H_ADD: op = ll_add; break;
    case H_SUB: op = ll_sub; break;
    case H_MUL: op = ll_mul; break;
    case H_DIV: op = ll_div; break;
    case H_MOD: op = ll_mod; break;
    case H_SHL: op = ll_shift_left; break;
    case H_SHR: op = ll_shift_right; break;
    case H_BAND: op = ll_bitwise_and; break;
    case H_BOR: op = ll_bitwise_or; break;
    case H_BXOR: op = ll_bitwise_xor; break;
    default: return nullptr;
    }
    pcodell *a = sample_constant(e->left);
    pcodell *b = a ? sample_constant(e->right) : nullptr;
    if (!b) {
        pcodellFreeTree(a);
        return nullptr;
    }
    if (b->constant.type > a->constant.type && e->kind != H_SHL && e->kind != H_SHR)
        a = ll_cast(a, ll_get_constant_type(b->constant.type));
    else if (b->constant.type < a->constant.type)
        b = ll_cast(b, ll_get_constant_type(a->constant.type));
    pcodell *result = op(a, b, e->line, e->file);
    if (is_pcodell_constant(result))
        return result;
    pcodellFreeTree(result);
    return nullptr;
}

class Corpus : public TranslateTest {
protected:
    void SetUp() override
    {
        TranslateTest::SetUp();
        trn_constant_expression = sample_constant;
    }
    void TearDown() override
    {
        trn_constant_expression = default_translator;
        TranslateTest::TearDown();
    }

    trn_constant_translator default_translator = trn_constant_expression;

    int resolved = 0;
    int lowered = 0;

    // A literal initializer as the expression layer would hand it over;
    // null when any element is not a literal.
    initializer *literal(pcodehl *node)
    {
        if (node->kind == H_ILIST) {
            initializer *head = nullptr;
            initializer **tail = &head;
            for (pcodehl *item = node; item; item = item->right) {
                if (!item->left)
                    continue;
                initializer *element = literal(item->left);
                if (!element) {
                    ll_initializer_free(head);
                    return nullptr;
                }
                *tail = element;
                tail = &element->next;
            }
            return ll_initializer_list(head, node->line, node->file);
        }
        if (node->kind == H_STRING) {
            symbol *string = sym_string_symbol(node->count);
            string->string_text = static_cast<char *>(malloc(node->count + 1));
            memcpy(string->string_text, node->bytes, node->count + 1);
            string->string_length = node->count;
            // The literal decays to a pointer to its first character.
            pcodell *address = ll_ident(string, node->line, node->file);
            pcodell_set_type(address, type_pointer_to(type_copy(string->type->next)));
            return ll_initializer_value(address, node->line, node->file);
        }
        pcodell *value = trn_constant_expression(node);
        return value ? ll_initializer_value(value, node->line, node->file) : nullptr;
    }

    symbol *declaration(pcodehl *decl)
    {
        typell *type = trnResolveType(decl->type, decl->file, decl->line);
        EXPECT_NE(type, nullptr) << decl->file << ":" << decl->line;
        ++resolved;
        if (!type || !decl->left || decl->left->kind != H_IDENT) {
            type_free(type);
            return nullptr;
        }
        int32_t storage_class = trnResolveSclass(decl->type);
        bool file_scope = sym_get_nesting_level() == 0;
        if (!file_scope && storage_class == SC_NONE && !is_type_function(type))
            storage_class = SC_AUTO;
        symbol *sym = sym_create_symbol(decl->left->name, type, file_scope ? LINK_EXTERNAL : LINK_NONE, storage_class);
        sym_declare_symbol(sym, file_scope, decl->line, decl->file);
        if (decl->right && decl->right->kind != H_NOP && storage_class != SC_AUTO)
            if (initializer *init = literal(decl->right)) {
                EXPECT_EQ(ll_process_initializers(sym, init, decl->line, decl->file), nullptr);
                ll_initializer_free(init);
                ++lowered;
            }
        return sym;
    }

    void walk(pcodehl *node)
    {
        for (; node; node = node->right) {
            switch (node->kind) {
            case H_DECL:
                declaration(node);
                return;
            case H_FUNCT: {
                symbol *function = declaration(node->left);
                ASSERT_NE(function, nullptr);
                sym_begin_function(function, node->line, node->file);
                walk(node->right);
                sym_end_function(function, node->line, node->file);
                return;
            }
            case H_CSTMT:
                sym_begin_block(node->line, node->file);
                walk(node->left);
                walk(node->right);
                sym_end_block(node->line, node->file);
                return;
            case H_PRAGMA:
                pcodellFreeTree(ll_pragma(node->pragma, node->line, node->file));
                return;
            default:
                walk(node->left);
            }
        }
    }
};

TEST_F(Corpus, EveryDeclarationResolvesCleanly)
{
    fs::path corpus = fs::path(__FILE__).parent_path().parent_path() / "corpus";
    fs::path vexpp = fs::absolute("../bin/vexpp");
    if (!fs::exists(vexpp))
        GTEST_SKIP() << "the preprocessor is not built";
    int files = 0;
    for (const auto &entry : fs::directory_iterator(corpus)) {
        if (entry.path().extension() != ".c")
            continue;
        ++files;
        fs::path output = fs::temp_directory_path() / ("corpus_" + entry.path().stem().string() + ".i");
        std::string command = vexpp.string() + " -o " + output.string() + " " + entry.path().string();
        ASSERT_EQ(system(command.c_str()), 0) << command;
        std::stringstream text;
        text << std::ifstream(output).rdbuf();
        fs::remove(output);

        TearDown();
        SetUp();
        std::vector<unsigned> posted = diagnostics([&] {
            yyinitparse();
            lex_scan_string(text.str().c_str());
            yyparse();
            pcodehl *root = hl_get_ast();
            walk(root);
            hl_free_ast(root);
            hl_set_ast(nullptr);
            trn_forget_tag_definitions();
            yyuninitparse();
        });
        EXPECT_EQ(posted, std::vector<unsigned>{}) << entry.path();
    }
    EXPECT_GE(files, 15);
    EXPECT_GT(resolved, 500);
    EXPECT_GT(lowered, 20);
}

} // namespace
