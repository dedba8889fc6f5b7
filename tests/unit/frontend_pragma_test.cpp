// Pragmas as the scanner hands them on: the diagnostics of malformed ones
// and the configuration settings of a device.
#include "frontend/pragma.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/options.h"
#include "frontend/lexer.h"
#include "frontend/parser.h"
#include "frontend/pragma_config.h"
#include "support/position.h"
#include "target/procdb.h"

namespace {

struct outcome {
    bool produced = false;
    pragma_record record{};
    std::string output;   // diagnostics
    int next_token = -1;  // the token after the directive's line
    unsigned errors = 0;
    unsigned warnings = 0;
};

outcome run(const char *source)
{
    maxerror = 100000;
    outcome o;
    unsigned errors = get_error_count(), warnings = get_warning_count();
    snprintf(yyfilename, sizeof yyfilename, "%s", "unit.c");
    yyinitparse();
    lex_scan_string(source);
    yylineno = 1;
    testing::internal::CaptureStdout();
    int token = yylex();
    if (token == TK_PRAGMA) {
        o.produced = true;
        o.record = lex_value().pragma;
        token = yylex();
    }
    o.next_token = token;
    if (token > 0)
        token_value_free(token, &lex_value());
    o.output = testing::internal::GetCapturedStdout();
    yyuninitparse();
    o.errors = get_error_count() - errors;
    o.warnings = get_warning_count() - warnings;
    return o;
}

struct failing_case {
    const char *source;
    const char *message;
    unsigned errors;
    unsigned warnings;
};

const failing_case failing_cases[] = {
    {"#pragma udata access access mydata\ny", "[1014] redundant attribute specifier declaring section 'mydata'", 1, 0},
    {"#pragma udata overlay overlay\ny", "[1014] redundant attribute specifier declaring section 'udata'", 1, 0},
    {"#pragma udata mydata = name\ny", "[1013] error in pragma directive", 1, 0},
    {"#pragma code a b\ny", "[1013] error in pragma directive", 1, 0},
    {"#pragma tmpdata t 5\ny", "[1013] error in pragma directive", 1, 0},
    {"#pragma interrupt\ny", "[1018] function name expected in 'interrupt' pragma", 1, 0},
    {"#pragma interrupt isr save PROD\ny", "[1002] syntax error, '=' expected", 1, 0},
    {"#pragma interrupt isr save=section(\"a\"\ny", "[1002] syntax error, ')' expected", 1, 0},
    {"#pragma interrupt isr save=section(x)\ny", "[1002] syntax error, 'string constant' expected", 1, 0},
    {"#pragma interrupt isr save=\ny", "[1017] symbol name expected in 'interrupt' pragma", 1, 0},
    {"#pragma interrupt isr save=a,\ny", "[1017] symbol name expected in 'interrupt' pragma", 1, 0},
    {"#pragma interrupt isr save=a 5\ny", "[1020] unexpected input following 'interrupt'", 1, 0},
    {"#pragma interrupt isr save=PROD nosave=PRODH\ny",
     "[1228] PRODH cannot be specified in both interrupt save= and nosave= clauses", 1, 0},
    {"#pragma varlocate x y\ny", "[1013] error in pragma directive", 1, 0},
    {"#pragma config OSC=HS\ny", "[1227] cannot specify #pragma config directive when compiling for generic device", 1, 0},
    {"#pragma optimize fast\ny", "[2002] unknown pragma 'optimize'", 0, 1},
    {"#pragma 42\ny", "[2002] unknown pragma '42'", 0, 1},
};

TEST(FrontendPragma, MalformedPragmasAreDiagnosedAndSkipped)
{
    for (const failing_case &c : failing_cases) {
        outcome o = run(c.source);
        EXPECT_FALSE(o.produced) << c.source;
        EXPECT_NE(o.output.find(c.message), std::string::npos) << c.source << "\n" << o.output;
        EXPECT_EQ(o.errors, c.errors) << c.source;
        EXPECT_EQ(o.warnings, c.warnings) << c.source;
        EXPECT_EQ(o.next_token, TK_IDENTIFIER) << c.source;
    }
}

// The settings a config pragma took, in source order, as "NAME=VALUE".
std::vector<std::string> s_choices(const pragma_record &record)
{
    std::vector<std::string> names;
    for (const config_choice *choice = record.settings; choice; choice = choice->next)
        names.insert(names.begin(), std::string(choice->setting->name) + "=" + choice->value->name);
    return names;
}

struct config_case {
    const char *source;
    std::vector<std::string> choices; // taken before any error
    const char *message;              // empty when none
};

const config_case config_cases[] = {
    {"#pragma config CLKSRC=XTAL, CLKGUARD = ON\ny", {"CLKSRC=XTAL", "CLKGUARD=ON"}, ""},
    {"#pragma config WDSCALE=D16,\ny", {"WDSCALE=D16"}, ""},
    {"#pragma config clksrc=XTAL\ny", {}, "[1224] configuration setting 'clksrc' not recognized"},
    {"#pragma config VDROP=ON, CLKSRC=XTAL\ny", {},
     "[1225] configuration value 'ON' not recognized for configuration setting 'VDROP'"},
    {"#pragma config CLKSRC=XTAL, VDROP\ny", {"CLKSRC=XTAL"}, "[1002] syntax error, '=' expected"},
    {"#pragma config CLKSRC=XTAL CLKGUARD=ON\ny", {}, "[1002] syntax error, ',' expected"},
    {"#pragma config PWRDELAY=\ny", {},
     "[1225] configuration value '' not recognized for configuration setting 'PWRDELAY'"},
};

// Runs with a device that has configuration registers, fresh from its defaults.
class ConfigPragma : public testing::Test {
protected:
    void SetUp() override
    {
        saved_processor = processor;
        ASSERT_TRUE(convertDvsProcName("61C3306", &processor));
        generic_processor_flag = 0;
        pragma_config_initialize();
    }
    void TearDown() override
    {
        generic_processor_flag = 1;
        processor = saved_processor;
        pragma_config_initialize();
    }
    int saved_processor = 0;
};

TEST_F(ConfigPragma, SettingsOfTheSelectedDevice)
{
    for (const config_case &c : config_cases) {
        outcome o = run(c.source);
        EXPECT_EQ(o.produced, !c.choices.empty()) << c.source;
        if (o.produced) {
            EXPECT_EQ(s_choices(o.record), c.choices) << c.source;
            pragma_record_free(&o.record);
        }
        EXPECT_EQ(o.errors, *c.message ? 1u : 0u) << c.source;
        EXPECT_NE(o.output.find(c.message), std::string::npos) << c.source << "\n" << o.output;
        EXPECT_EQ(o.next_token, TK_IDENTIFIER) << c.source;
    }
}

// Each choice replaces only its setting's bits; a setting whose bits were
// all given before is refused and leaves the register as it was.
TEST_F(ConfigPragma, ChoicesMergeIntoTheirRegister)
{
    auto choose = [](const char *setting, const char *value) {
        config_choice *choice = s_locate_setting(setting);
        EXPECT_TRUE(choice && s_locate_value(choice, value)) << setting;
        bool applied = s_set_config_value(choice);
        config_choice_free(choice);
        return applied;
    };
    ASSERT_EQ(number_of_config_bytes, 6u);
    config_register &clock = config_bytes[0];
    EXPECT_EQ(clock.address, 0x300000u);
    EXPECT_EQ(clock.value, 0x07);
    EXPECT_TRUE(choose("CLKSRC", "XTAL"));
    EXPECT_TRUE(choose("CLKGUARD", "ON"));
    EXPECT_EQ(clock.value, 0x12);
    EXPECT_EQ(clock.specified, 0x1F);
    EXPECT_FALSE(choose("CLKSRC", "INTRC"));
    EXPECT_EQ(clock.value, 0x12);
    EXPECT_TRUE(choose("DEBUGGER", "ON"));
    EXPECT_EQ(config_bytes[3].value, 0x02);
    EXPECT_EQ(config_bytes[1].specified, 0);

    pragma_config_initialize();
    EXPECT_EQ(clock.value, 0x07);
    EXPECT_EQ(clock.specified, 0);
}

TEST(FrontendPragma, NosaveWarnings)
{
    struct {
        const char *source;
        const char *message;
    } cases[] = {
        {"#pragma interrupt isr nosave=FSR1\n", "[2077] FSR1 is not a valid compiler managed resource for use in the interrupt nosave list"},
        {"#pragma interrupt isr nosave=FSR2\n", "[2077] FSR2 is not a valid compiler managed resource for use in the interrupt nosave list"},
        {"#pragma interrupt isr nosave=section(\"other\")\n", "[2077] other is not a valid compiler managed resource"},
        {"#pragma interrupt isr nosave=WREG\n", "[2076] WREG ignored in the interrupt nosave list, as it is preserved via shadow register"},
        {"#pragma interrupt isr nosave=STATUS\n", "[2076] STATUS ignored"},
    };
    for (const auto &c : cases) {
        outcome o = run(c.source);
        ASSERT_TRUE(o.produced) << c.source << o.output;
        EXPECT_NE(o.output.find(c.message), std::string::npos) << c.source << "\n" << o.output;
        EXPECT_EQ(o.warnings, 1u) << c.source;
        for (int i = 0; i < NOSAVE_FLAG_COUNT; ++i)
            EXPECT_EQ(o.record.nosave[i], 0) << c.source << i;
        pragma_record_free(&o.record);
    }
    // A low-priority interrupt has no shadow registers: WREG is taken.
    outcome o = run("#pragma interruptlow isr nosave=WREG, BSR\n");
    ASSERT_TRUE(o.produced);
    EXPECT_EQ(o.output, "");
    EXPECT_EQ(o.record.nosave[NOSAVE_WREG], 1);
    EXPECT_EQ(o.record.nosave[NOSAVE_BSR], 1);
    pragma_record_free(&o.record);
}

} // namespace
