// Escaping of text written into an XML document: the one routine every
// writer of elements and attribute values goes through.
#pragma once
#include "frame/bounded_array.h"

// Appends `n` bytes of `text` to dest with '&', '<', '>' and '"' written as
// "&amp;", "&lt;", "&gt;" and "&#34;", a control character other than tab,
// line feed and carriage return as a blank; every other byte as it is. An escape
// that does not fit the room left is not begun (the text is cut there).
void AppendXmlEscapedBytes(BoundedString& dest, const u8* text, u32 n);
void AppendXmlEscaped(BoundedString& dest, const BoundedString& text);
// The same into a host buffer of `capacity` bytes holding a NUL-terminated
// text (a sentence may be longer than any working string); a null or
// zero-capacity buffer is not written.
void AppendXmlEscapedToBuffer(char* buffer, u32 capacity, const u8* text, u32 n);
