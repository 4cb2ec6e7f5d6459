// Build step: the translations nuro-times shows, out of the program's Qt catalogues, as a C++ table.
// nuro-times has no Qt, so it cannot load the compiled catalogues; this keeps its method and Qibla
// lines in the catalogues' own words without a second copy to keep in step.
//
//   nuro-times-catalogue OUT.cpp CONTEXT[,CONTEXT...] nuro_xx.ts...
//
// The .ts files are lupdate's: one element a line. Only finished, singular messages are taken.
#include "core/Utf8Text.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The text between <tag ...> and </tag> on the line, or false when the line holds no whole element.
bool Element(const std::string& line, const std::string& tag, std::string& text, std::string* attributes = nullptr)
{
    const std::size_t open = line.find("<" + tag);
    if (open == std::string::npos)
        return false;
    const std::size_t end = line.find('>', open);
    const std::size_t close = line.find("</" + tag + ">", end);
    if (end == std::string::npos || close == std::string::npos)
        return false;
    if (attributes)
        *attributes = line.substr(open + 1 + tag.size(), end - open - 1 - tag.size());
    text = line.substr(end + 1, close - end - 1);
    return true;
}

// XML's five entities and character references.
std::string Unescape(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t semi = text[i] == '&' ? text.find(';', i) : std::string::npos;
        if (semi == std::string::npos) {
            out += text[i];
            continue;
        }
        const std::string name = text.substr(i + 1, semi - i - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (name.size() > 1 && name[0] == '#')
            nuro::Utf8Append(
                out, std::stoul(name[1] == 'x' ? name.substr(2) : name.substr(1), nullptr, name[1] == 'x' ? 16 : 10));
        else
            out += text.substr(i, semi - i + 1);
        i = semi;
    }
    return out;
}

// A C++ string literal; bytes beyond ASCII as octal escapes so the file's encoding never matters.
std::string Literal(const std::string& text)
{
    std::string out = "\"";
    char buf[8];
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            std::snprintf(buf, sizeof buf, "\\%03o", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::cerr << "usage: nuro-times-catalogue OUT.cpp CONTEXT[,CONTEXT...] nuro_xx.ts...\n";
        return 2;
    }
    std::set<std::string> contexts;
    std::stringstream list(argv[2]);
    for (std::string c; std::getline(list, c, ',');)
        contexts.insert(c);

    std::ostringstream rows;
    std::size_t count = 0;
    for (int a = 3; a < argc; ++a) {
        const std::string path = argv[a];
        const std::size_t under = path.rfind("nuro_"), dot = path.rfind(".ts");
        if (under == std::string::npos || dot == std::string::npos || dot < under + 5) {
            std::cerr << "nuro-times-catalogue: not a catalogue's name: " << path << "\n";
            return 2;
        }
        const std::string language = path.substr(under + 5, dot - under - 5);
        std::ifstream in(path);
        if (!in) {
            std::cerr << "nuro-times-catalogue: cannot read " << path << "\n";
            return 1;
        }
        std::string line, context, source, text, attributes;
        while (std::getline(in, line)) {
            if (Element(line, "name", text)) {
                context = Unescape(text);
            } else if (Element(line, "source", text)) {
                source = Unescape(text);
            } else if (Element(line, "translation", text, &attributes)) {
                if (contexts.count(context) && attributes.find("type=") == std::string::npos && !text.empty()) {
                    rows << "    {" << Literal(language) << ", " << Literal(context) << ", " << Literal(source) << ", "
                         << Literal(Unescape(text)) << "},\n";
                    ++count;
                }
                source.clear();
            }
        }
    }

    std::ofstream out(argv[1], std::ios::trunc);
    out << "// Made by nuro-times-catalogue from resources/translations; do not edit.\n"
           "#include \"schedule/cli/TimesWords.h\"\n\n"
           "namespace nuro::times {\n\n"
           "namespace {\n"
           "constexpr CatalogueText kTexts[] = {\n"
        << rows.str() << (count ? "" : "    {\"\", \"\", \"\", \"\"},\n")
        << "};\n"
           "} // namespace\n\n"
           "std::span<const CatalogueText> CatalogueTexts() { return std::span<const CatalogueText>(kTexts)"
        << (count ? "" : ".first(0)")
        << "; }\n\n"
           "} // namespace nuro::times\n";
    return out ? 0 : 1;
}
