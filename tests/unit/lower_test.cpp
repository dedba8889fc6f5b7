#include "translate/lower.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/strutil.h"
#include "translate_support.h"

namespace {

constexpr int32_t L = 1;
constexpr const char *F = "t.c";

class Lower : public TranslateTest {
protected:
    symbol *sym(const char *name) { return sym_lookup_sym(name, LOOKUP_ALL); }

    // The value of a declared object, as an lvalue of its own type.
    pcodell *value(const char *name)
    {
        symbol *s = sym(name);
        EXPECT_NE(s, nullptr) << name;
        return ll_indir(ll_ident(s, L, F), ll_sizeof_type(s->type), s->type->memory, s->type->range, L, F);
    }

    pcodell *constant(uint32_t code, uint32_t bits) { return ll_constant(code, bits, L, F); }

    struct built {
        pcodell *tree;
        ~built() { pcodellFreeTree(tree); }
    };
};

struct threshold_case {
    int64_t value;
    bool is_signed;
    uint32_t opcode;
    uint32_t code;
};

TEST_F(Lower, ConstantMakersAtTheirThresholds)
{
    const threshold_case cases[] = {
        {0, false, I_CNST8, CT_UCHAR},          {254, false, I_CNST8, CT_UCHAR},
        {255, false, I_CNST16, CT_UINT},        {65534, false, I_CNST16, CT_UINT},
        {65535, false, I_CNST24, CT_USHORTLONG}, {0xFFFFFE, false, I_CNST24, CT_USHORTLONG},
        {0xFFFFFF, false, I_CNST32, CT_ULONG},  {0xFFFFFFFF, false, I_CNST32, CT_ULONG},
        {-127, true, I_CNST8, CT_SCHAR},        {126, true, I_CNST8, CT_SCHAR},
        {127, true, I_CNST16, CT_INT},          {-128, true, I_CNST16, CT_INT},
        {-32767, true, I_CNST16, CT_INT},       {32766, true, I_CNST16, CT_INT},
        {32767, true, I_CNST24, CT_SHORTLONG},  {-8388607, true, I_CNST24, CT_SHORTLONG},
        {8388606, true, I_CNST24, CT_SHORTLONG}, {8388607, true, I_CNST32, CT_LONG},
        {-8388608, true, I_CNST32, CT_LONG},
    };
    for (const threshold_case &c : cases) {
        built b{c.is_signed ? ll_new_signed_const(static_cast<int32_t>(c.value), L, F)
                            : ll_new_unsigned_const(static_cast<uint32_t>(c.value), L, F)};
        EXPECT_EQ(b.tree->opcode, c.opcode) << c.value;
        EXPECT_EQ(b.tree->constant.type, c.code) << c.value;
        EXPECT_EQ(type_constant_code(b.tree->type), c.code) << c.value;
        int64_t read = c.is_signed ? static_cast<int64_t>(get_signed_constant_value(c.code, b.tree->constant.value))
                                   : static_cast<int64_t>(get_unsigned_constant_value(c.code, b.tree->constant.value));
        EXPECT_EQ(read, c.value);
    }
    built f{ll_new_float_const(2.5f, L, F)};
    EXPECT_EQ(f.tree->opcode, I_CNSTF);
    EXPECT_EQ(f.tree->constant.value, get_float_representation(2.5f));
    EXPECT_TRUE(is_type_float(f.tree->type));
}

using binary_builder = pcodell *(*)(pcodell *, pcodell *, int32_t, const char *);

struct fold_case {
    const char *what;
    binary_builder build;
    uint32_t code;
    uint32_t a;
    uint32_t b;
    uint32_t expected;
};

TEST_F(Lower, FoldingWrapsToTheLeftOperandsWidth)
{
    const fold_case cases[] = {
        {"uchar 255+1", ll_add, CT_UCHAR, 255, 1, 0},
        {"schar 127+1", ll_add, CT_SCHAR, 127, 1, 0x80},
        {"uint 0xFFFF+1", ll_add, CT_UINT, 0xFFFF, 1, 0},
        {"int 32767+1", ll_add, CT_INT, 32767, 1, 0x8000},
        {"short long 0x7FFFFF+1", ll_add, CT_SHORTLONG, 0x7FFFFF, 1, 0xFF800000},
        {"unsigned short long 0xFFFFFF+1", ll_add, CT_USHORTLONG, 0xFFFFFF, 1, 0},
        {"ulong 0xFFFFFFFF+1", ll_add, CT_ULONG, 0xFFFFFFFF, 1, 0},
        {"uchar 0-1", ll_sub, CT_UCHAR, 0, 1, 0xFF},
        {"int 300*300", ll_mul, CT_INT, 300, 300, 24464},
        {"int -7/2", ll_div, CT_INT, static_cast<uint32_t>(-7), 2, 0xFFFD},
        {"uint 0xFFF9/2", ll_div, CT_UINT, 0xFFF9, 2, 0x7FFC},
        {"int -7%3", ll_mod, CT_INT, static_cast<uint32_t>(-7), 3, 0xFFFF},
        {"uint 0xFFF9%16", ll_mod, CT_UINT, 0xFFF9, 16, 9},
        {"long -8/-2", ll_div, CT_LONG, static_cast<uint32_t>(-8), static_cast<uint32_t>(-2), 4},
        {"uchar 0xF0&0x3C", ll_bitwise_and, CT_UCHAR, 0xF0, 0x3C, 0x30},
        {"uint 0xF000|0x000F", ll_bitwise_or, CT_UINT, 0xF000, 0x000F, 0xF00F},
        {"ulong 0xFFFF0000^0xFFFFFFFF", ll_bitwise_xor, CT_ULONG, 0xFFFF0000, 0xFFFFFFFF, 0x0000FFFF},
        {"uchar 0x81<<1", ll_shift_left, CT_UCHAR, 0x81, 1, 0x02},
        {"schar -128>>2", ll_shift_right, CT_SCHAR, 0x80, 2, 0xE0},
        {"uchar 0x80>>2", ll_shift_right, CT_UCHAR, 0x80, 2, 0x20},
        {"uint 1<<20", ll_shift_left, CT_UINT, 1, 20, 0},
    };
    for (const fold_case &c : cases) {
        built b{c.build(constant(c.code, c.a), constant(c.code, c.b), L, F)};
        ASSERT_TRUE(is_pcodell_constant(b.tree)) << c.what;
        EXPECT_EQ(b.tree->constant.type, c.code) << c.what;
        EXPECT_EQ(b.tree->constant.value, c.expected) << c.what;
    }
}

TEST_F(Lower, DivisionByConstantZeroIsLeftToRunTime)
{
    built quotient{ll_div(constant(CT_INT, 7), constant(CT_INT, 0), L, F)};
    EXPECT_EQ(quotient.tree->opcode, I_DIV16S);
    built remainder{ll_mod(constant(CT_UCHAR, 7), constant(CT_UCHAR, 0), L, F)};
    EXPECT_EQ(remainder.tree->opcode, I_MOD8U);
}

TEST_F(Lower, CastLegality)
{
    declare("int i; char *cp; char *cq; int *ip; float f; struct s { int a; } st;");
    struct legality_case {
        const char *from;
        const char *to;
        bool allowed;
        std::vector<unsigned> warned;
    };
    const legality_case cases[] = {
        {"i", "i", true, {}},        {"cp", "cq", true, {}},      {"ip", "cp", true, {2054}},
        {"ip", "i", true, {2054}},   {"i", "ip", true, {2054}},   {"f", "i", true, {}},
        {"i", "f", true, {}},        {"f", "f", true, {}},        {"st", "i", false, {}},
        {"f", "ip", false, {}},      {"ip", "f", false, {}},      {"i", "st", false, {}},
    };
    for (const legality_case &c : cases) {
        bool allowed = false;
        std::vector<unsigned> posted =
            diagnostics([&] { allowed = ll_can_cast(sym(c.from)->type, sym(c.to)->type, true); });
        EXPECT_EQ(allowed, c.allowed) << c.from << " to " << c.to;
        EXPECT_EQ(posted, c.warned) << c.from << " to " << c.to;
        EXPECT_TRUE(diagnostics([&] { ll_can_cast(sym(c.from)->type, sym(c.to)->type, false); }).empty());
    }
}

// Initializers.

struct expected_byte {
    bool is_address;
    uint8_t value;          // data byte
    const char *sym;        // address byte
    int32_t offset;
    uint32_t byte_index;
};

expected_byte D(uint8_t value) { return {false, value, nullptr, 0, 0}; }
expected_byte A(const char *sym, int32_t offset, uint32_t byte_index) { return {true, 0, sym, offset, byte_index}; }

class Initializers : public Lower {
protected:
    initializer *item(pcodell *v) { return ll_initializer_value(v, L, F); }

    initializer *list(std::vector<initializer *> elements)
    {
        initializer *head = nullptr;
        for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
            (*it)->next = head;
            head = *it;
        }
        return ll_initializer_list(head, L, F);
    }

    initializer *number(uint32_t code, uint32_t bits) { return item(constant(code, bits)); }

    symbol *string(const char *text)
    {
        symbol *s = sym_string_symbol(static_cast<uint32_t>(strlen(text)));
        s->string_text = strdup(text);
        s->string_length = static_cast<uint32_t>(strlen(text));
        s->ref_count = 1;
        return s;
    }

    // Lowers `init` for the object `name` and returns the diagnostics.
    std::vector<unsigned> lower(const char *name, initializer *init)
    {
        std::vector<unsigned> posted;
        try {
            posted = diagnostics([&] { EXPECT_EQ(ll_process_initializers(sym(name), init, L, F), nullptr); });
        } catch (...) {
            ll_initializer_free(init);
            throw;
        }
        ll_initializer_free(init);
        return posted;
    }

    void expect_image(const char *name, const std::vector<expected_byte> &expected)
    {
        std::vector<expected_byte> actual;
        for (const init_record *r = sym(name)->initial_data; r; r = r->next)
            actual.push_back(r->kind == INIT_ADDRESS_BYTE ? A(r->sym->name, r->offset, r->byte_index) : D(r->value));
        ASSERT_EQ(actual.size(), expected.size()) << name;
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(actual[i].is_address, expected[i].is_address) << name << " byte " << i;
            if (expected[i].is_address) {
                EXPECT_STREQ(actual[i].sym, expected[i].sym) << name << " byte " << i;
                EXPECT_EQ(actual[i].offset, expected[i].offset) << name << " byte " << i;
                EXPECT_EQ(actual[i].byte_index, expected[i].byte_index) << name << " byte " << i;
            } else {
                EXPECT_EQ(actual[i].value, expected[i].value) << name << " byte " << i;
            }
        }
    }
};

TEST_F(Initializers, AddressesOfObjects)
{
    declare("int x; int arr[4]; int *p; int *pe; long la; rom far char r; rom far char *q; char cc;"
            "struct { char a; int b; } st; int *pm;");
    EXPECT_TRUE(lower("p", item(ll_ident(sym("x"), L, F))).empty());
    expect_image("p", {A("x", 0, 0), A("x", 0, 1)});

    lower("pe", item(ll_add(ll_ident(sym("arr"), L, F), constant(CT_INT, 4), L, F)));
    expect_image("pe", {A("arr", 4, 0), A("arr", 4, 1)});

    lower("q", item(ll_ident(sym("r"), L, F)));
    expect_image("q", {A("r", 0, 0), A("r", 0, 1), A("r", 0, 2)});

    lower("la", item(ll_cast(ll_ident(sym("x"), L, F), type_copy(sym("la")->type))));
    expect_image("la", {A("x", 0, 0), A("x", 0, 1), D(0), D(0)});

    const member_record *b = type_lookup_su_member(sym("st")->type->detail.tag->definition, "b");
    lower("pm", item(ll_reference(ll_member_access(value("st"), b, L, F), L, F)));
    expect_image("pm", {A("st", 1, 0), A("st", 1, 1)});

    EXPECT_TRUE(lower("p", item(ll_cast(constant(CT_INT, 0), type_copy(sym("p")->type)))).empty());
    expect_image("p", {D(0), D(0)});
    EXPECT_EQ(lower("q", item(ll_ident(sym("x"), L, F))), std::vector<unsigned>{2054});
    EXPECT_EQ(lower("cc", item(value("x"))), std::vector<unsigned>{1214});
    EXPECT_EQ(lower("x", item(value("st"))), std::vector<unsigned>{1131});
    EXPECT_EQ(lower("pe", item(ll_add(ll_ident(sym("x"), L, F), value("x"), L, F))), std::vector<unsigned>{1219});
}

TEST_F(Initializers, NestedAggregates)
{
    declare("struct in { char c; long d; };"
            "struct s { char a; int b[2]; struct in n; } full, partial, surplus, scalar;"
            "union u { long l; char c; } un;"
            "struct bits { char a:3; char b:5; char :0; unsigned char c; } bf;");
    auto make = [&] {
        return std::vector<initializer *>{number(CT_INT, 1), list({number(CT_INT, 2), number(CT_INT, 3)}),
                                          list({number(CT_INT, 4), number(CT_LONG, 5)})};
    };
    EXPECT_TRUE(lower("full", list(make())).empty());
    expect_image("full", {D(1), D(2), D(0), D(3), D(0), D(4), D(5), D(0), D(0), D(0)});

    lower("partial", list({number(CT_INT, 1)}));
    expect_image("partial", {D(1), D(0), D(0), D(0), D(0), D(0), D(0), D(0), D(0), D(0)});

    std::vector<initializer *> too_many = make();
    too_many.push_back(number(CT_INT, 9));
    EXPECT_EQ(lower("surplus", list(too_many)), std::vector<unsigned>{1218});

    EXPECT_EQ(lower("scalar", number(CT_INT, 1)), std::vector<unsigned>{1213});

    lower("un", list({number(CT_LONG, 0x01020304)}));
    expect_image("un", {D(4), D(3), D(2), D(1)});

    lower("bf", list({number(CT_INT, 5), number(CT_INT, 3), number(CT_INT, 0x77)}));
    expect_image("bf", {D(0x1D), D(0x77)});
}

TEST_F(Initializers, ArraysAndStrings)
{
    declare("int a3[3]; int open[]; char s3[3]; char hi[]; char s5[5]; char *ps; int ai[2]; char sl[];");
    lower("a3", list({number(CT_INT, 1), number(CT_INT, 2)}));
    expect_image("a3", {D(1), D(0), D(2), D(0), D(0), D(0)});

    lower("open", list({number(CT_INT, 1), number(CT_INT, 2), number(CT_INT, 3), number(CT_INT, 4)}));
    EXPECT_EQ(sym("open")->type->detail.count, 4u);
    EXPECT_EQ(ll_sizeof_type(sym("open")->type), 8u);

    symbol *abc = string("abc");
    EXPECT_EQ(lower("s3", item(ll_ident(abc, L, F))), std::vector<unsigned>{2073});
    expect_image("s3", {D('a'), D('b'), D('c')});
    EXPECT_EQ(abc->ref_count, 0u) << "the literal itself is not needed";

    EXPECT_TRUE(lower("hi", item(ll_ident(string("hi"), L, F))).empty());
    EXPECT_EQ(sym("hi")->type->detail.count, 3u);
    expect_image("hi", {D('h'), D('i'), D(0)});

    lower("s5", list({item(ll_ident(string("ab"), L, F))}));
    expect_image("s5", {D('a'), D('b'), D(0), D(0), D(0)});

    lower("ps", item(ll_ident(string("xy"), L, F)));
    expect_image("ps", {A("__string_3", 0, 0), A("__string_3", 0, 1)});

    EXPECT_EQ(lower("ai", number(CT_INT, 7)), std::vector<unsigned>{1213});
    EXPECT_EQ(lower("a3", list({number(CT_INT, 1), number(CT_INT, 2), number(CT_INT, 3), number(CT_INT, 4)})),
              std::vector<unsigned>{1218});

    symbol *literal = string("ok");
    ll_initialize_string_literal(literal);
    std::vector<uint8_t> bytes;
    for (const init_record *r = literal->initial_data; r; r = r->next)
        bytes.push_back(r->value);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{'o', 'k', 0}));
}

TEST_F(Initializers, ObjectsBeyondTheAddressSpaceAreRefused)
{
    declare("char huge[0x1000001]; long wrap[0x40000000][4];");
    EXPECT_EQ(ll_sizeof_type(sym("wrap")->type), UINT32_MAX) << "sizes saturate instead of wrapping";
    initializer *init = list({number(CT_INT, 1)});
    EXPECT_THROW(diagnostics([&] { ll_process_initializers(sym("huge"), init, L, F); }), compile_abort);
    ll_initializer_free(init);
}

} // namespace
