#include "vexpp/ident.h"
#include <cstring>

namespace vexpp {

namespace {
constexpr size_t IDENT_BLOCK = 1024;
}

// FNV-1a: the lexer computes the same value while it scans an identifier.
uint32_t hash_spelling(const char *text, uint32_t len) {
    uint32_t h = 2166136261u;
    for (uint32_t i = 0; i < len; ++i)
        h = (h ^ static_cast<unsigned char>(text[i])) * 16777619u;
    return h;
}

IdentTable::IdentTable() : slots_(4096, nullptr) {}

Ident *IdentTable::intern(const char *text) { return intern(text, static_cast<uint32_t>(strlen(text))); }

Ident *IdentTable::intern(const char *text, uint32_t len, uint32_t hash) {
    size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        Ident *id = slots_[i];
        if (!id)
            break;
        if (id->hash == hash && id->len == len && memcmp(id->name, text, len) == 0)
            return id;
    }
    if ((count_ + 1) * 2 > slots_.size()) {
        grow();
        mask = slots_.size() - 1;
    }
    if (blocks_.empty() || block_used_ == IDENT_BLOCK) {
        blocks_.emplace_back(new Ident[IDENT_BLOCK]);
        block_used_ = 0;
    }
    Ident *id = &blocks_.back()[block_used_++];
    id->name = names_.copy(text, len);
    id->len = len;
    id->hash = hash;
    size_t i = hash & mask;
    while (slots_[i])
        i = (i + 1) & mask;
    slots_[i] = id;
    ++count_;
    return id;
}

void IdentTable::grow() {
    std::vector<Ident *> old(slots_.size() * 2, nullptr);
    old.swap(slots_);
    size_t mask = slots_.size() - 1;
    for (Ident *id : old) {
        if (!id)
            continue;
        size_t i = id->hash & mask;
        while (slots_[i])
            i = (i + 1) & mask;
        slots_[i] = id;
    }
}

} // namespace vexpp
