// Allocation for the translation records: zero-filled, and out of memory
// posts the fatal diagnostic instead of returning null.
#pragma once
#include <cstddef>

void *trn_alloc(size_t size);
char *trn_strdup(const char *text); // null stays null
const char *trn_intern(const char *text); // the run-long copy; null stays null

template <typename T> T *trn_new() { return static_cast<T *>(trn_alloc(sizeof(T))); }
