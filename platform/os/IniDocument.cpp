#include "platform/os/IniDocument.h"

#include <cctype>

namespace nuro {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s)
{
    const char* ws = " \t\r";
    auto b = s.find_first_not_of(ws);
    if (b == std::string_view::npos)
        return {};
    auto e = s.find_last_not_of(ws);
    return s.substr(b, e - b + 1);
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (std::tolower(x) != std::tolower(y))
            return false;
    }
    return true;
}

// "[name]" gives name; anything else is no section header.
std::optional<std::string_view> SectionOf(std::string_view line)
{
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

// "key=value" gives key; comments and other lines give nothing.
std::optional<std::string_view> KeyOf(std::string_view line)
{
    std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#' || t.front() == '[')
        return std::nullopt;
    auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(0, eq));
}

std::string ValueOf(std::string_view line)
{
    std::string_view v = Trim(line.substr(line.find('=') + 1));
    // The Windows service drops one pair of surrounding quotes; keep files written there readable.
    if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\'')))
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

} // namespace

IniDocument IniDocument::Parse(std::string_view text)
{
    IniDocument doc;
    if (text.starts_with(kByteOrderMark)) {
        doc.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    doc.endsWithNewline_ = text.empty() || text.back() == '\n';
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        doc.lines_.emplace_back(line);
        start = end + 1;
    }
    return doc;
}

std::optional<std::size_t> IniDocument::Find(std::string_view section, std::string_view key) const
{
    // A reader that did not know the byte-order mark saw no section in the file's first line, and a
    // save then added the section again further down: the keys there are the ones in use, so they are
    // looked up first, and the marked section only for what they lack.
    for (const bool markedHeaderCounts : {!byteOrderMark_, true}) {
        bool inSection = false;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (auto name = SectionOf(lines_[i])) {
                inSection = (i > 0 || markedHeaderCounts) && EqualNoCase(*name, section);
                continue;
            }
            if (!inSection)
                continue;
            if (auto k = KeyOf(lines_[i]); k && EqualNoCase(*k, key))
                return i;
        }
        if (markedHeaderCounts)
            break;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const
{
    if (auto line = Find(section, key))
        return ValueOf(lines_[*line]);
    return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    // Each line keeps its own ending; a new line takes the ending of the line it follows.
    auto endingOf = [this](std::size_t i) {
        return !lines_[i].empty() && lines_[i].back() == '\r' ? std::string("\r") : std::string();
    };
    const std::string newLine = std::string(key) + "=" + std::string(value);
    if (auto line = Find(section, key)) {
        lines_[*line] = newLine + endingOf(*line);
        return;
    }
    bool inSection = false;
    std::optional<std::size_t> lastInSection; // last key line of the section, to append after it
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (auto name = SectionOf(lines_[i])) {
            inSection = EqualNoCase(*name, section);
            if (inSection && !lastInSection)
                lastInSection = i;
            continue;
        }
        if (inSection && KeyOf(lines_[i]))
            lastInSection = i;
    }
    if (!lastInSection) {
        std::string ending;
        for (std::size_t i = lines_.size(); i-- > 0;) {
            if (!Trim(lines_[i]).empty()) {
                ending = endingOf(i);
                break;
            }
        }
        if (!lines_.empty() && !Trim(lines_.back()).empty())
            lines_.push_back(ending);
        std::string header(1, '[');
        header.append(section).append("]").append(ending);
        lines_.push_back(std::move(header));
        lines_.push_back(newLine + ending);
        endsWithNewline_ = true;
        return;
    }
    const std::string ending = endingOf(*lastInSection);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*lastInSection) + 1, newLine + ending);
}

std::string IniDocument::Text() const
{
    std::string text = byteOrderMark_ ? std::string(kByteOrderMark) : std::string();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        text += lines_[i];
        if (i + 1 < lines_.size() || endsWithNewline_)
            text += '\n';
    }
    return text;
}

} // namespace nuro
