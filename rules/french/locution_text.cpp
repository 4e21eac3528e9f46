#include "rules/french/locution_text.h"

namespace {

bool IsHyphen(u8 c) { return c == '-' || c == kLocutionHyphen; }

// The first n bytes of the text match the literal's first n bytes.
bool SameBytes(const BoundedString& text, const char* literal, i32 n) {
    for (i32 k = 0; k < n; ++k) {
        const u8 a = text.data[k];
        const u8 b = static_cast<u8>(literal[k]);
        if (a != b && !(IsHyphen(a) && IsHyphen(b))) return false;
    }
    return true;
}

}  // namespace

bool LocutionTextIs(const BoundedString& text, const char* literal) {
    const i32 n = GetStringLength(text);
    return static_cast<i32>(std::strlen(literal)) == n && SameBytes(text, literal, n);
}

bool LocutionTextBegins(const BoundedString& text, const char* literal) {
    const i32 m = static_cast<i32>(std::strlen(literal));
    return m <= GetStringLength(text) && SameBytes(text, literal, m);
}
