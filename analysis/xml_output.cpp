// Bounded appends to the XML buffers of the sentence documents.
#include "analysis/xml_output.h"

#include <cstdarg>
#include <cstring>

#include "analysis/clause_xml.h"
#include "analysis/xml_escape.h"
#include "frame/bounded_string.h"
#include "frame/format.h"

XmlOutput gXmlOutput;

namespace {

void AppendV(char* buffer, u32 capacity, const char* format, va_list arguments) {
    if (buffer == nullptr || capacity == 0) return;
    const u32 length = static_cast<u32>(strnlen(buffer, capacity));
    if (length + 1 >= capacity) return;  // full (or not terminated within the capacity)
    FormatToBufferV(buffer + length, static_cast<i32>(capacity - length), format, arguments);
}

}  // namespace

void AppendToBuffer(char* buffer, u32 capacity, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    AppendV(buffer, capacity, format, arguments);
    va_end(arguments);
}

void AppendXmlOutput(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    AppendV(gXmlOutput.buffer, gXmlOutput.capacity, format, arguments);
    va_end(arguments);
}

void AppendXmlOutputEscaped(const BoundedString& text) {
    AppendXmlEscapedToBuffer(gXmlOutput.buffer, gXmlOutput.capacity, text.data, TextLen(text));
}

void WriteSentenceDocument(char* buffer, u32 capacity, const u8* sentence, u32 length) {
    AppendToBuffer(buffer, capacity, "%s\n", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" standalone=\"yes\" ?>");
    AppendToBuffer(buffer, capacity, "<PHRASES>\n\n");
    AppendToBuffer(buffer, capacity, "\n<PHRASEORIG>");
    AppendXmlEscapedToBuffer(buffer, capacity, sentence, length);
    AppendToBuffer(buffer, capacity, "</PHRASEORIG>\n");
    WriteClauseStructureXml(buffer, capacity);
    AppendToBuffer(buffer, capacity, "\n\n</PHRASES>\n");
}
