// The INI text model: a file's text kept line by line, keys read and set without disturbing the rest.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuro {

// An INI text kept line by line, so that rewriting keys leaves comments, order, other sections and
// unknown keys exactly as they were. Section and key names match case-insensitively. A UTF-8 byte-order
// mark and CRLF, LF or mixed line endings read alike and are written back as they were.
class IniDocument {
public:
    static IniDocument Parse(std::string_view text);
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    std::string Text() const;

private:
    std::optional<std::size_t> Find(std::string_view section, std::string_view key) const;

    std::vector<std::string> lines_; // each with its own '\r' where the file has one
    bool endsWithNewline_ = true;
    bool byteOrderMark_ = false; // the text began with one: it is written back
};

} // namespace nuro
