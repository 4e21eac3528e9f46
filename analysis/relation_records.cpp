// The word records of the relation text: one semicolon-separated line per
// word with its category, its relation to another word and its features.
#include "analysis/relation_records.h"

#include "analysis/relation_text.h"
#include "analysis/xml_output.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/format.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"

namespace {

const char* const kGenders[] = {"sans genre", "masculin", MR("féminin"), MR("masculin et féminin")};
const char* const kNumbers[] = {"sans nombre", "singulier", "pluriel", "singulier et pluriel"};
const char* const kPersons[] = {"pas de personne", "1re personne", "2e personne", "3e personne"};

const WordRecord& W(i32 x) { return gWords.ClampedAt(x); }
const char* Str(const BoundedString& s) { return reinterpret_cast<const char*>(s.data); }
// The relation text is French whatever the interface language: its phrases
// ("est %s de", "a pour %s") take the French names, never the English ones.
const char* Name(u16 code) { return Str(gFrenchCategoryLabels.ClampedAt(code)); }
bool Linked(i32 x) { return W(x).LinkedWord != 0xFFFF; }

struct Records {
    char* buffer;
    u32 capacity;
    u16* counter;
    i32 i;
    u16 code;    // the word's category code
    u16 record;  // the code written (63 for a verb form read as a participle)
    u16 fc;
    char tail[200];  // fields 10 to 13
};

u16 Next(Records& r) { return (*r.counter)++; }

void Plain(Records& r, const char* name, u16 code) {
    AppendToBuffer(r.buffer, r.capacity, "%d;%d;%s;%s;;;%d;;;%s\n", Next(r), r.i, Str(W(r.i).WordText), name, code,
                   r.tail);
}

// The segment holding word x.
i32 SegmentOf(i32 x) {
    i32 s = 0;
    for (i32 k = 0; k < static_cast<i32>(gSegmentCount); ++k)
        if (gSegments[k].FirstWord <= x) s = k;
    return s;
}

// One "est sujet de" record per conjugated-verb segment whose first word is
// linked to the word's segment; false when there is none.
bool SubjectOf(Records& r, const char* name) {
    const i32 own = SegmentOf(r.i);
    bool any = false;
    for (i32 k = 0; k < static_cast<i32>(gSegmentCount); ++k) {
        const i32 v = gSegments[k].FirstWord;
        if (gSegments[k].SegmentKind != 14 || W(v).LinkedWord != own) continue;
        AppendToBuffer(r.buffer, r.capacity, "%d;%d;%s;%s;est %s de;%s;%d;%d;%d;%s\n", Next(r), r.i,
                       Str(W(r.i).WordText), name, Name(75), Str(W(v).BaseText), r.record, r.fc, v, r.tail);
        any = true;
    }
    return any;
}

bool Skipped(const Records& r) {
    const WordRecord& w = W(r.i);
    const u16 c = r.code;
    const bool french = gCheckingLanguage != 0;
    if (c == 7 || c == 16 || c == 19 || c == 20) return true;
    if (c == 8 && w.ReadingClasses[0] > 108) return true;
    if (c == 15 && !(w.ReadingCategories[0] == 15 && (r.i == 0 || W(r.i - 1).ReadingClasses[0] != 128))) return true;
    if (c == 18 && french && (w.ReadingMarks[0] & 0x7F) < 28) return true;
    if (c == 0 || c == 1) {
        const u8 mark = w.ReadingMarks[0];
        if (french && w.ReadingClasses[0] == 128) return true;
        if (!french && ((mark >= 27 && mark <= 39) || mark == ';' || mark == 'T')) return true;
    }
    return false;
}

bool VerbRecords(Records& r) {
    const WordRecord& w = W(r.i);
    const bool french = gCheckingLanguage != 0;
    const char* text = Str(w.WordText);
    if (french && w.ReadingFeatures[0] == 1 && r.fc != 74) {
        if (!Linked(r.i))
            AppendToBuffer(r.buffer, r.capacity, "%d;%d;%s;est : %s%s;;;%d;%d;;%s\n", Next(r), r.i, text, "verbe",
                           MR(" au participe présent"), 1, r.fc, r.tail);
        else
            AppendToBuffer(r.buffer, r.capacity, "%d;%d;%s;est : %s%s;;%s;%d;%d;%d;%s\n", Next(r), r.i, text, "verbe",
                           MR(" au participe présent"), Str(W(w.LinkedWord).BaseText), 1, r.fc, w.LinkedWord, r.tail);
        return true;
    }
    if (french && w.ReadingFeatures[0] == 1) {
        const i32 L = Linked(r.i) ? w.LinkedWord : -1;
        const i32 head = gSegments.ClampedAt(L >= 0 ? L : 0).LastWord;
        if (L < 0)
            AppendToBuffer(r.buffer, r.capacity, MR("%d;%d;%s;est : %s%s;a pour %s « %s »;;%d;%d;;%s\n"), Next(r), r.i, text,
                           "verbe", MR(" au participe présent"), "sujet", Str(W(head).BaseText), 1, r.fc, r.tail);
        else
            AppendToBuffer(r.buffer, r.capacity, MR("%d;%d;%s;est : %s%s;a pour %s « %s »;%s;%d;%d;%d;%s\n"), Next(r), r.i,
                           text, "verbe", MR(" au participe présent"), "sujet", Str(W(head).BaseText),
                           Str(W(L).BaseText), 1, r.fc, L, r.tail);
        return true;
    }
    if (french && (r.fc == 83 || r.fc == 38)) {
        AppendToBuffer(r.buffer, r.capacity, "%d;%d;%s;est un %s %s;;;%d;%d;;%s\n", Next(r), r.i, text, "verbe",
                       Name(r.fc), 1, r.fc, r.tail);
        return true;
    }
    if (w.ReadingCategories[0] == 13) {
        if (r.fc != 75 || !SubjectOf(r, "verbe")) Plain(r, "verbe", 1);
        return true;
    }
    if (w.ReadingClasses[0] >= 128 && (r.fc == 74 || r.fc == 81 || r.fc == 82 || r.fc == 76)) {
        const i32 d = w.LinkedWord;
        const SegmentRecord& seg = gSegments.ClampedAt(d);
        bool any = false;
        for (i32 s = seg.FirstWord; s <= GroupEnd(d) && d != 0xFFFF; ++s) {
            const bool upper = W(s).ReadingCategories[0] >= 7 && w.ReadingFeatures[0] == 0 && seg.SegmentKind == 14;
            const bool voice = ((seg.SegmentKind == 24 || seg.SegmentKind == 13) && W(s).FunctionCode == 75) ||
                               (seg.SegmentKind == 23 && s == seg.LastWord);
            const char* base = Str(W(s).BaseText);
            if (upper && r.fc == 74)
                AppendToBuffer(r.buffer, r.capacity, "%d;%d;%s;%s;a pour %s;%s;%d;%d;%d;%s\n", Next(r), r.i, text,
                               "verbe", "sujet", base, 1, r.fc, s, r.tail);
            else if (upper)
                AppendToBuffer(r.buffer, r.capacity, MR("%d;%d;%s;%s;est %s « %s »;%s;%d;%d;%d;%s\n"), Next(r), r.i, text,
                               "verbe", Name(r.fc), Str(W(w.LinkedWord).BaseText), base, 1, r.fc, s, r.tail);
            else if (voice && r.fc != 81 && r.fc != 82)
                AppendToBuffer(r.buffer, r.capacity, MR("%d;%d;%s;%s, à la voix active;a pour %s;%s;%d;%d;%d;%s\n"),
                               Next(r), r.i, text, "verbe", "sujet", base, 1, r.fc, s, r.tail);
            else if (voice)
                AppendToBuffer(r.buffer, r.capacity, "%d;%d;%s;%s, %s;a pour %s;%s;%d;%d;%d;%s\n", Next(r), r.i, text,
                               "verbe", Name(r.fc), "sujet", base, 1, r.fc, s, r.tail);
            any = any || upper || voice;
        }
        if (!any) Plain(r, "verbe", 1);
        return true;
    }
    return false;
}

void WordRecords(Records& r) {
    const WordRecord& w = W(r.i);
    const char* text = Str(w.WordText);
    const char* name = Name(r.code);
    if (Skipped(r)) return;
    if (r.code >= 10 && r.code <= 13 && r.fc == 0) return Plain(r, name, r.record);
    if (r.code == 1 && VerbRecords(r)) return;
    if (r.code == 14 && r.fc == 14) {
        if (!Linked(r.i))
            AppendToBuffer(r.buffer, r.capacity, "%d;%d;%s;est : %s nominale;;;%d;%d;;%s\n", Next(r), r.i, text,
                           "partie de locution", 14, 14, r.tail);
        else
            AppendToBuffer(r.buffer, r.capacity, "%d;%d;%s;est : %s nominale;;%s;%d;%d;%d;%s\n", Next(r), r.i, text,
                           "partie de locution", Str(W(w.LinkedWord).BaseText), 14, 14, w.LinkedWord, r.tail);
        return;
    }
    if (r.code != 17 && r.fc == 75) {
        if (!SubjectOf(r, name)) Plain(r, name, r.record);
        return;
    }
    if (r.fc == 77) {
        const i32 d = w.LinkedWord;
        const SegmentRecord& seg = gSegments.ClampedAt(d);
        if (d >= static_cast<i32>(gSegmentCount)) return;  // no word in the designated group
        for (i32 s = seg.FirstWord; s <= GroupEnd(d); ++s) {
            const bool subject = (seg.SegmentKind == 24 || seg.SegmentKind == 13) && W(s).FunctionCode == 75;
            if (subject || (seg.SegmentKind == 23 && s == seg.LastWord) || W(s).ReadingCategories[0] < 7)
                AppendToBuffer(r.buffer, r.capacity, "%d;%d;%s;%s;est attribut de;%s;%d;%d;%d;%s\n", Next(r), r.i,
                               text, name, Str(W(s).BaseText), r.record, r.fc, s, r.tail);
        }
    }
    if (r.code == 5 && r.fc == 79) {
        AppendToBuffer(r.buffer, r.capacity, "%d;%d;%s;%s;est : %s;%s;%d;%d;%d;%s\n", Next(r), r.i, text,
                       "pronom relatif", MR("représentant de"), Str(W(r.i - 1).BaseText), 5, r.fc, r.i - 1, r.tail);
        return;
    }
    const u16 c = r.code;
    if (c == 9 || c == 15 || c == 17 || c == 18 || c == 69 || c == 84) {
        Plain(r, name, r.record);
    } else if (c != 0 && c != 14) {
        if (!Linked(r.i))
            AppendToBuffer(r.buffer, r.capacity, "%d;%d;%s;%s;est %s;;%d;%d;;%s\n", Next(r), r.i, text, name,
                           Name(r.fc), r.record, r.fc, r.tail);
        else
            AppendToBuffer(r.buffer, r.capacity, "%d;%d;%s;%s;est %s;%s;%d;%d;%d;%s\n", Next(r), r.i, text, name,
                           Name(r.fc), Str(W(w.LinkedWord).BaseText), r.record, r.fc, w.LinkedWord, r.tail);
    } else {
        return;
    }
    if (c == 17 || c == 5) AppendToBuffer(r.buffer, r.capacity, "%s\n", Name(80));
}

}  // namespace

void WriteWordRecords(char* buffer, u32 capacity, u16* counter) {
    for (i32 i = 0; i < static_cast<i32>(gWordCount); ++i) {
        WordRecord& w = gWords[i];
        const u16 c = w.GroupMark;
        if (c == 10 || (c >= 21 && c <= 24)) TextCopy(w.WordText, w.BaseText);
        if (c == 14) TextCopy(w.BaseText, w.SeparatorText);
    }
    for (i32 i = 0; i < static_cast<i32>(gWordCount); ++i) {
        const WordRecord& w = gWords[i];
        Records r{buffer, capacity, counter, i, w.GroupMark, w.GroupMark, w.FunctionCode, {}};
        if (r.code == 1 && w.ReadingCategories[0] == 10 && w.ReadingClasses[0] > 127) r.record = 63;
        u32 person = 0, number = 0, gender = 0;
        const u8 cls = w.ReadingClasses[0];
        if (cls >= 64 && cls <= 127) {
            const u8 f = w.ReadingFeatures[0];
            person = f & 3;
            number = (f >> 2) & 3;
            gender = (f >> 4) & 3;
            if (number == 0) number = 3;
            if (gender == 0) gender = 3;
        }
        FormatToBuffer(r.tail, sizeof r.tail, "%s;%s;%s;%s", Str(w.BaseText), kGenders[gender], kNumbers[number],
                       kPersons[person]);
        WordRecords(r);
    }
}
