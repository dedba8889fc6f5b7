// Interned identifiers.  Every identifier spelling maps to one `Ident`, so
// macro lookup and directive-name dispatch are pointer operations.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>
#include "vexpp/arena.h"

namespace vexpp {

struct Macro;

struct Ident {
    const char *name;
    uint32_t len;
    uint32_t hash;
    Macro *macro = nullptr; // the current definition, or null
    bool disabled = false;  // its expansion is being rescanned
};

uint32_t hash_spelling(const char *text, uint32_t len);

class IdentTable {
public:
    IdentTable();
    Ident *intern(const char *text, uint32_t len, uint32_t hash);
    Ident *intern(const char *text, uint32_t len) { return intern(text, len, hash_spelling(text, len)); }
    Ident *intern(const char *text);

private:
    void grow();

    Arena names_;
    std::vector<Ident *> slots_; // open addressing, power-of-two size
    std::vector<std::unique_ptr<Ident[]>> blocks_;
    size_t block_used_ = 0;
    size_t count_ = 0;
};

} // namespace vexpp
