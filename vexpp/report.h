// Where preprocessor diagnostics are reported: the table of file names that
// tokens refer to by index, and posting a numbered diagnostic at a file and
// line of that table.
#pragma once
#include <cstdint>
#include <string>

namespace vexpp {

// The index of `name` in the file-name table, entering it the first time.
uint32_t file_id(const std::string &name);
const std::string &file_name(uint32_t id);

// Sets the reported position and posts diagnostic `number`.  May throw
// `compile_abort` (fatal diagnostics, the error limit).
void report(uint32_t file, uint32_t line, unsigned number, ...);

} // namespace vexpp
