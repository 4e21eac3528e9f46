#include "inflection/lex_inflection.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "inflection/lex_text.h"
#include "inflection/lex_verb_model.h"
#include "inflection/verb_forms.h"
#include "inflection/word_services.h"
#include "lexicon/lex_lookup.h"
#include "lexicon/lex_records.h"
#include "morphology/word_marks.h"

namespace {

using lex_text::NewString;
using lex_text::Flatten;

// The key normalisation of the lookups; counts blanks; true when
// hyphenated.
bool NormaliseWork(BoundedString& w, u32& blanks) {
    const u32 n = TextLen(w);
    bool hyphenated = false;
    blanks = 0;
    for (u32 i = 0; i < n; ++i) {
        u8& c = w.data[i];
        if (c == ' ') c = kMarkBlank;
        if (c == kMarkBlank) {
            ++blanks;
        } else if (IsUpperMacRoman(c) != 0) {
            c = ToLowerMacRoman(c);
        } else if (c == '-') {
            c = kMarkHyphen;
            hyphenated = true;
        }
    }
    if (hyphenated)
        for (u32 i = 0; i + 1 < n; ++i)
            if (w.data[i] == kAGraveByte) w.data[i] = kMarkAGrave;
    return hyphenated;
}

// Row r: the form, the class byte, a NUL; then the five code bytes.
void SetRow(StringList& rows, u16 r, const BoundedString& form, u8 classByte, u8 c0, u8 c1, u8 c2,
            u8 c3) {
    BoundedString& row = rows[r];
    std::memset(row.data, 0, row.count);
    u32 n = TextLen(form);
    if (n > kLexRowCodes - 2) n = kLexRowCodes - 2;
    std::memcpy(row.data, form.data, n);
    row.data[n] = classByte;
    row.data[kLexRowCodes] = c0;
    row.data[kLexRowCodes + 1] = c1;
    row.data[kLexRowCodes + 2] = c2;
    row.data[kLexRowCodes + 3] = c3;
}

u8 FrenchLetterCode(u8 c) {
    if (c >= 'a' && c <= 'z') return static_cast<u8>(c - 32);
    switch (c) {
        case 0x8E: return 92;  // é
        case 0x95: return 93;  // ï
        case 0x91: return 94;  // ë
        case 0x8F: return 95;  // è
        case 0x90: return 64;  // ê
        default: return 91;
    }
}

u8 EnglishLetterCode(u8 c) {
    if (c >= 'a' && c <= 'z') return static_cast<u8>(c - 64);
    return c == 0x8E ? 28 : 32;
}

bool IsFrenchWordLetter(u8 c) {
    return (c >= 'A' && c <= 'z') || c == 0x8E || c == 0x95 || c == 0x91 || c == 0x8F || c == 0x90;
}

// Code byte 2 of a noun or adjective; 0 with `refusal` set when the class
// does not fit.
u8 InflectionCode(const BoundedString& w, u16 inflectionClass, u16 category, u16 language,
                  i16& refusal) {
    const u32 n = TextLen(w);
    const u8 last = n > 0 ? w.data[n - 1] : 0;
    const bool french = language != 0;
    u8 code = french ? FrenchLetterCode(last) : EnglishLetterCode(last);
    if (inflectionClass == 2 || inflectionClass == 4) {
        if (french) code = static_cast<u8>(code - 64);
        else if (code >= 33) code = static_cast<u8>(code - 32);
    }
    const bool badLast = french ? !IsFrenchWordLetter(last) : (last < 33 || last > 122);
    if (badLast && inflectionClass == 1) refusal = kLexNoPluralLetter;
    if (badLast && (french ? inflectionClass == 6 : inflectionClass > 4)) refusal = kLexClassMismatch;
    if (refusal != 0) return 0;
    if (french) {
        if (inflectionClass == 3) {
            if (TextEndsWith(w, "eaux")) return 171;
            if (TextEndsWith(w, "aux")) return 255;
            if (TextEndsWith(w, "eux")) return 162;
            if (TextEndsWith(w, "x")) return 27;
            if (TextEndsWith(w, "s") && n >= 2) {
                const u8 b = w.data[n - 2];
                if (b != 's' && b != 'x' && b != 'z' && b >= 'a' && b <= 'z') return static_cast<u8>(b - 32);
            }
            return 27;
        }
        if (inflectionClass == 6) {
            if (TextEndsWith(w, "au")) return 161;
            if (TextEndsWith(w, "eu")) return 162;
            if (TextEndsWith(w, "al")) return 255;
            refusal = kLexClassMismatch;
            return 0;
        }
        if (inflectionClass == 5 || inflectionClass >= 7) refusal = kLexClassMismatch;
        return code;
    }
    if (category == 3 && inflectionClass != 2) {
        refusal = kLexEnglishAdjectiveClass;
        return 0;
    }
    switch (inflectionClass) {
        case 3:
            if (TextEndsWith(w, "ies")) return 25;
            if (TextEndsWith(w, "es")) return 27;
            if (TextEndsWith(w, "men")) return 254;
            if (TextEndsWith(w, "ea")) return 1;
            return code;
        case 5:
            switch (last) {
                case 'h': return 59;
                case 'o': return 60;
                case 's': return 61;
                case 'x': return 62;
                case 'z': return 63;
                default: refusal = kLexClassMismatch; return 0;
            }
        case 6: refusal = kLexClassMismatch; return 0;
        case 7:
            if (last == 'y') return 31;
            refusal = kLexClassMismatch;
            return 0;
        case 8:
            if (TextEndsWith(w, "man")) return 254;
            refusal = kLexClassMismatch;
            return 0;
        case 9:
            if (last == 'a') return 255;
            refusal = kLexClassMismatch;
            return 0;
        default: return code;
    }
}

// Row 1 of a noun or adjective (the generated plural); 0 or a refusal.
i16 PluralRows(const BoundedString& w, bool hyphenated, u16 inflectionClass, u8 classByte, u8 code1,
               u8 code2, StringList& rows, u16& count) {
    BoundedString p = NewString();
    CopyString(p, w);
    u32 n = TextLen(p);
    if (hyphenated && n > 0 && p.data[n - 1] == kAGraveByte) p.data[n - 1] = kMarkAGrave;
    const u8 last = n > 0 ? p.data[n - 1] : 0;
    switch (inflectionClass) {
        case 1:
            if (last == 's' || last == 'x' || last == 'z') return kLexNoPluralLetter;
            AppendCString(p, "s");
            break;
        case 6:
            if (code2 == 255) {
                p.data[n - 1] = 0;
                AppendCString(p, "ux");
            } else {
                AppendCString(p, "x");
            }
            break;
        case 5: AppendCString(p, "es"); break;
        case 7:
            p.data[n - 1] = 0;
            AppendCString(p, "ies");
            break;
        case 8: p.data[n - 2] = 'e'; break;
        case 9: AppendCString(p, "e"); break;
        default: break;
    }
    const bool plural = inflectionClass == 1 || inflectionClass >= 5;
    const u8 c1 = static_cast<u8>(code1 + (plural ? 4 : 0));
    SetRow(rows, 1, p, classByte, classByte, c1, code2, 0);
    count = 2;
    if (inflectionClass == 9) {
        const u32 m = TextLen(p);
        p.data[m - 1] = 's';
        SetRow(rows, 2, p, classByte, classByte, c1, code2, 0);
        count = 3;
    }
    return 0;
}

i16 AbbreviationRow(const BoundedString& work, const BoundedString& abbreviation, u8 classByte,
                    StringList& rows, u16& count) {
    BoundedString a = NewString();
    Flatten(a, abbreviation);
    const u32 n = TextLen(a);
    for (u32 i = 0; i < n; ++i)
        if (a.data[i] == ' ' || a.data[i] == kMarkBlank) return kLexBlankInAbbreviation;
    if (n < 2 || n > 4) return kLexBadAbbreviationLength;
    BoundedString lowA = NewString();
    BoundedString lowW = NewString();
    CopyLowerCase(lowA, a);
    CopyLowerCase(lowW, work);
    if (CompareStrings(lowA, lowW) == kCompareEqual) return kLexAbbreviationIsWord;
    BoundedArray<FormEntry> found;
    InitFormEntryArray(found, 4);
    if (FindLexForms(a, found, kLexClassReplacement) > 0) {
        BoundedString lemma = NewString();
        BoundedString flat = NewString();
        Flatten(flat, found[0].LemmaText);
        CopyLowerCase(lemma, flat);
        Flatten(flat, work);
        BoundedString lowWork = NewString();
        CopyLowerCase(lowWork, flat);
        if (CompareStrings(lemma, lowWork) != kCompareEqual) return kLexAbbreviationTaken;
    }
    if (count >= rows.count) return kLexTooManyRows;
    BoundedString key = NewString();
    CopyString(key, lowA);
    const BoundedString& row0 = rows[0];
    SetRow(rows, count, key, kLexClassReplacement, classByte, row0.data[kLexRowCodes + 1],
           row0.data[kLexRowCodes + 2], 0);
    ++count;
    std::memcpy(rows[0].data + kLexRowCodes + 4, a.data, n);
    rows[0].data[kLexRowCodes + 4 + n] = 0;
    return 0;
}

i16 WordRows(const BoundedString& work, const BoundedString& raw, bool hyphenated,
             LexWordValues& v, u16 hasAbbreviation, const BoundedString& abbreviation,
             StringList& rows, u16& count, u16 language) {
    const u8 classByte = LexClassByte(v.category, language);
    const u16 cls = v.inflectionClass;
    const u8 code1 = static_cast<u8>(static_cast<u8>(v.gender * 16) + (cls == 3 ? 8 : cls == 4 ? 0 : 4));
    i16 refusal = 0;
    const u8 code2 = InflectionCode(work, cls, v.category, language, refusal);
    if (refusal != 0) return refusal;
    SetRow(rows, 0, work, classByte, classByte, code1, code2, 0);
    count = 1;
    const bool noPlural = cls == 2 || cls == 3 || cls == 4 || classByte == 56;
    if (!noPlural) {
        const i16 r = PluralRows(work, hyphenated, cls, classByte, code1, code2, rows, count);
        if (r != 0) return r;
    }
    if (v.category != 1) return 0;
    if (v.expressionFlag == 1) {
        BoundedString key = NewString();
        BuildLexPhoneticKey(raw, key);
        SetRow(rows, 1, key, kLexClassPhonetic, classByte, code1, code2, 0);
        rows[0].data[kLexRowCodes + 3] = 1;
        count = 2;
    }
    if (hasAbbreviation == 1) return AbbreviationRow(raw, abbreviation, classByte, rows, count);
    return 0;
}

}  // namespace

u8 LexClassByte(u16 category, u16 language) {
    if (category == 1) return kLexClassProperNoun;
    const bool french = language != 0;
    if (category == 6) return french ? 61 : 58;
    if (category == 5) return french ? kLexClassFrenchVerb : kLexClassEnglishVerb;
    return static_cast<u8>(french ? 63 + category : 59 - category);
}

void BuildLexPhoneticKey(const BoundedString& text, BoundedString& key) {
    u8 a[64] = {};
    u32 n = 0;
    const u32 len = TextLen(text);
    for (u32 i = 0; i < len && n < 63; ++i) {
        u8 c = ToLowerMacRoman(text.data[i]);
        if (c == ' ') c = kMarkBlank;
        if (c == '.' && i + 2 < len && text.data[i + 1] == '.' && text.data[i + 2] == '.') {
            c = 201;
            i += 2;
        }
        a[n++] = c;
    }
    u8 b[64] = {};
    u32 m = 0;
    for (u32 i = 0; i < n; ++i) {
        if (i > 0 && a[i - 1] == a[i]) continue;
        u8 c = a[i];
        if (c >= 135 && c <= 140) c = 'a';
        else if (c == 141) c = 'c';
        else if (c >= 142 && c <= 145) c = 'e';
        else if (c >= 146 && c <= 149) c = 'i';
        else if (c == 150) c = 'n';
        else if (c >= 151 && c <= 155) c = 'o';
        else if (c >= 156 && c <= 159) c = 'u';
        b[m++] = c;
    }
    u8 out[64] = {};
    u32 k = 0;
    for (u32 i = 0; i < m && k < 35; ++i) {
        const u8 c = b[i];
        const u8 next = i + 1 < m ? b[i + 1] : 0;
        if (c == kMarkBlank) {
            if (i + 3 < m && b[i + 1] == 'e' && b[i + 2] == 't' && b[i + 3] == kMarkBlank) {
                out[k++] = '&';
                i += 3;
            }
            continue;
        }
        if (c == '"' || (c >= 39 && c <= 47)) continue;
        if (c == 'g' && next == 'e') {
            const u8 after = i + 2 < m ? b[i + 2] : 0;
            out[k++] = 'j';
            if (std::strchr("aeiouy", after) != nullptr && after != 0) ++i;
            continue;
        }
        if (c == 'h' && i > 0) {
            if (b[i - 1] == 'p' && k > 0) out[k - 1] = 'f';
            else if (b[i - 1] == 'c') out[k++] = 'h';
            continue;
        }
        if (c == 'a' && next == 'u') {
            if (i > 0 && b[i - 1] == 'e' && k > 0) out[k - 1] = 'o';
            else out[k++] = 'o';
            ++i;
            continue;
        }
        if (c == 'a' && next == 'n') {
            out[k++] = 'e';
            continue;
        }
        out[k++] = c == 'y' ? 'i' : c;
    }
    CopyCString(key, reinterpret_cast<const char*>(out));
}

i16 AnalyseLexInflection(const BoundedString& word, LexWordValues& values,
                         const BoundedString& modelVerb, u16 hasAbbreviation,
                         const BoundedString& abbreviation, StringList& rows, u16& rowCount,
                         u16 language) {
    const u32 length = TextLen(word);
    const bool expression = values.category == 1 && values.expressionFlag == 1;
    if (length >= (expression ? 35u : 25u)) return kLexWordTooLong;
    BoundedString work = NewString();
    Flatten(work, word);
    BoundedString raw = NewString();
    CopyString(raw, work);
    u32 blanks = 0;
    const bool hyphenated = NormaliseWork(work, blanks);
    if (blanks > 0 && !expression) return kLexBlankInWord;
    if (blanks > 4) return kLexTooManyBlanks;
    if (rows.count < 3) return kLexTooManyRows;
    u16 count = 0;
    i16 r = 0;
    if (values.category == 6) {
        SetRow(rows, 0, work, LexClassByte(6, language), 20, 0, 27, 0);
        count = 1;
    } else if (values.category == 5) {
        r = LexVerbRows(work, values.inflectionClass, modelVerb, rows, count, language);
    } else {
        r = WordRows(work, raw, hyphenated, values, hasAbbreviation, abbreviation, rows, count, language);
    }
    if (r != 0) return r;
    rowCount = count;
    return 0;
}

u16 AnalyseLexInflection(const BoundedString& word, u16 option1, u16 option2, u16 option3,
                         u16 option4, u16 option5, BoundedString& work1, BoundedString& work2,
                         StringList& results, BoundedString& /*outWord*/, u16 language) {
    LexWordValues v;
    v.expressionFlag = option1;
    v.category = option2;
    v.gender = option3;
    v.inflectionClass = option4;
    u16 count = 0;
    const i16 r = AnalyseLexInflection(word, v, work1, option5, work2, results, count,
                                       option2 == 1 && language == 0 ? 3 : language);
    return static_cast<u16>(r);
}
