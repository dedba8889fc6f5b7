#include "translate/lower.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "driver/options.h"
#include "support/strutil.h"
#include "translate/ranges.h"
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

TEST_F(Lower, FloatsFoldInSinglePrecision)
{
    float a = 0.1f, b = 0.2f;
    built sum{ll_add(ll_new_float_const(a, L, F), ll_new_float_const(b, L, F), L, F)};
    EXPECT_EQ(sum.tree->constant.value, get_float_representation(a + b));
    built quotient{ll_div(ll_new_float_const(1.0f, L, F), ll_new_float_const(3.0f, L, F), L, F)};
    EXPECT_EQ(quotient.tree->constant.value, get_float_representation(1.0f / 3.0f));
}

TEST_F(Lower, DivisionByConstantZeroIsLeftToRunTime)
{
    built quotient{ll_div(constant(CT_INT, 7), constant(CT_INT, 0), L, F)};
    EXPECT_EQ(quotient.tree->opcode, I_DIV16S);
    built remainder{ll_mod(constant(CT_UCHAR, 7), constant(CT_UCHAR, 0), L, F)};
    EXPECT_EQ(remainder.tree->opcode, I_MOD8U);
}

TEST_F(Lower, ComparisonsAndLogicFoldToTruthValues)
{
    struct truth_case {
        const char *what;
        pcodell *tree;
        uint32_t expected;
    };
    truth_case cases[] = {
        {"-1 < 1 signed", ll_less_than(constant(CT_INT, 0xFFFF), constant(CT_INT, 1), L, F), 1},
        {"0xFFFF < 1 unsigned", ll_less_than(constant(CT_UINT, 0xFFFF), constant(CT_UINT, 1), L, F), 0},
        {"2 > 1", ll_greater_than(constant(CT_LONG, 2), constant(CT_LONG, 1), L, F), 1},
        {"3 == 3", ll_equal(constant(CT_UCHAR, 3), constant(CT_UCHAR, 3), L, F), 1},
        {"test 0", ll_test(constant(CT_ULONG, 0), L, F), 0},
        {"!0", ll_logical_not(constant(CT_INT, 0), L, F), 1},
        {"1 && 0", ll_logical_and(constant(CT_INT, 1), constant(CT_INT, 0), L, F), 0},
        {"1 || 0", ll_logical_or(constant(CT_INT, 1), constant(CT_INT, 0), L, F), 1},
        {"~0x0F", ll_bitwise_not(constant(CT_UCHAR, 0x0F), L, F), 0xF0},
    };
    for (truth_case &c : cases) {
        built b{c.tree};
        ASSERT_TRUE(is_pcodell_constant(b.tree)) << c.what;
        EXPECT_EQ(b.tree->constant.value, c.expected) << c.what;
    }
    built truth{ll_equal(constant(CT_INT, 1), constant(CT_INT, 1), L, F)};
    EXPECT_TRUE(is_type_char(truth.tree->type)) << "truth values are chars while promotion is suppressed";
}

struct choice_case {
    const char *what;
    pcodell *tree;
    uint32_t opcode;
};

TEST_F(Lower, OperatorChoiceByWidthSignednessAndAddressKind)
{
    declare("char c; unsigned char uc; int i; unsigned u; short long sl; long l; unsigned long ul; float f;"
            "rom far char *fp; char *p; rom int ri; near char nc; rom far long rl;");
    choice_case cases[] = {
        {"char + char", ll_add(value("c"), value("c"), L, F), I_cop8},
        {"int + int", ll_add(value("i"), value("i"), L, F), I_cop16},
        {"short long + short long", ll_add(value("sl"), value("sl"), L, F), I_cop24},
        {"long + long", ll_add(value("l"), value("l"), L, F), I_cop32},
        {"float + float", ll_add(value("f"), value("f"), L, F), I_copF},
        {"far rom pointer + int", ll_add(value("fp"), value("sl"), L, F), I_cop24},
        {"int + pointer", ll_add(value("i"), value("p"), L, F), I_cop16},
        {"ulong - ulong", ll_sub(value("ul"), value("ul"), L, F), I_SUB32},
        {"float - float", ll_sub(value("f"), value("f"), L, F), I_SUBF},
        {"int * int", ll_mul(value("i"), value("i"), L, F), I_MUL16S},
        {"unsigned * unsigned", ll_mul(value("u"), value("u"), L, F), I_MUL16U},
        {"float / float", ll_div(value("f"), value("f"), L, F), I_DIVF},
        {"long / long", ll_div(value("l"), value("l"), L, F), I_DIV32S},
        {"uchar % uchar", ll_mod(value("uc"), value("uc"), L, F), I_MOD8U},
        {"int & int", ll_bitwise_and(value("i"), value("i"), L, F), I_cop16},
        {"~long", ll_bitwise_not(value("l"), L, F), I_COM32},
        {"int << c", ll_shift_left(value("i"), value("uc"), L, F), I_SHL16},
        {"ulong >> c", ll_shift_right(value("ul"), value("uc"), L, F), I_SHR32},
        {"int += int", ll_add_assign(value("i"), value("i"), L, F), I_cop16A},
        {"float += float", ll_add_assign(value("f"), value("f"), L, F), I_copFA},
        {"char |= char", ll_or_assign(value("c"), value("c"), L, F), I_cop8A},
        {"long -= long", ll_sub_assign(value("l"), value("l"), L, F), I_SUB32A},
        {"int *= int", ll_mul_assign(value("i"), value("i"), L, F), I_MUL16AS},
        {"unsigned /= unsigned", ll_div_assign(value("u"), value("u"), L, F), I_DIV16AU},
        {"float /= float", ll_div_assign(value("f"), value("f"), L, F), I_DIVFA},
        {"uchar %= uchar", ll_mod_assign(value("uc"), value("uc"), L, F), I_MOD8AU},
        {"short long <<= c", ll_shift_left_assign(value("sl"), value("uc"), L, F), I_SHL24A},
        {"char >>= c", ll_shift_right_assign(value("c"), value("uc"), L, F), I_SHR8A},
        {"uchar < uchar", ll_less_than(value("uc"), value("uc"), L, F), I_LT8U},
        {"long > long", ll_greater_than(value("l"), value("l"), L, F), I_GT32S},
        {"float > float", ll_greater_than(value("f"), value("f"), L, F), I_GTF},
        {"float < float", ll_less_than(value("f"), value("f"), L, F), I_LTF},
        {"short long == short long", ll_equal(value("sl"), value("sl"), L, F), I_EQ24},
        {"test pointer", ll_test(value("p"), L, F), I_TST16},
        {"test float", ll_test(value("f"), L, F), I_TSTF},
        {"++ram char", ll_pre_increment(value("c"), 1, L, F), I_PREINC8RAM},
        {"rom int--", ll_post_decrement(value("ri"), 1, L, F), I_PSTDEC16ROM},
        {"--float", ll_pre_decrement(value("f"), 1, L, F), I_PREDECFRAM},
        {"far rom pointer++", ll_post_increment(value("fp"), 3, L, F), I_PSTINC24RAM},
        {"near char", value("nc"), I_IND8RAM8},
        {"far int", value("i"), I_IND16RAM16},
        {"near rom int", value("ri"), I_IND16ROM16},
        {"far rom long", value("rl"), I_IND32ROM24},
    };
    for (choice_case &c : cases) {
        built b{c.tree};
        EXPECT_STREQ(pcodell_get_opcode_name(b.tree->opcode), pcodell_get_opcode_name(c.opcode)) << c.what;
    }
}

TEST_F(Lower, IdentifiersAssignmentsAndIndirections)
{
    declare("near char nc; int i; rom near int rn; rom far int rf;");
    symbol *local = sym_create_symbol("local", type_copy(int_type), LINK_NONE, SC_AUTO);
    struct ident_case {
        symbol *s;
        uint32_t opcode;
    };
    const ident_case idents[] = {{sym("nc"), I_IDRAM8}, {sym("i"), I_IDRAM16}, {sym("rn"), I_IDROM16},
                                 {sym("rf"), I_IDROM24}, {local, I_IDSTK}};
    for (const ident_case &c : idents) {
        built b{ll_ident(c.s, L, F)};
        EXPECT_EQ(b.tree->opcode, c.opcode) << c.s->name;
        EXPECT_EQ(b.tree->sym, c.s);
        ASSERT_TRUE(is_type_pointer(b.tree->type));
        EXPECT_TRUE(are_types_compatible(b.tree->type->next, c.s->type, true));
    }
    const uint32_t moves[] = {0, I_MOV8, I_MOV16, I_MOV24, I_MOV32, I_MOVX, I_MOVX};
    for (uint32_t size = 1; size <= 6; ++size) {
        built b{ll_assign(value("i"), constant(CT_INT, 1), size, L, F)};
        EXPECT_EQ(b.tree->opcode, moves[size]) << size;
        EXPECT_EQ(b.tree->size, size);
    }
    built aggregate{ll_indir(ll_ident(sym("rf"), L, F), 7, MEMORY_ROM, RANGE_FAR, L, F)};
    EXPECT_EQ(aggregate.tree->opcode, I_INDXROM24);
    EXPECT_EQ(aggregate.tree->size, 7u);
    EXPECT_TRUE(aggregate.tree->flags & LL_LVALUE);
    built address{ll_reference(value("i"), L, F)};
    EXPECT_EQ(address.tree->opcode, I_IDRAM16);
}

TEST_F(Lower, MemberAccess)
{
    declare("struct s { char a; int b; char f:3; char g:4; } x; near struct s n;");
    const aggregate_definition *definition = sym("x")->type->detail.tag->definition;
    const member_record *b = type_lookup_su_member(definition, "b");
    const member_record *g = type_lookup_su_member(definition, "g");

    built member{ll_member_access(value("x"), b, L, F)};
    EXPECT_EQ(member.tree->opcode, I_IND16RAM16);
    ASSERT_EQ(member.tree->left->opcode, I_MEMBERRAM16);
    EXPECT_EQ(member.tree->left->member.offset, 1u);
    EXPECT_TRUE(member.tree->left->member.is_signed);
    EXPECT_EQ(member.tree->left->left->opcode, I_IDRAM16);
    EXPECT_EQ(ll_sizeof_type(member.tree->type), 2u);

    built near_member{ll_member_access(value("n"), b, L, F)};
    EXPECT_EQ(near_member.tree->opcode, I_IND16RAM8);
    EXPECT_EQ(near_member.tree->left->opcode, I_MEMBERRAM8);

    built bitfield{ll_member_access(value("x"), g, L, F)};
    EXPECT_EQ(bitfield.tree->opcode, I_BITFRAM16);
    EXPECT_EQ(bitfield.tree->member.offset, 3u);
    EXPECT_EQ(bitfield.tree->member.bit_offset, 3);
    EXPECT_EQ(bitfield.tree->member.bit_width, 4);
    EXPECT_TRUE(bitfield.tree->flags & LL_LVALUE);

    // A struct at a constant address: the member is a plain indirection at
    // the summed address.
    pcodell *address = ll_cast(ll_constant(CT_UINT, 0xFFFE, L, F), type_pointer_to(type_copy(sym("x")->type)));
    pcodell *aggregate = ll_indir(address, ll_sizeof_type(sym("x")->type), MEMORY_RAM, RANGE_FAR, L, F);
    built fixed{ll_member_access(aggregate, b, L, F)};
    EXPECT_EQ(fixed.tree->opcode, I_IND16RAM16);
    ASSERT_TRUE(is_pcodell_constant(fixed.tree->left));
    EXPECT_EQ(fixed.tree->left->constant.value, 0xFFFFu);
    pcodell *wrapping = ll_indir(ll_cast(ll_constant(CT_UINT, 0xFFFF, L, F), type_pointer_to(type_copy(sym("x")->type))),
                                 4, MEMORY_RAM, RANGE_FAR, L, F);
    built wrapped{ll_member_access(wrapping, b, L, F)};
    EXPECT_EQ(wrapped.tree->left->constant.value, 0u) << "a 16-bit address wraps";
}

struct cast_case {
    const char *what;
    const char *from;
    const char *to;
    uint32_t opcode;
};

TEST_F(Lower, CastsPickTheConversionOperator)
{
    declare("signed char sc; unsigned char uc; int i; unsigned u; short long sl; long l; unsigned long ul; float f;"
            "char *p; rom far char *fp; unsigned int ui2;");
    const cast_case cases[] = {
        {"schar to int", "sc", "i", I_C8TO16S},   {"uchar to long", "uc", "l", I_C8TO32U},
        {"int to short long", "i", "sl", I_C16TO24S}, {"unsigned to ulong", "u", "ul", I_C16TO32U},
        {"short long to long", "sl", "l", I_C24TO32S}, {"long to char", "l", "sc", I_C32TO8},
        {"long to int", "l", "i", I_C32TO16},     {"ulong to short long", "ul", "sl", I_C32TO24},
        {"int to uchar", "i", "uc", I_C16TO8},    {"short long to int", "sl", "i", I_C24TO16},
        {"int to float", "i", "f", I_C16STOF},    {"unsigned to float", "u", "f", I_C16UTOF},
        {"schar to float", "sc", "f", I_C8STOF},  {"ulong to float", "ul", "f", I_C32UTOF},
        {"float to short long", "f", "sl", I_CFTO24}, {"float to char", "f", "uc", I_CFTO8},
        {"near pointer to far", "p", "fp", I_C16TO24U}, {"far pointer to near", "fp", "p", I_C24TO16},
        {"pointer to long", "p", "l", I_C16TO32U}, {"int to unsigned", "i", "ui2", I_IND16RAM16},
    };
    for (const cast_case &c : cases) {
        built b{ll_cast(value(c.from), type_copy(sym(c.to)->type))};
        EXPECT_STREQ(pcodell_get_opcode_name(b.tree->opcode), pcodell_get_opcode_name(c.opcode)) << c.what;
        EXPECT_TRUE(are_types_compatible(b.tree->type, sym(c.to)->type, false)) << c.what;
    }
    std::vector<unsigned> posted =
        diagnostics([&] { pcodellFreeTree(ll_cast(value("p"), type_copy(sym("f")->type))); });
    EXPECT_EQ(posted, std::vector<unsigned>{1514});
}

TEST_F(Lower, ConstantsConvertInPlace)
{
    built narrowed{ll_cast(constant(CT_INT, 300), type_copy(char_type))};
    EXPECT_EQ(narrowed.tree->opcode, I_CNST8);
    EXPECT_EQ(narrowed.tree->constant.value, 44u);
    built extended{ll_cast(constant(CT_SCHAR, 0xFF), ll_get_constant_type(CT_UINT))};
    EXPECT_EQ(extended.tree->opcode, I_CNST16);
    EXPECT_EQ(extended.tree->constant.value, 0xFFFFu);
    built zero_extended{ll_cast(constant(CT_UCHAR, 0xFF), ll_get_constant_type(CT_LONG))};
    EXPECT_EQ(zero_extended.tree->constant.value, 0xFFu);
    built floated{ll_cast(constant(CT_INT, 0xFFFE), type_copy(float_type))};
    EXPECT_EQ(floated.tree->opcode, I_CNSTF);
    EXPECT_EQ(floated.tree->constant.value, get_float_representation(-2.0f));
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

TEST_F(Lower, CallsArgumentsAndReturns)
{
    declare("void v(void); char c(void); long l(void); struct big { long a; long b; } s(void); char x; long y;"
            "struct big agg;");
    struct call_case {
        const char *callee;
        uint32_t opcode;
        uint32_t result_size;
    };
    const call_case calls[] = {{"v", I_CALL, 0}, {"c", I_CALL8, 1}, {"l", I_CALL32, 4}, {"s", I_CALLX, 8}};
    for (const call_case &c : calls) {
        pcodell *arguments = ll_arg(value("x"), false, L, F);
        arguments->right = ll_arg(value("y"), true, L, F);
        arguments->right->right = ll_arg(value("y"), false, L, F);
        arguments->right->right->right = ll_nop_statement(L, F);
        built call{ll_call(ll_ident(sym(c.callee), L, F), arguments, L, F)};
        EXPECT_EQ(call.tree->opcode, c.opcode) << c.callee;
        EXPECT_EQ(call.tree->call.result_size, c.result_size) << c.callee;
        EXPECT_EQ(call.tree->call.arg_bytes, 5u) << "the I_ARGNOP argument is not pushed";
    }
    const uint32_t args[] = {I_ARG8, I_ARG32, I_ARGX};
    const char *values[] = {"x", "y", "agg"};
    for (int i = 0; i < 3; ++i) {
        built arg{ll_arg(value(values[i]), false, L, F)};
        EXPECT_EQ(arg.tree->opcode, args[i]) << values[i];
    }
    built none{ll_return_statement(nullptr, nullptr, L, F)};
    EXPECT_EQ(none.tree->opcode, I_RET);
    ASSERT_NE(none.tree->left, nullptr);
    EXPECT_EQ(none.tree->left->opcode, I_NOP);
    built byte{ll_return_statement(value("x"), nullptr, L, F)};
    EXPECT_EQ(byte.tree->opcode, I_RET8);
    built wide{ll_return_statement(value("agg"), nullptr, L, F)};
    EXPECT_EQ(wide.tree->opcode, I_RETX);
    EXPECT_EQ(wide.tree->ret.size, 8u);
    built control{ll_switch_statement(value("y"), nullptr, L, F)};
    EXPECT_EQ(control.tree->opcode, I_SWITCH32);
}

TEST_F(Lower, FramePointerSize)
{
    stack_multi_bank_flag = 0;
    EXPECT_EQ(ll_get_frame_pointer_size(), 1u);
    stack_multi_bank_flag = 1;
    EXPECT_EQ(ll_get_frame_pointer_size(), 2u);
    stack_multi_bank_flag = 0;
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

TEST_F(Initializers, Scalars)
{
    declare("char c; int i; long l; float f; unsigned char u; short long s;");
    EXPECT_TRUE(lower("c", number(CT_INT, 300)).empty());
    expect_image("c", {D(0x2C)});
    lower("i", number(CT_INT, 0xFFFE));
    expect_image("i", {D(0xFE), D(0xFF)});
    lower("l", number(CT_LONG, 0x12345678));
    expect_image("l", {D(0x78), D(0x56), D(0x34), D(0x12)});
    lower("f", number(CT_INT, 1));
    expect_image("f", {D(0x00), D(0x00), D(0x80), D(0x3F)});
    lower("s", number(CT_SCHAR, 0xFF));
    expect_image("s", {D(0xFF), D(0xFF), D(0xFF)});
    EXPECT_EQ(lower("u", list({number(CT_INT, 5), number(CT_INT, 6)})), std::vector<unsigned>{1218});
    expect_image("u", {D(5)});
}

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

// Run under the leak checker: an error that ends the compilation releases
// the trees that lowering holds.
TEST_F(Initializers, AbortsReleaseWhatLoweringHolds)
{
    declare("int x; char cc; int *pe; struct { char a; } st; float f; char *p;");
    limit_errors();
    initializer *init = item(value("x"));
    EXPECT_THROW(lower("cc", init), compile_abort);
    limit_errors();
    EXPECT_THROW(lower("pe", item(ll_add(ll_ident(sym("x"), L, F), value("x"), L, F))), compile_abort);
    limit_errors();
    EXPECT_THROW(lower("st", number(CT_INT, 1)), compile_abort);
    limit_errors();
    EXPECT_THROW(diagnostics([&] { ll_cast(value("p"), type_copy(sym("f")->type)); }), compile_abort);
}

TEST_F(Initializers, AutomaticObjectsInitializeAtRunTime)
{
    declare("struct p { char x; char y; };");
    tag_record *tag = sym_lookup_tag("p", false);
    typell *struct_type = type_create();
    struct_type->kind = SUE;
    struct_type->detail.tag = tag;
    struct_type->memory = MEMORY_RAM;
    struct_type->range = RANGE_FAR;
    symbol *point = sym_create_symbol("point", struct_type, LINK_NONE, SC_AUTO);
    symbol *count = sym_create_symbol("count", type_copy(int_type), LINK_NONE, SC_AUTO);

    initializer *init = ll_initializer_value(ll_constant(CT_INT, 7, L, F), L, F);
    stmt *statements = ll_process_initializers(count, init, L, F);
    ll_initializer_free(init);
    ASSERT_NE(statements, nullptr);
    EXPECT_EQ(statements->tree->opcode, I_MOV16);
    EXPECT_EQ(statements->tree->left->opcode, I_IND16RAM16);
    EXPECT_EQ(statements->tree->left->left->opcode, I_IDSTK);
    EXPECT_EQ(statements->tree->right->constant.value, 7u);
    EXPECT_EQ(count->initial_data, nullptr);
    stmtFreeList(statements);

    initializer *elements = ll_initializer_value(ll_constant(CT_INT, 1, L, F), L, F);
    elements->next = ll_initializer_value(ll_constant(CT_INT, 2, L, F), L, F);
    init = ll_initializer_list(elements, L, F);
    statements = ll_process_initializers(point, init, L, F);
    ll_initializer_free(init);
    ASSERT_NE(statements, nullptr);
    const pcodell *copy = statements->tree;
    EXPECT_EQ(copy->opcode, I_INITX);
    EXPECT_EQ(copy->left->opcode, I_IDSTK);
    EXPECT_EQ(copy->size, 2u);
    ASSERT_NE(copy->init, nullptr);
    EXPECT_EQ(copy->init->value, 1u);
    EXPECT_EQ(copy->init->next->value, 2u);
    EXPECT_EQ(copy->init->next->next, nullptr);
    EXPECT_EQ(point->initial_data, nullptr);
    stmtFreeList(statements);
}

} // namespace
