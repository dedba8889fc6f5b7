// vexcc: compiles, links and runs VxCORE C programs with vexc, vxlink and vxsim.
#include "tools/vexcc/vexcc.h"

int main(int argc, char **argv) { return vexcc_main(argc, argv); }
