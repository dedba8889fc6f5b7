// The compiler shell: one command from C files to a program, and optionally
// a run of it in the simulator.
#pragma once
#include <string>
#include <vector>

enum vexcc_input_kind { INPUT_SOURCE, INPUT_OBJECT, INPUT_ARCHIVE };

struct vexcc_input {
    std::string path;
    vexcc_input_kind kind;
};

struct vexcc_options {
    std::vector<std::string> compiler; // vexc options in the order given, gcc-like levels translated
    std::string processor;             // also for vxlink and vxsim
    std::string stack;                 // vxlink --stack
    std::string cycles;                // vxsim --cycles
    std::vector<vexcc_input> inputs;   // in command-line order, which is the link order
    std::string output;
    std::string map;
    bool compile_only = false;
    bool run = false;
    bool verbose = false;
    bool help = false;
};

// Fills `options` from the arguments after the program name.  Returns an
// empty string when the command line is good, else the complaint.
std::string vexcc_parse(const std::vector<std::string> &args, vexcc_options *options);

// The whole command: returns the exit status.
int vexcc_main(int argc, char **argv);
