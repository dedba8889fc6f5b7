// Names that many records share for the whole run, such as source file
// names: one copy of each, kept until the process ends, so that records
// hold the pointer instead of a copy of their own.
#pragma once

const char *intern_name(const char *text); // null stays null; null when memory runs out
