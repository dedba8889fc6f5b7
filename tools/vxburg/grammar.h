// The tree grammar as the generator reads it: nonterminals in their fixed
// numbering, and rules in grammar order with their patterns, costs and
// actions.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

// A pattern node: an operator with its sub-patterns, or a nonterminal leaf.
struct pattern {
    std::string name;
    bool is_operator = false;
    std::vector<std::unique_ptr<pattern>> kids;
};

struct rule {
    int number = 0;
    int lhs = 0;                 // nonterminal number
    std::unique_ptr<pattern> tree;
    std::string cost;            // a number or a C++ expression over the root node `p`
    std::string actions[3];      // routine names by phase, empty when none
    std::string text;            // "lhs: pattern" without blanks
    std::string where;           // file:line, for messages
    bool is_chain() const { return !tree->is_operator; }
};

struct grammar {
    std::vector<std::string> prologue;             // C++ copied ahead of the generated code
    std::vector<std::string> unlabelled;           // operators that never reach the labeller
    std::vector<std::string> nonterminals;         // index + 1 is the number
    std::map<std::string, int> nonterminal_number;
    std::vector<rule> rules;                       // index + 1 is the rule number
};

// Reads and checks a grammar; on a fault prints "file:line: message" to
// standard error and returns false.
bool read_grammar(const char *path, grammar *g);
