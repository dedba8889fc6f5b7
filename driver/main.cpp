#include "driver/driver.h"

int main(int argc, char **argv) { return compiler_main(argc, const_cast<const char **>(argv)); }
