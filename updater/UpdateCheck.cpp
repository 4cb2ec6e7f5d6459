#include "UpdateCheck.h"

#include "core/ZoneNames.h"

#include <array>
#include <cctype>
#include <set>
#include <vector>

namespace nuro::updater {
namespace {

enum class Kind { Word, QuotedName, String, Number, Symbol, Comment, Unterminated, Bad };

struct Token {
    Kind kind;
    std::string text; // a word as written, a string's value, a symbol's characters
    std::size_t at = 0; // where it begins in the statement
};

bool WordStart(unsigned char c)
{
    return std::isalpha(c) || c == '_' || c >= 0x80;
}
bool WordChar(unsigned char c)
{
    return std::isalnum(c) || c == '_' || c == '$' || c >= 0x80;
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// SQLite's own token boundaries: whatever SQLite would read as one token is one here, so a text this
// tokenizer takes apart is taken apart the same way by the database.
std::vector<Token> Tokenize(std::string_view s)
{
    std::vector<Token> tokens;
    std::size_t i = 0;
    auto quoted = [&](char close, Kind kind) {
        const std::size_t start = i++;
        std::string value;
        for (;;) {
            if (i >= s.size()) {
                tokens.push_back({Kind::Unterminated, std::string(s.substr(start)), start});
                return false;
            }
            if (s[i] == close) {
                if (close != ']' && i + 1 < s.size() && s[i + 1] == close) { // doubled: one of itself
                    value += close;
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            value += s[i++];
        }
        tokens.push_back({kind, value, start});
        return true;
    };
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
            ++i;
        } else if (c == '-' && i + 1 < s.size() && s[i + 1] == '-') {
            const std::size_t end = s.find('\n', i);
            tokens.push_back({Kind::Comment, {}, i});
            i = end == std::string_view::npos ? s.size() : end;
        } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') {
            // An unclosed comment runs to the end, as SQLite reads it.
            const std::size_t end = s.find("*/", i + 2);
            tokens.push_back({Kind::Comment, {}, i});
            i = end == std::string_view::npos ? s.size() : end + 2;
        } else if (c == '\'') {
            if (!quoted('\'', Kind::String))
                break;
        } else if (c == '"') {
            if (!quoted('"', Kind::QuotedName))
                break;
        } else if (c == '`') {
            if (!quoted('`', Kind::QuotedName))
                break;
        } else if (c == '[') {
            if (!quoted(']', Kind::QuotedName))
                break;
        } else if ((c == 'x' || c == 'X') && i + 1 < s.size() && s[i + 1] == '\'') {
            ++i; // a blob: a literal we do not take, so a Bad token
            const std::size_t start = i - 1;
            if (!quoted('\'', Kind::Bad))
                break;
            tokens.back().at = start;
        } else if (std::isdigit(c) ||
                   (c == '.' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
            const std::size_t start = i;
            while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '.' || s[i] == '_' ||
                                    ((s[i] == '+' || s[i] == '-') && (s[i - 1] == 'e' || s[i - 1] == 'E'))))
                ++i;
            tokens.push_back({Kind::Number, std::string(s.substr(start, i - start)), start});
        } else if (WordStart(c)) {
            const std::size_t start = i;
            while (i < s.size() && WordChar(static_cast<unsigned char>(s[i])))
                ++i;
            tokens.push_back({Kind::Word, std::string(s.substr(start, i - start)), start});
        } else if (c == 0) {
            tokens.push_back({Kind::Bad, {}, i});
            break;
        } else {
            tokens.push_back({Kind::Symbol, std::string(1, static_cast<char>(c)), i});
            ++i;
        }
    }
    return tokens;
}

// The place table's columns an update may set; `nom` names the place and is not changed.
const std::set<std::string>& SettableColumns()
{
    static const std::set<std::string> columns = {
        "d1", "m1",   "s1", "card1",     "d2",     "m2",      "s2",         "card2",   "t_zone",  "p",       "t",
        "h",  "zone", "cc", "asciiname", "region", "country", "population", "name_ar", "name_ur", "name_fa", "name_tr"};
    return columns;
}

bool DecimalNumber(const std::string& text)
{
    std::size_t i = 0, digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t exponent = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i;
        if (i == exponent)
            return false;
    }
    return i == text.size();
}

class Parser {
public:
    explicit Parser(const std::vector<Token>& tokens) : t_(tokens) {}

    // The reason, or nothing once the statement is whole. With `nameAt`, stops after "WHERE nom ="
    // and gives where the name's text begins.
    std::optional<std::string> Statement(std::size_t* nameAt)
    {
        if (!Keyword("update"))
            return "only an UPDATE is allowed";
        if (Peek(Kind::Word) && (Lower(t_[i_].text) == "or"))
            return "no conflict clause (OR ...) is allowed";
        if (!Table())
            return "only the table nuro may be updated";
        if (Peek(Kind::Symbol, "."))
            return "only the table nuro may be updated";
        if (!Keyword("set"))
            return "SET must follow the table";
        std::set<std::string> seen;
        do {
            if (auto why = Assignment(seen))
                return why;
        } while (Symbol(","));
        if (!Keyword("where"))
            return "the statement must end with WHERE nom = '...'";
        if (!Column("nom") || !Symbol("="))
            return "the only condition allowed is nom = '...'";
        if (nameAt) {
            *nameAt = i_ < t_.size() ? t_[i_].at : std::string::npos;
            return std::nullopt;
        }
        if (!Peek(Kind::String))
            return "the place name must be a quoted text";
        ++i_;
        Symbol(";");
        if (i_ < t_.size())
            return "nothing may follow nom = '...'";
        return std::nullopt;
    }

private:
    bool Peek(Kind kind, std::string_view text = {}) const
    {
        return i_ < t_.size() && t_[i_].kind == kind && (text.empty() || t_[i_].text == text);
    }
    bool Keyword(std::string_view word)
    {
        if (!Peek(Kind::Word) || Lower(t_[i_].text) != word)
            return false;
        ++i_;
        return true;
    }
    bool Symbol(std::string_view symbol)
    {
        if (!Peek(Kind::Symbol, symbol))
            return false;
        ++i_;
        return true;
    }
    // A column or table name, bare or quoted.
    std::optional<std::string> Name()
    {
        if (!Peek(Kind::Word) && !Peek(Kind::QuotedName))
            return std::nullopt;
        return Lower(t_[i_++].text);
    }
    bool Table()
    {
        const auto name = Name();
        return name && *name == "nuro";
    }
    bool Column(std::string_view column)
    {
        const auto name = Name();
        return name && *name == column;
    }
    std::optional<std::string> Assignment(std::set<std::string>& seen)
    {
        const auto column = Name();
        if (!column)
            return "a column name must follow SET";
        if (*column == "nom")
            return "the place's name (nom) is not changed by an update";
        if (!SettableColumns().count(*column))
            return "no column " + *column + " in nuro";
        if (!seen.insert(*column).second)
            return "column " + *column + " is set twice";
        if (!Symbol("="))
            return "= must follow " + *column;
        if (Peek(Kind::String)) {
            const std::string& value = t_[i_++].text;
            if (*column == "zone" && !value.empty() && !IsListedZoneName(value))
                return "'" + value + "' is not a zone the tz database lists";
            return std::nullopt;
        }
        if (*column == "zone")
            return "zone must be a quoted zone name";
        if (!Symbol("-")) // one sign at most, then the number itself
            Symbol("+");
        if (!Peek(Kind::Number) || !DecimalNumber(t_[i_].text))
            return "the value of " + *column + " must be a number or a quoted text";
        ++i_;
        return std::nullopt;
    }

    const std::vector<Token>& t_;
    std::size_t i_ = 0;
};

bool AnyOf(const std::vector<Token>& tokens, Kind kind)
{
    for (const Token& t : tokens)
        if (t.kind == kind)
            return true;
    return false;
}

} // namespace

std::optional<std::string> CheckUpdateStatement(std::string_view sql)
{
    if (sql.size() > kMaxStatementChars)
        return "the statement is longer than " + std::to_string(kMaxStatementChars) + " characters";
    if (sql.find('\0') != std::string_view::npos)
        return "the statement holds a NUL character";
    const std::vector<Token> tokens = Tokenize(sql);
    if (tokens.empty())
        return "empty statement";
    if (AnyOf(tokens, Kind::Comment))
        return "comments are not allowed";
    if (AnyOf(tokens, Kind::Bad))
        return "the statement holds a value that is not a number or a text";
    if (!AnyOf(tokens, Kind::Unterminated))
        return Parser(tokens).Statement(nullptr);

    // An unterminated quote: SQLite refuses the whole text, and the updater then binds what follows
    // the last nom=' as the name. That is safe only when everything before the name is a plain
    // update and the text really cannot be read as SQL.
    std::size_t nameAt = std::string::npos;
    if (auto why = Parser(tokens).Statement(&nameAt))
        return why;
    if (nameAt == std::string::npos || sql[nameAt] != '\'')
        return "the place name must be a quoted text";
    // The updater cuts the text at its last " nom='": it must be this one, so that what it runs
    // before the bound name is exactly what was read here.
    const std::string lower = Lower(sql);
    if (nameAt < 5 || lower.compare(nameAt - 5, 6, " nom='") != 0 || lower.find(" nom='", nameAt) != std::string::npos)
        return "a place name holding a quote must follow \" nom='\" once";
    std::size_t end = sql.size();
    while (end > nameAt && (sql[end - 1] == ' ' || sql[end - 1] == '\t' || sql[end - 1] == '\r' ||
                            sql[end - 1] == '\n' || sql[end - 1] == ';'))
        --end;
    if (end <= nameAt + 1 || sql[end - 1] != '\'')
        return "the place name must be a quoted text";
    return std::nullopt;
}

} // namespace nuro::updater
