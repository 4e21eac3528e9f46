// XML escaping.
#include "analysis/xml_escape.h"

#include <cstring>

#include "frame/bounded_string.h"

namespace {

// What stands for byte c in XML text and attribute values; null: the byte
// itself. A control character other than tab, line feed and carriage
// return has no form in XML (not even as a reference): it is written as a
// blank.
const char* EscapeOf(u8 c) {
    switch (c) {
        case '&': return "&amp;";
        case '<': return "&lt;";
        case '>': return "&gt;";
        case '"': return "&#34;";
        case '\t': case '\n': case '\r': return nullptr;
        default: return c < 0x20 ? " " : nullptr;
    }
}

}  // namespace

void AppendXmlEscapedBytes(BoundedString& dest, const u8* text, u32 n) {
    if (dest.valid == 0 || text == nullptr) return;
    for (u32 i = 0; i < n && text[i] != 0; ++i) {
        const char* escape = EscapeOf(text[i]);
        const u32 need = escape != nullptr ? static_cast<u32>(std::strlen(escape)) : 1;
        if (TextLen(dest) + need > TextRoom(dest)) return;
        if (escape != nullptr) AppendCString(dest, escape);
        else AppendByteToString(dest, text[i]);
    }
}

void AppendXmlEscaped(BoundedString& dest, const BoundedString& text) {
    AppendXmlEscapedBytes(dest, text.data, TextLen(text));
}

void AppendXmlEscapedToBuffer(char* buffer, u32 capacity, const u8* text, u32 n) {
    if (buffer == nullptr || capacity == 0 || text == nullptr) return;
    u32 length = static_cast<u32>(strnlen(buffer, capacity));
    if (length >= capacity) return;
    for (u32 i = 0; i < n && text[i] != 0; ++i) {
        const char* escape = EscapeOf(text[i]);
        const u32 need = escape != nullptr ? static_cast<u32>(std::strlen(escape)) : 1;
        if (length + need >= capacity) break;
        if (escape != nullptr) std::memcpy(buffer + length, escape, need);
        else buffer[length] = static_cast<char>(text[i]);
        length += need;
    }
    buffer[length] = 0;
}
