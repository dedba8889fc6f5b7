#include "tools/vxar/archive.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "support/platform.h"

namespace {

constexpr size_t MAGIC_LENGTH = sizeof ARCHIVE_MAGIC - 1;

// The file read line by line, its position counted so that messages can
// point into a file whose members' bytes make line numbers meaningless.
struct line_reader {
    FILE *file;
    uint64_t size;
    uint64_t at = 0;

    // False when the file ends before a line feed.
    bool next(std::string *line)
    {
        line->clear();
        for (int c; (c = std::fgetc(file)) != EOF;) {
            at++;
            if (c == '\n')
                return true;
            line->push_back(char(c));
        }
        return false;
    }

    bool skip(uint64_t count)
    {
        if (fseeko(file, off_t(at + count), SEEK_SET) != 0)
            return false;
        at += count;
        return true;
    }
};

std::string s_at(uint64_t offset)
{
    return "at byte " + std::to_string(offset) + ": ";
}

// A number as the format writes it: decimal digits without leading zeros.
bool s_number(const std::string &text, uint64_t *value)
{
    if (text.empty() || text.size() > 19 || (text[0] == '0' && text.size() > 1))
        return false;
    uint64_t result = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        result = result * 10 + uint64_t(c - '0');
    }
    *value = result;
    return true;
}

// Splits "KEYWORD NUMBER[ REST]"; `rest` is null where nothing may follow.
bool s_fields(const std::string &line, const char *keyword, uint64_t *number, std::string *rest)
{
    std::string prefix = keyword ? std::string(keyword) + " " : "";
    if (line.compare(0, prefix.size(), prefix) != 0)
        return false;
    size_t blank = line.find(' ', prefix.size());
    if ((blank == std::string::npos) != (rest == nullptr))
        return false;
    if (rest)
        *rest = line.substr(blank + 1);
    return s_number(line.substr(prefix.size(), blank - prefix.size()), number);
}

bool s_storable(const std::string &text)
{
    return !text.empty() && text.find_first_of(std::string("\n\0", 2)) == std::string::npos;
}

bool s_read_contents(line_reader *in, archive *out, std::string *error)
{
    std::string line;
    char magic[MAGIC_LENGTH];
    if (std::fread(magic, 1, MAGIC_LENGTH, in->file) != MAGIC_LENGTH ||
        std::memcmp(magic, ARCHIVE_MAGIC, MAGIC_LENGTH) != 0) {
        *error = "not an archive (it does not start with the line '" +
                 std::string(ARCHIVE_MAGIC, MAGIC_LENGTH - 1) + "')";
        return false;
    }
    in->at = MAGIC_LENGTH;
    std::set<std::string> names;
    uint64_t count = 0;
    for (;;) {
        uint64_t start = in->at;
        if (!in->next(&line)) {
            *error = s_at(start) + "the file ends before the symbol index";
            return false;
        }
        if (s_fields(line, "index", &count, nullptr))
            break;
        archive_member member;
        if (!s_fields(line, "member", &member.size, &member.name) || !s_storable(member.name)) {
            *error = s_at(start) + "expected 'member SIZE NAME' or 'index COUNT'";
            return false;
        }
        if (!names.insert(member.name).second) {
            *error = s_at(start) + "a second member named '" + member.name + "'";
            return false;
        }
        member.offset = in->at;
        if (member.size > in->size - in->at || !in->skip(member.size)) {
            *error = "member '" + member.name + "' of " + std::to_string(member.size) +
                     " bytes runs past the end of the file";
            return false;
        }
        out->members.push_back(member);
    }
    for (uint64_t i = 0; i < count; i++) {
        uint64_t start = in->at;
        archive_symbol symbol;
        uint64_t number = 0;
        if (!in->next(&line)) {
            *error = s_at(start) + "the file ends inside the symbol index";
            return false;
        }
        if (!s_fields(line, nullptr, &number, &symbol.name) || !s_storable(symbol.name)) {
            *error = s_at(start) + "expected an index entry 'NUMBER SYMBOL'";
            return false;
        }
        if (number < 1 || number > out->members.size()) {
            *error = s_at(start) + "symbol '" + symbol.name + "' names member " +
                     std::to_string(number) + " of " + std::to_string(out->members.size());
            return false;
        }
        symbol.member = unsigned(number - 1);
        out->index.push_back(symbol);
    }
    uint64_t start = in->at;
    if (!in->next(&line) || line != "end") {
        *error = s_at(start) + "expected the line 'end' after the symbol index";
        return false;
    }
    if (in->at != in->size) {
        *error = s_at(in->at) + "more bytes after the line 'end'";
        return false;
    }
    return true;
}

} // namespace

object_names object_external_names(const coff_file *coff)
{
    object_names names;
    const std::vector<coff_symbol> &symbols = coff->symbols;
    for (size_t i = 0; i < symbols.size(); i += 1 + size_t(uint8_t(symbols[i].sym.n_numaux))) {
        const coff_syment &sym = symbols[i].sym;
        if (sym.n_sclass != C_EXT || sym.n_scnum == N_DEBUG)
            continue;
        std::string name = coff_symbol_name(coff, &sym);
        (sym.n_scnum == N_UNDEF ? names.wanted : names.defined).insert(name);
    }
    return names;
}

bool archive_has_magic(const char *path)
{
    FILE *file = host_fopen(path, "rb");
    if (!file)
        return false;
    char magic[MAGIC_LENGTH];
    bool found = std::fread(magic, 1, MAGIC_LENGTH, file) == MAGIC_LENGTH &&
                 std::memcmp(magic, ARCHIVE_MAGIC, MAGIC_LENGTH) == 0;
    std::fclose(file);
    return found;
}

bool archive_open(const char *path, archive *out, std::string *error)
{
    *out = archive{};
    out->path = path;
    FILE *file = host_fopen(path, "rb");
    if (!file) {
        *error = std::string("cannot open: ") + std::strerror(errno);
        return false;
    }
    line_reader in{file, 0};
    off_t size = -1;
    if (fseeko(file, 0, SEEK_END) == 0)
        size = ftello(file);
    bool ok = size >= 0 && fseeko(file, 0, SEEK_SET) == 0;
    if (!ok)
        *error = std::string("cannot read: ") + std::strerror(errno);
    in.size = uint64_t(size);
    ok = ok && s_read_contents(&in, out, error);
    if (ok && std::ferror(file)) {
        *error = "cannot read: input error";
        ok = false;
    }
    std::fclose(file);
    return ok;
}

bool archive_member_bytes(const archive &library, unsigned member, std::vector<uint8_t> *bytes,
                          std::string *error)
{
    const archive_member &entry = library.members.at(member);
    FILE *file = host_fopen(library.path.c_str(), "rb");
    if (!file) {
        *error = "cannot open: " + std::string(std::strerror(errno));
        return false;
    }
    bytes->resize(entry.size);
    bool ok = fseeko(file, off_t(entry.offset), SEEK_SET) == 0 &&
              std::fread(bytes->data(), 1, entry.size, file) == entry.size;
    std::fclose(file);
    if (!ok)
        *error = "cannot read member '" + entry.name + "': the file has changed or is cut short";
    return ok;
}

bool archive_serialize(const std::vector<archive_input> &members, std::vector<uint8_t> *bytes,
                       std::string *error)
{
    bytes->assign(ARCHIVE_MAGIC, ARCHIVE_MAGIC + MAGIC_LENGTH);
    auto append = [&](const std::string &text) { bytes->insert(bytes->end(), text.begin(), text.end()); };
    std::set<std::string> names;
    std::string index;
    size_t count = 0;
    for (size_t m = 0; m < members.size(); m++) {
        const archive_input &member = members[m];
        if (!s_storable(member.name)) {
            *error = "a member name must not be empty nor hold a line feed or a NUL";
            return false;
        }
        if (!names.insert(member.name).second) {
            *error = "two members are named '" + member.name + "'";
            return false;
        }
        append("member " + std::to_string(member.bytes.size()) + " " + member.name + "\n");
        bytes->insert(bytes->end(), member.bytes.begin(), member.bytes.end());
        for (const std::string &symbol : member.symbols) {
            if (!s_storable(symbol)) {
                *error = "member '" + member.name +
                         "' defines a symbol that is empty or holds a line feed or a NUL";
                return false;
            }
            index += std::to_string(m + 1) + " " + symbol + "\n";
            count++;
        }
    }
    append("index " + std::to_string(count) + "\n" + index + "end\n");
    return true;
}

bool archive_store(const char *path, const std::vector<uint8_t> &bytes, std::string *error)
{
    std::string target = host_path(path);
    std::string temporary;
    int fd = -1;
    for (unsigned attempt = 0; fd < 0 && attempt < 100; attempt++) {
        temporary = target + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        *error = "cannot create a temporary file beside it: " + std::string(std::strerror(errno));
        return false;
    }
    int failure = 0;
    for (size_t done = 0; done < bytes.size() && !failure;) {
        ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote > 0)
            done += size_t(wrote);
        else if (wrote == 0)
            failure = ENOSPC;
        else if (errno != EINTR)
            failure = errno;
    }
    if (close(fd) != 0 && !failure)
        failure = errno;
    if (!failure && std::rename(temporary.c_str(), target.c_str()) != 0)
        failure = errno;
    if (failure) {
        std::remove(temporary.c_str());
        *error = std::strerror(failure);
        return false;
    }
    return true;
}
