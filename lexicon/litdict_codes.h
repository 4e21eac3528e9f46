// Code assignments of the packed reference dictionary, shared by its
// compiler (tools/datacomp) and its readers: headword byte codes, the
// 4-bit body codes, the escaped 8-bit body codes, and the folding of
// headwords into comparison keys. All characters are Mac Roman bytes.
#pragma once
#include "frame/types.h"

// Headword codes.
inline constexpr u8 kLdAe = 9;              // æ
inline constexpr u8 kLdOe = 10;             // œ
inline constexpr u8 kLdFirstLetter = 17;    // a .. z = 17 .. 42
inline constexpr u8 kLdApostrophe = 43;
inline constexpr u8 kLdComma = 44;
inline constexpr u8 kLdHyphen = 45;
inline constexpr u8 kLdFullStop = 46;
inline constexpr u8 kLdSlash = 47;
inline constexpr u8 kLdFirstAccent = 48;    // the sixteen accented letters
inline constexpr u8 kLdAGrave = 48;         // à
inline constexpr u8 kLdEnd = 64;            // end of the headword
inline constexpr u8 kLdFirstToken = 65;     // end + token (code - 65)

// Type bytes.
inline constexpr u8 kLdTypeContinuation = 1;
inline constexpr u8 kLdTypeLigatureAfter = 9;    // 9 æ, 10 œ after the key letters
inline constexpr u8 kLdTypeLigatureFirst = 11;   // 11 æ, 13 œ for both key letters
inline constexpr u8 kLdTypeLigatureSecond = 12;  // 12 æ, 14 œ for the second letter
inline constexpr u8 kLdTypeSecondMark = 15;
inline constexpr u8 kLdTypeFirstMark = 16;

// Mac Roman bytes of the ligatures.
inline constexpr u8 kMrAe = 0xBE;
inline constexpr u8 kMrOe = 0xCF;

// The accented letters of codes 48..63: à â ä ç é è ê ë î ï ñ ô ö ù û ü.
inline constexpr u8 kLdAccents[16] = {0x88, 0x89, 0x8A, 0x8D, 0x8E, 0x8F, 0x90, 0x91,
                                      0x94, 0x95, 0x96, 0x99, 0x9A, 0x9D, 0x9E, 0x9F};
inline constexpr u8 kLdAccentBase[16] = {'a', 'a', 'a', 'c', 'e', 'e', 'e', 'e',
                                         'i', 'i', 'n', 'o', 'o', 'u', 'u', 'u'};
inline constexpr char kLdPunctuation[5] = {'\'', ',', '-', '.', '/'};

// The twelve letters of the 4-bit body codes 3..14, by frequency.
inline constexpr u8 kLdNibbleLetters[12] = {'e', 'r', 'i', 'a', 'n', 't', 'o', 's', 'u', 'l', 'c', 0x8E};

// Body codes.
inline constexpr u8 kLdNibbleFiller = 0;
inline constexpr u8 kLdNibbleEscape = 1;
inline constexpr u8 kLdNibbleBlank = 2;
inline constexpr u8 kLdNibblePhrase = 15;
// Escaped 8-bit codes 0..13: these characters.
inline constexpr char kLdEscapedSingles[15] = "/0123456789.:;";
inline constexpr u8 kLdEscCrossReference = 14;
inline constexpr u8 kLdEscLineBreak = 15;
inline constexpr u8 kLdEscNothing = 64;
inline constexpr u8 kLdEscApostrophe = 43;
inline constexpr u8 kLdEscCommaBlank = 44;
inline constexpr u8 kLdEscHyphen = 45;
inline constexpr u8 kLdEscOpenParen = 46;
inline constexpr u8 kLdEscCloseParen = 47;
inline constexpr u8 kLdEscFirstToken = 65;     // 65..223: token (code - 65) and a blank
inline constexpr u8 kLdEscLastToken = 223;
inline constexpr u8 kLdEscAt = 224;            // 224 '@', 225..250 'A'..'Z'
inline constexpr u8 kLdEscAe = 251;
inline constexpr u8 kLdEscOe = 252;
inline constexpr u8 kLdEscAmpersand = 253;
inline constexpr u8 kLdEscQuote = 254;
inline constexpr u8 kLdEscHyphenBlank = 255;

// Table sizes.
inline constexpr u32 kLdTokenCount = 191;    // 192 offsets
inline constexpr u32 kLdPhraseCount = 256;   // 257 offsets
inline constexpr u32 kLdBodyTokenCount = 159;
inline constexpr u32 kLdStringMax = 35;      // bytes of a token or phrase that are used
// Token 50 is the verb label: first body code 115 marks a verb-only entry.
inline constexpr u8 kLdVerbLabelCode = 115;

// Index of an accented letter in kLdAccents, or -1.
inline i32 LdAccentIndex(u8 c) {
    for (i32 i = 0; i < 16; ++i)
        if (kLdAccents[i] == c) return i;
    return -1;
}

// The character of a one-character headword code (below 64, not 9/10); 0
// when the code has none.
inline u8 LdHeadwordChar(u8 code) {
    if (code >= kLdFirstLetter && code < kLdFirstLetter + 26) return static_cast<u8>('a' + code - kLdFirstLetter);
    if (code >= kLdApostrophe && code <= kLdSlash) return static_cast<u8>(kLdPunctuation[code - kLdApostrophe]);
    if (code >= kLdFirstAccent && code < kLdEnd) return kLdAccents[code - kLdFirstAccent];
    return 0;
}

// The headword code of a character, or 0 when it has none.
inline u8 LdHeadwordCode(u8 c) {
    if (c >= 'a' && c <= 'z') return static_cast<u8>(kLdFirstLetter + c - 'a');
    for (u8 i = 0; i < 5; ++i)
        if (static_cast<u8>(kLdPunctuation[i]) == c) return static_cast<u8>(kLdApostrophe + i);
    const i32 a = LdAccentIndex(c);
    if (a >= 0) return static_cast<u8>(kLdFirstAccent + a);
    if (c == kMrAe) return kLdAe;
    if (c == kMrOe) return kLdOe;
    return 0;
}

// Folding of a Mac Roman byte for keys: accented letters to their base
// letter (0x87..0x9F), capitals to lower case; other bytes unchanged.
inline u8 LdFoldByte(u8 c) {
    if (c >= 0x87 && c <= 0x8C) return 'a';
    if (c == 0x8D) return 'c';
    if (c >= 0x8E && c <= 0x91) return 'e';
    if (c >= 0x92 && c <= 0x95) return 'i';
    if (c == 0x96) return 'n';
    if (c >= 0x97 && c <= 0x9B) return 'o';
    if (c >= 0x9C && c <= 0x9F) return 'u';
    if (c >= 'A' && c <= 'Z') return static_cast<u8>(c - 'A' + 'a');
    return c;
}

// Folds a word (Mac Roman, NUL-terminated, at most `n` bytes read) into a
// key of at most 35 bytes: apostrophes and hyphens removed, æ and œ spelt
// out, accents and capitals folded. Returns the key's length.
inline u32 LdFoldWord(const u8* word, u32 n, u8 (&key)[36]) {
    u32 k = 0;
    for (u32 i = 0; i < n && word[i] != 0 && k < 35; ++i) {
        const u8 c = word[i];
        if (c == '\'' || c == '-' || c == 0xD5) continue;
        if (c == kMrAe || c == kMrOe || c == 0xAE || c == 0xCE) {
            key[k++] = (c == kMrAe || c == 0xAE) ? 'a' : 'o';
            if (k < 35) key[k++] = 'e';
            continue;
        }
        key[k++] = LdFoldByte(c);
    }
    key[k] = 0;
    return k;
}

// The character of an escaped body code with a single character (the
// ligatures, capitals, ampersand and the one-character codes); 0 otherwise.
inline u8 LdEscapedChar(u8 code) {
    if (code <= 13) return static_cast<u8>(kLdEscapedSingles[code]);
    const u8 h = LdHeadwordChar(code);
    if (h != 0 && code != kLdComma && code != kLdFullStop && code != kLdSlash && code != kLdHyphen) return h;
    if (code == kLdEscHyphen) return '-';
    if (code == kLdEscOpenParen) return '(';
    if (code == kLdEscAt) return '@';
    if (code > kLdEscAt && code <= kLdEscAt + 26) return static_cast<u8>('A' + code - kLdEscAt - 1);
    if (code == kLdEscAe) return kMrAe;
    if (code == kLdEscOe) return kMrOe;
    if (code == kLdEscAmpersand) return '&';
    return 0;
}
