// Bar-separated lists.
#include "analysis/bar_list.h"

#include <cstring>

namespace {

bool Listed(const char* item, const char* list, size_t length) {
    const size_t n = std::strlen(item);
    size_t start = 0;
    while (start <= length) {
        const char* bar = static_cast<const char*>(std::memchr(list + start, '|', length - start));
        const size_t end = bar != nullptr ? static_cast<size_t>(bar - list) : length;
        if (end - start == n && std::memcmp(list + start, item, n) == 0) return true;
        if (bar == nullptr) return false;
        start = end + 1;
    }
    return false;
}

void AppendBounded(char* list, size_t& length, size_t room, const char* text, size_t n) {
    const size_t take = n < room - length ? n : room - length;
    std::memcpy(list + length, text, take);
    length += take;
    list[length] = 0;
}

}  // namespace

i16 AddToBarSeparatedList(const char* item, char* list, i16 capacity) {
    if (item == nullptr || list == nullptr || capacity < 1) return 0;
    const size_t room = static_cast<size_t>(capacity) - 1;  // the terminator's byte kept
    size_t length = strnlen(list, room);
    list[length] = 0;
    if (length > 0 && Listed(item, list, length)) return 0;
    if (length == 0 && *item == 0) return 0;
    if (length > 0) AppendBounded(list, length, room, "|", 1);
    AppendBounded(list, length, room, item, std::strlen(item));
    return 1;
}
