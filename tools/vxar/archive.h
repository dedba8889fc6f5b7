// Object libraries: archives of COFF objects that the linker searches by
// symbol, taking a member only when it defines something still undefined.
//
// The file is lines of text around the members' raw bytes.  Every line ends
// in one line feed; numbers are decimal, without sign or leading zeros.
//
//   Lumex Tarn archive 1
//   member SIZE NAME           one such line per member, followed at once
//   ...SIZE bytes...           by exactly SIZE bytes: the object file
//   index COUNT
//   NUMBER SYMBOL              COUNT lines: each external symbol that a
//   ...                        member defines, with the member's number,
//                              counted from 1 in file order
//   end
//
// NAME is the object's file name without its directories and is unique in
// the archive.  NAME and SYMBOL run to the end of their line, so they may
// hold blanks but neither a line feed nor a NUL.  Nothing follows "end".
//
// The index comes after the members because the writer learns the symbols
// by reading them; the size in each member line lets a reader step over the
// bytes to reach the index, and then read only the members that it needs.
#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "object/coff.h"

constexpr char ARCHIVE_MAGIC[] = "Lumex Tarn archive 1\n";

struct archive_member {
    std::string name;
    uint64_t offset = 0; // where its bytes start in the file
    uint64_t size = 0;
};

struct archive_symbol {
    std::string name;
    unsigned member = 0; // position in archive::members
};

// An archive as a reader sees it: the member lines and the index, in file
// order, without the members' bytes.
struct archive {
    std::string path;
    std::vector<archive_member> members;
    std::vector<archive_symbol> index;
};

// One member to be written.
struct archive_input {
    std::string name;
    std::vector<uint8_t> bytes;
    std::vector<std::string> symbols; // the external symbols it defines
};

// The external names that an object defines and those that it leaves to
// other objects.
struct object_names {
    std::set<std::string> defined, wanted;
};
object_names object_external_names(const coff_file *coff);

// True when the file exists and starts with the magic line.
bool archive_has_magic(const char *path);

// Reads the member lines and the index of an archive; on failure `error`
// says why, without the file name.
bool archive_open(const char *path, archive *out, std::string *error);

// Reads the bytes of one member from the archive's file.
bool archive_member_bytes(const archive &library, unsigned member, std::vector<uint8_t> *bytes,
                          std::string *error);

// The whole archive file of these members, in this order; false with a
// reason when a name or a symbol cannot be stored.
bool archive_serialize(const std::vector<archive_input> &members, std::vector<uint8_t> *bytes,
                       std::string *error);

// Writes the bytes under a temporary name beside `path` and renames that
// over `path`, so that a failure never leaves a partial archive.
bool archive_store(const char *path, const std::vector<uint8_t> &bytes, std::string *error);
