// Expansion of a packed reference-dictionary entry into display text.
#include <cstring>

#include "frame/tables.h"
#include "lexicon/litdict.h"
#include "lexicon/litdict_codes.h"

namespace {

// The display stem (placeholders and headword) of the last entry that built
// its own headword; continuation entries start from it. The folded key stem
// of the reader is a separate string (gLitDictWorkString).
u8 sDisplayStem[36];
u32 sDisplayStemLength = 0;

constexpr u32 kBufferMax = 999;

struct Buffer {
    u8 b[kBufferMax + 1];
    u32 n = 0;
    void Put(u8 c) {
        if (n < kBufferMax) b[n++] = c;
    }
    void PutText(const char* s) {
        while (*s != 0) Put(static_cast<u8>(*s++));
    }
    void PutBytes(const u8* s, u32 len) {
        for (u32 i = 0; i < len; ++i) Put(s[i]);
    }
};

u8 RowByte(const BoundedString& row, u32 i) { return i < row.count ? row.data[i] : 0; }

// Writes a phrase into the body, its "$" mark rewritten as the entry's
// marks so far ask.
void PutPhrase(Buffer& body, u32 index, u32& marks, u32& marksOnLine) {
    u8 p[36];
    u32 n = LitDictPhrase(gLitDictOffsetsB, index, p);
    i32 dollar = -1;
    for (u32 i = 0; i < n; ++i)
        if (p[i] == '$') dollar = static_cast<i32>(i);
    if (dollar < 0) {
        body.PutBytes(p, n);
        body.Put(' ');
        return;
    }
    const u32 d = static_cast<u32>(dollar);
    body.PutBytes(p, d);
    if (marks == 0) {
        body.PutText("\n SYN : *");
        body.PutBytes(p + d + 1, n - d - 1);
    } else if (marksOnLine == 0) {
        body.PutText("SYN : *");
        body.PutBytes(p + d + 1, n - d - 1);
    } else if (body.n >= 2 && body.b[body.n - 2] == '-') {
        body.Put('*');
    } else if (index == 237) {
        body.PutText("OU [figur\x8E]");
    } else if (index == 253) {
        body.PutText("OU [+fort]");
    } else if (index == 254) {
        body.PutText("OU [+faible]");
    } else {
        body.PutText("OU");
    }
    ++marks;
    ++marksOnLine;
    body.Put(' ');
}

void PutEscaped(Buffer& body, u8 code, u32& marksOnLine) {
    u8 t[36];
    if (code == kLdEscCrossReference) body.PutText("voir ligne : ");
    else if (code == kLdEscLineBreak) {
        body.PutText("\n ");
        marksOnLine = 0;
    } else if (code == 16 || code == kLdEscNothing) {
    } else if (code == kLdEscCommaBlank) body.PutText(", ");
    else if (code == kLdEscCloseParen) {
        if (body.n > 0 && body.b[body.n - 1] == ' ') --body.n;
        body.PutText(") ");
    } else if (code >= kLdEscFirstToken && code <= kLdEscLastToken) {
        body.PutBytes(t, LitDictToken(gLitDictOffsetsA, code - kLdEscFirstToken, t));
        body.Put(' ');
    } else if (code == kLdEscQuote) body.PutText("\" ");
    else if (code == kLdEscHyphenBlank) body.PutText("- ");
    else {
        const u8 c = LdEscapedChar(code);
        if (c != 0) body.Put(c);
    }
}

// The headword pass: fills h (two placeholders and the headword) from the
// row's type byte and codes; returns the position of the first body byte,
// or 0 when the headword never ends.
u32 ReadHeadword(const BoundedString& row, Buffer& h) {
    const u8 k1 = RowByte(row, 0), k2 = RowByte(row, 1), type = RowByte(row, 2);
    h.n = 0;
    h.Put(0);
    h.Put(0);
    u32 p = 3;
    if (type == kLdTypeContinuation) {
        h.n = 0;
        h.PutBytes(sDisplayStem, sDisplayStemLength);
        if (h.n < 2) h.n = 2;
    } else if (type == 9 || type == 10) {
        h.Put(k1);
        h.Put(k2);
        h.Put(type == 9 ? kMrAe : kMrOe);
    } else if (type == 11 || type == 13) {
        h.Put(type == 11 ? kMrAe : kMrOe);
        h.Put(LdHeadwordChar(RowByte(row, 3)));
        p = 4;
    } else if (type == 12 || type == 14) {
        h.Put(k1);
        h.Put(type == 12 ? kMrAe : kMrOe);
    } else if (type == kLdTypeSecondMark) {
        const u8 c = RowByte(row, 3);
        const u8 second = (c >= kLdApostrophe && c < kLdEnd) ? LdHeadwordChar(c) : k2;
        p = 4;
        if (c == kLdAGrave && RowByte(row, 4) == kLdEnd) {
            h.Put(k1 == 'c' ? 0x8D : k1);
            h.Put(second);
        } else {
            h.Put(k1);
            h.Put(second);
            if (c == kLdAGrave) {
                h.Put('-');
                p = 5;
            }
        }
    } else if (type == kLdTypeFirstMark) {
        const u8 c = RowByte(row, 3);
        h.Put((c >= kLdApostrophe && c < kLdEnd) ? LdHeadwordChar(c) : k1);
        h.Put(c == kLdAGrave ? '-' : k2);
        p = 4;
    } else if (type >= kLdFirstLetter) {
        h.Put(k1);
        h.Put(k2);
        p = 2;
    }
    for (; p < row.count; ++p) {
        const u8 c = row.data[p];
        if (c == 0) return 0;
        if (c >= kLdEnd) {
            sDisplayStemLength = h.n < 36 ? h.n : 36;
            std::memcpy(sDisplayStem, h.b, sDisplayStemLength);
            if (c > kLdEnd) {
                u8 t[36];
                h.PutBytes(t, LitDictToken(gLitDictOffsetsA, c - kLdFirstToken, t));
            }
            return p + 1;
        }
        if (c == kLdAe || c == kLdOe) h.Put(c == kLdAe ? kMrAe : kMrOe);
        else h.Put(LdHeadwordChar(c));
    }
    return 0;
}

// The body pass over the 4-bit codes from row byte `p` on.
void ReadBody(const BoundedString& row, u32 p, Buffer& body) {
    u8 nib[2 * kLitDictRowBytes];
    u32 n = 0;
    for (; p < row.count && row.data[p] != 0 && n + 2 <= sizeof nib; ++p) {
        nib[n++] = static_cast<u8>(row.data[p] >> 4);
        nib[n++] = static_cast<u8>(row.data[p] & 15);
    }
    u32 marks = 0, marksOnLine = 0;
    // The headword's end marker acts as an escape.
    u32 i = 0;
    bool escape = true;
    while (i < n) {
        if (escape) {
            if (i + 1 >= n) break;
            PutEscaped(body, static_cast<u8>(nib[i] * 16 + nib[i + 1]), marksOnLine);
            i += 2;
            escape = false;
            continue;
        }
        const u8 c = nib[i++];
        if (c == kLdNibbleEscape) escape = true;
        else if (c == kLdNibbleBlank) body.Put(' ');
        else if (c >= 3 && c <= 14) body.Put(kLdNibbleLetters[c - 3]);
        else if (c == kLdNibblePhrase) {
            if (i + 1 >= n) break;
            const i32 index = nib[i] * 16 + nib[i + 1] - 1;
            i += 2;
            if (index >= 0 && index < 256) PutPhrase(body, static_cast<u32>(index), marks, marksOnLine);
        }
    }
}

}  // namespace

u32 LitDictTableString(const BoundedString& table, u32 offsets, u32 index, u8 (&out)[36]) {
    out[0] = 0;
    const u32 pool = offsets * 2;
    if (index + 1 >= offsets || table.count < pool) return 0;
    const u8* t = table.data;
    u32 from = pool + static_cast<u32>(t[2 * index] * 256 + t[2 * index + 1]);
    u32 to = pool + static_cast<u32>(t[2 * index + 2] * 256 + t[2 * index + 3]);
    if (to > table.count) to = table.count;
    u32 n = 0;
    for (u32 i = from; i < to && n < kLdStringMax; ++i) out[n++] = t[i];
    out[n] = 0;
    return n;
}

i16 ExpandLitDictEntryText(BoundedString& row) {
    static Buffer h, body;
    h.n = 0;
    body.n = 0;
    const u32 bodyStart = ReadHeadword(row, h);
    if (bodyStart == 0) {
        if (row.count >= 3) {
            row.data[0] = 0;
            row.data[1] = 0;
            row.data[2] = 0;
        }
        return 2;
    }
    const u32 length = h.n - 2;
    ReadBody(row, bodyStart, body);
    h.Put(' ');
    for (u32 i = 0; i < body.n; ++i) {
        if (body.b[i] == ' ' && i + 1 < body.n && body.b[i + 1] == ',') continue;
        h.Put(body.b[i]);
    }
    while (h.n > 2 && h.b[h.n - 1] == ' ') --h.n;
    if (h.b[h.n - 1] != '.' && h.b[h.n - 1] != '>') h.Put('.');
    const u32 n = h.n < row.count ? h.n : (row.count == 0 ? 0 : row.count - 1);
    std::memcpy(row.data, h.b, n);
    if (n < row.count) row.data[n] = 0;
    if (row.count >= 2) {
        row.data[0] = 0;
        row.data[1] = static_cast<u8>(length > 255 ? 255 : length);
    }
    return static_cast<i16>(n);
}
