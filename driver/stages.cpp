// The stages of one compilation in their fixed order, and the points where
// the front end joins the run.  Each stage runs only while no error has
// been posted; a fatal diagnostic or the error limit throws past the rest.
#include "driver/driver.h"
#include "support/vxassert.h"

void stage_config_initialize()
{
    // The configuration pragma selects the device's tables here.
}

void stage_config_help()
{
    // The configuration pragma lists the device's settings here.
}

void stage_begin_parse()
{
    // The parser opens its file scope here.
}

void stage_end_parse()
{
    // The parser closes its file scope here.
}

void run_compilation_stages()
{
    // Parsing, translation and code generation plug in here.
    show_assert_lineno = 0;
}
