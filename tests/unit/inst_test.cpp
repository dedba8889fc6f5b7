#include "codegen/inst.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "codegen_support.h"

namespace {

// The printed form of an instruction grows with its operands instead of
// being cut at a fixed width.
using InstPrint = CodegenTest;

TEST_F(InstPrint, HoldsLongNames)
{
    std::string name(600, 'v');
    symbol *v = variable(name.c_str(), RANGE_FAR);
    inst *i = iVx_LADDRH(v, 70000);
    EXPECT_EQ(std::string(inst_print(i)), "movlw high( " + name + " + 70000 )");
    free(i);
}

} // namespace
