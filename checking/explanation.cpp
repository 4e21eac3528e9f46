// The explanation buffer.
#include "checking/explanation.h"

#include <cstdarg>

#include "frame/bounded_string.h"
#include "frame/format.h"

void ClearExplanationText() {
    if (gExplanationText.data != nullptr && gExplanationText.count > 0) gExplanationText.data[0] = 0;
}

void AppendExplanationText(const char* format, ...) {
    if (gExplanationText.data == nullptr || gExplanationText.count == 0) return;
    const i32 capacity = static_cast<i32>(gExplanationText.count);
    const i32 length = GetStringLength(gExplanationText);
    if (length >= capacity - 1) return;
    va_list arguments;
    va_start(arguments, format);
    // A text that does not fit is cut; FormatToBufferV always terminates.
    FormatToBufferV(reinterpret_cast<char*>(gExplanationText.data) + length, capacity - length,
                    format, arguments);
    va_end(arguments);
}
