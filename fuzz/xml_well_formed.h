// A small well-formedness check of the sentence documents, for the fuzz
// target (which links no XML parser): one root element after the
// declaration, every element closed in order, attribute values quoted, '<'
// only in markup, '&' only in a reference, no character XML 1.0 forbids.
// Bytes from 0x80 are read as single ISO-8859-1 characters, as the
// documents declare.
#pragma once
#include <cstring>
#include <string>
#include <vector>

namespace xml_check {

inline bool IsNameByte(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '.' || c == ':' || c >= 0x80;
}

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// A reference at d[i] ('&'): "&name;" or "&#digits;"; returns the index
// after it, or npos.
inline size_t Reference(const std::string& d, size_t i) {
    size_t k = i + 1;
    if (k < d.size() && d[k] == '#') {
        ++k;
        const size_t from = k;
        while (k < d.size() && d[k] >= '0' && d[k] <= '9') ++k;
        return k > from && k < d.size() && d[k] == ';' ? k + 1 : std::string::npos;
    }
    const size_t from = k;
    while (k < d.size() && IsNameByte(static_cast<unsigned char>(d[k]))) ++k;
    if (k == from || k >= d.size() || d[k] != ';') return std::string::npos;
    const std::string name = d.substr(from, k - from);
    if (name != "amp" && name != "lt" && name != "gt" && name != "quot" && name != "apos") return std::string::npos;
    return k + 1;
}

// Why the document is not well formed; empty when it is.
inline std::string Check(const std::string& d) {
    for (unsigned char c : d)
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') return "a control character";
    std::vector<std::string> open;
    bool rooted = false;
    size_t i = 0;
    if (d.compare(0, 5, "<?xml") == 0) {
        i = d.find("?>");
        if (i == std::string::npos) return "an unclosed declaration";
        i += 2;
    }
    while (i < d.size()) {
        const char c = d[i];
        if (c == '&') {
            i = Reference(d, i);
            if (i == std::string::npos) return "a bare '&'";
            if (open.empty()) return "text outside the root";
            continue;
        }
        if (c == '>') return "a bare '>' in text";
        if (c != '<') {
            if (open.empty() && !IsBlank(c)) return "text outside the root";
            ++i;
            continue;
        }
        if (d.compare(i, 4, "<!--") == 0) {
            const size_t end = d.find("-->", i + 4);
            if (end == std::string::npos) return "an unclosed comment";
            i = end + 3;
            continue;
        }
        const bool closing = i + 1 < d.size() && d[i + 1] == '/';
        size_t k = i + (closing ? 2 : 1);
        const size_t nameFrom = k;
        while (k < d.size() && IsNameByte(static_cast<unsigned char>(d[k]))) ++k;
        if (k == nameFrom) return "a bare '<'";
        const std::string name = d.substr(nameFrom, k - nameFrom);
        if (closing) {
            while (k < d.size() && IsBlank(d[k])) ++k;
            if (k >= d.size() || d[k] != '>') return "a malformed end tag";
            if (open.empty() || open.back() != name) return "</" + name + "> closes no open element of its name";
            open.pop_back();
            i = k + 1;
            continue;
        }
        // Attributes: name="value" (no '<' inside, '&' only in references).
        bool empty = false;
        for (;;) {
            const size_t before = k;
            while (k < d.size() && IsBlank(d[k])) ++k;
            if (k >= d.size()) return "an unclosed start tag";
            if (d[k] == '>') break;
            if (d[k] == '/' && k + 1 < d.size() && d[k + 1] == '>') {
                empty = true;
                ++k;
                break;
            }
            if (k == before) return "attributes not separated by blanks";
            const size_t attrFrom = k;
            while (k < d.size() && IsNameByte(static_cast<unsigned char>(d[k]))) ++k;
            if (k == attrFrom || k >= d.size() || d[k] != '=') return "a malformed attribute";
            ++k;
            if (k >= d.size() || (d[k] != '"' && d[k] != '\'')) return "an unquoted attribute value";
            const char quote = d[k++];
            while (k < d.size() && d[k] != quote) {
                if (d[k] == '<') return "'<' in an attribute value";
                if (d[k] == '&') {
                    k = Reference(d, k);
                    if (k == std::string::npos) return "a bare '&' in an attribute value";
                    continue;
                }
                ++k;
            }
            if (k >= d.size()) return "an unclosed attribute value";
            ++k;
        }
        if (open.empty() && rooted) return "a second root element";
        rooted = true;
        if (!empty) open.push_back(name);
        i = k + 1;
    }
    if (!open.empty()) return "<" + open.back() + "> is never closed";
    if (!rooted) return "no root element";
    return "";
}

}  // namespace xml_check
