// The clamp counter of the container (see bounded_array.h).
#include "frame/bounded_array.h"

#include <cstdio>
#include <cstdlib>

#if defined(__has_include)
#if __has_include(<sanitizer/common_interface_defs.h>) && defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define KRZ_CLAMP_STACKS 1
#endif
#endif

u32 gClampCount = 0;
i32 gClampLastIndex = 0;
i32 gClampLastLimit = 0;

void NoteClamp(i32 index, i32 last) {
    ++gClampCount;
    gClampLastIndex = index;
    gClampLastLimit = last;
#ifdef KRZ_CLAMP_STACKS
    static const bool trace = std::getenv("KRZ_CLAMP_TRACE") != nullptr;
    if (trace) {
        std::fprintf(stderr, "clamp: index %d, last %d\n", static_cast<int>(index), static_cast<int>(last));
        __sanitizer_print_stack_trace();
    }
#endif
}
