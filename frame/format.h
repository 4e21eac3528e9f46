// Bounded formatted print.
#pragma once
#include <cstdarg>

#include "frame/types.h"

// printf-style formatting into buffer of size bytes. Returns the number of
// characters written when the text fits with its terminator; otherwise (or
// for a null buffer or size <= 0) a negative value. The buffer is always
// terminated when size > 0, a truncated text keeping its first size - 1
// characters.
i32 FormatToBuffer(char* buffer, i32 size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
i32 FormatToBufferV(char* buffer, i32 size, const char* format, va_list arguments)
    __attribute__((format(printf, 3, 0)));
