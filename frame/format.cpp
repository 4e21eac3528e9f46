// Bounded formatted print over vsnprintf.
#include "frame/format.h"

#include <cstdio>

i32 FormatToBufferV(char* buffer, i32 size, const char* format, va_list arguments) {
    if (buffer == nullptr || size <= 0) return -1;
    if (format == nullptr) {
        buffer[0] = '\0';
        return -1;
    }
    int n = std::vsnprintf(buffer, static_cast<size_t>(size), format, arguments);
    if (n < 0) {
        buffer[0] = '\0';
        return -1;
    }
    return n < size ? n : -1;
}

i32 FormatToBuffer(char* buffer, i32 size, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    i32 n = FormatToBufferV(buffer, size, format, arguments);
    va_end(arguments);
    return n;
}
