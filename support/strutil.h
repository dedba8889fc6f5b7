// Small string and number helpers shared by every stage.
#pragma once
#include <cstdint>

// Appends `text` to a heap buffer grown in blocks of 512 bytes; a null buffer
// starts empty.  Returns the possibly moved buffer.
char *strcatdyn(char *buffer, const char *text);

// Removes leading and trailing white space in place.
char *strstrip(char *text);

// The target's float has the host's IEEE 754 single-precision layout.
uint32_t get_float_representation(float value);
