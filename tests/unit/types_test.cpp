#include "translate/types.h"

#include <gtest/gtest.h>

#include <string>

#include "translate_support.h"

namespace {

using Types = TranslateTest;

struct size_case {
    const char *source;
    const char *name;
    uint32_t size;
};

TEST_F(Types, SizesOfDeclarations)
{
    const size_case cases[] = {
        {"char c;", "c", 1},
        {"unsigned char uc;", "uc", 1},
        {"short s;", "s", 2},
        {"int i;", "i", 2},
        {"short long sl;", "sl", 3},
        {"unsigned short long usl;", "usl", 3},
        {"long long ll;", "ll", 4},
        {"float f;", "f", 4},
        {"double d;", "d", 4},
        {"long double ld;", "ld", 4},
        {"char *p;", "p", 2},
        {"rom char *pr;", "pr", 2},
        {"rom near char *pn;", "pn", 2},
        {"rom far char *pf;", "pf", 3},
        {"ram far char * rom far q;", "q", 2},
        {"int a[10];", "a", 20},
        {"long m[3][2];", "m", 24},
        {"void (*fp)(void);", "fp", 2},
        {"far void (*ffp)(void);", "ffp", 3},
        {"struct s { char a; long b; } x;", "x", 5},
    };
    for (const size_case &c : cases) {
        EXPECT_TRUE(declare(c.source).empty()) << c.source;
        ASSERT_NE(type_of(c.name), nullptr) << c.source;
        EXPECT_EQ(ll_sizeof_type(type_of(c.name)), c.size) << c.source;
    }
}

struct diagnostic_case {
    const char *source;
    std::vector<unsigned> expected;
};

TEST_F(Types, ResolutionDiagnostics)
{
    const diagnostic_case cases[] = {
        {"unsigned signed int a;", {1162}},
        {"signed unsigned int b;", {1162}},
        {"signed signed char c;", {}},
        {"unsigned unsigned d;", {}},
        {"char int e;", {1161}},
        {"void char f;", {1161}},
        {"static g;", {2068}},
        {"const h;", {2068}},
        {"rom ram char i;", {1517}},
        {"near far int j;", {1518}},
        {"int k[0];", {1516}},
        {"int l[-2];", {1516}},
        {"int m[2.5];", {1219}},
        {"void n[3];", {1177}},
        {"enum nowhere o;", {1168}},
        {"struct t1 { int a; }; union t1 p;", {1176}},
        {"ram void q(void);", {1163}},
        {"struct dup { int a; char a; } r;", {1513}},
        {"struct anon { int; } s;", {1169}},
        {"struct fm { int f(void); } t;", {1156}},
        {"struct fb { float x:3; } u;", {1170}},
        {"struct wide { char d:9; } v;", {1171}},
        {"enum E1 { X1 = 5 }; struct ef { enum E1 w:2; } w;", {2104}},
        {"enum E2 { X2 = 3 }; struct eg { enum E2 w:2; } x;", {}},
        {"enum { A3 = 1 }; enum { A3 = 2 };", {1172}},
        {"enum { A4 = 1 }; enum { A4 = 1 };", {}},
        {"int B5; enum { B5 };", {1109}},
        {"enum { C5 = 2.5 } z;", {1219}},
        {"union au { struct { int a; }; char a; } aa;", {1513}},
        {"enum { A6 = -1, B6 = 0x80000000 } y;", {2069}},
        {"struct twice { int a; }; struct twice { int b; };", {1504}},
    };
    for (const diagnostic_case &c : cases)
        EXPECT_EQ(declare(c.source), c.expected) << c.source;
}

TEST_F(Types, InvalidSequencesGiveNoType)
{
    const char *cases[] = {"int f()[3];", "int f()();", "int f[3]();"};
    for (const char *source : cases) {
        EXPECT_EQ(declare(source), std::vector<unsigned>{1166}) << source;
        EXPECT_EQ(type_of("f"), nullptr) << source;
    }
    // A specifier list built by hand: a pointer after a basic specifier.
    typehl *list = new_typehl();
    typehl_append(list, new_typenodehl(TN_CHAR));
    typehl_append(list, new_typenodehl(TN_POINTER));
    typell *type = reinterpret_cast<typell *>(1);
    EXPECT_EQ(diagnostics([&] { type = trnResolveType(list, "t.c", 1); }), std::vector<unsigned>{1166});
    EXPECT_EQ(type, nullptr);
    typehl_free(list);
}

struct member_case {
    const char *member;
    uint32_t offset;
    bool is_bitfield;
    int32_t bit_offset;
    int32_t bit_width;
};

struct layout_case {
    const char *source;
    uint32_t size;
    std::vector<member_case> members;
};

TEST_F(Types, StructLayoutWithBitfields)
{
    const layout_case cases[] = {
        {"struct { char a:3; char b:6; } x;", 2, {{"a", 0, true, 0, 3}, {"b", 1, true, 0, 6}}},
        {"struct { char a:3; char b:5; } x;", 1, {{"a", 0, true, 0, 3}, {"b", 0, true, 3, 5}}},
        {"struct { char c:8; char d:9; } x;", 2, {{"c", 0, false, 0, 0}, {"d", 1, false, 0, 0}}},
        {"struct { char a; int b:3; int c:4; char d; int e:2; } x;",
         4,
         {{"a", 0, false, 0, 0}, {"b", 1, true, 0, 3}, {"c", 1, true, 3, 4}, {"d", 2, false, 0, 0}, {"e", 3, true, 0, 2}}},
        {"struct { unsigned a:1; unsigned :2; unsigned b:5; long c; } x;",
         5,
         {{"a", 0, true, 0, 1}, {"b", 0, true, 3, 5}, {"c", 1, false, 0, 0}}},
    };
    for (const layout_case &c : cases) {
        EXPECT_TRUE(declare(c.source).empty() || c.members.size() == 2) << c.source;
        const typell *x = type_of("x");
        ASSERT_NE(x, nullptr) << c.source;
        ASSERT_EQ(x->kind, SUE);
        const aggregate_definition *definition = x->detail.tag->definition;
        EXPECT_EQ(definition->size, c.size) << c.source;
        for (const member_case &m : c.members) {
            const member_record *member = type_lookup_su_member(definition, m.member);
            ASSERT_NE(member, nullptr) << c.source << " " << m.member;
            EXPECT_EQ(member->offset, m.offset) << c.source << " " << m.member;
            EXPECT_EQ(member->is_bitfield != 0, m.is_bitfield) << c.source << " " << m.member;
            if (m.is_bitfield) {
                EXPECT_EQ(member->bit_offset, m.bit_offset) << c.source << " " << m.member;
                EXPECT_EQ(member->bit_width, m.bit_width) << c.source << " " << m.member;
                EXPECT_TRUE(is_type_char(member->type));
                EXPECT_EQ(member->type->bit_offset, m.bit_offset);
            }
        }
    }
}

struct enum_case {
    const char *values;
    uint32_t code;
};

TEST_F(Types, EnumerationUnderlyingTypeAtEachBoundary)
{
    const enum_case cases[] = {
        {"A = 0", CT_SCHAR},          {"A = 127", CT_SCHAR},         {"A = 128", CT_UCHAR},
        {"A = 255", CT_UCHAR},        {"A = 256", CT_INT},           {"A = 32767", CT_INT},
        {"A = 32768", CT_UINT},       {"A = 65535", CT_UINT},        {"A = 65536", CT_SHORTLONG},
        {"A = 0x7FFFFF", CT_SHORTLONG}, {"A = 0x800000", CT_USHORTLONG}, {"A = 0xFFFFFF", CT_USHORTLONG},
        {"A = 0x1000000", CT_LONG},   {"A = 0x7FFFFFFF", CT_LONG},   {"A = 0x80000000", CT_ULONG},
        {"A = -1", CT_SCHAR},         {"A = -128", CT_SCHAR},        {"A = -129", CT_INT},
        {"A = -32768", CT_INT},       {"A = -32769", CT_SHORTLONG},  {"A = -8388608", CT_SHORTLONG},
        {"A = -8388609", CT_LONG},    {"A = -1, B = 200", CT_INT},   {"A = -1, B = 40000", CT_SHORTLONG},
        {"A = -1, B = 0x800000", CT_LONG}, {"A = -1, B = 100", CT_SCHAR}, {"A = 254, B", CT_UCHAR},
        {"A = 255, B", CT_INT},
    };
    for (const enum_case &c : cases) {
        TearDown();
        SetUp();
        std::string source = std::string("enum { ") + c.values + " } e;";
        EXPECT_TRUE(declare(source.c_str()).empty()) << source;
        const typell *e = type_of("e");
        ASSERT_NE(e, nullptr) << source;
        EXPECT_EQ(type_constant_code(e), c.code) << source;
        EXPECT_NE(e->enum_tag, nullptr);
        symbol *a = sym_lookup_sym("A", LOOKUP_ALL);
        ASSERT_NE(a, nullptr);
        EXPECT_TRUE(a->is_enum_constant);
        EXPECT_EQ(a->enum_value.type, c.code) << source;
    }
}

struct compatibility_case {
    const char *source;
    bool without_qualifiers;
    bool with_qualifiers;
};

TEST_F(Types, Compatibility)
{
    const compatibility_case cases[] = {
        {"int a; int b;", true, true},
        {"int a; unsigned b;", false, false},
        {"short a; int b;", true, true},
        {"const int a; int b;", true, false},
        {"rom int a; int b;", true, false},
        {"char *a; char *b;", true, true},
        {"rom char *a; char *b;", false, false},
        {"const char *a; char *b;", false, false},
        {"int a[3]; int b[5];", true, true},
        {"int a(int); int b(int);", true, true},
        {"int a(int); int b(long);", false, false},
        {"int a(); int b(long);", true, true},
        {"int a(int, ...); int b(int);", false, false},
        {"struct A { int x; } a; struct B { int x; } b;", true, true},
        {"struct C { int x; } a; struct D { int y; } b;", false, false},
        {"struct E { int x; } a; struct F { int x; int y; } b;", false, false},
        {"struct G *a; struct G *b;", true, true},
        {"struct H *a; struct I *b;", false, false},
        {"struct J { int x:3; } a; struct K { int x:4; } b;", false, false},
    };
    for (const compatibility_case &c : cases) {
        TearDown();
        SetUp();
        declare(c.source);
        ASSERT_NE(type_of("a"), nullptr) << c.source;
        ASSERT_NE(type_of("b"), nullptr) << c.source;
        EXPECT_EQ(are_types_compatible(type_of("a"), type_of("b"), false), c.without_qualifiers) << c.source;
        EXPECT_EQ(are_types_compatible(type_of("a"), type_of("b"), true), c.with_qualifiers) << c.source;
    }
}

} // namespace
