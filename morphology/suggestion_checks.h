// Dictionary tests, candidate edits and list additions shared by the
// spelling suggester (spelling variants, ending recovery, suggestion mode).
// Candidates are NUL-terminated texts of at most 35 bytes; an edit that
// would not fit is refused and the caller skips that candidate. Nothing
// here allocates.
#pragma once
#include "frame/bounded_array.h"
#include "frame/bounded_string.h"
#include "frame/tables.h"
#include "frame/types.h"

// Result of LookupWordForm under `mode` on a copy of w (the copy may be
// rewritten by the lookup; w never is). The analyses go to gWordTagCodes.
// Within a candidate search a candidate already refused is refused again
// without a lookup.
i16 LookupCandidate(u16 mode, const BoundedString& w);

// A candidate search (one TrySpellingVariants call): counts the dictionary
// tests and remembers the candidates refused, until it ends. The search
// tries many candidates twice (the rows, the insertions and the
// replacements overlap). Past `limit` tests every candidate is refused
// without a lookup.
void BeginCandidateSearch(u32 limit);
void EndCandidateSearch();
// Dictionary tests made since the search began.
u32 CandidateLookups();
// LookupCandidate above 0.
bool IsKnownForm(u16 mode, const BoundedString& w);
// AnalyseCompoundWord under `mode` on a copy of w answers above 0.
bool IsKnownCompound(u16 mode, const BoundedString& w);

// Sets the pending cost mark and adds w to the list through
// AddUniqueSuggestion. True when the list is full afterwards.
bool AddSuggestion(const BoundedString& w, u8 mark, u16& count, StringList& list);

// Edits of a candidate text; each returns false (text unchanged) when the
// result would exceed 35 bytes or the position lies outside the text.
bool InsertByte(BoundedString& w, i32 pos, u8 c);
bool DeleteByte(BoundedString& w, i32 pos);
bool AppendBytes(BoundedString& w, const u8* p, i32 n);
inline bool AppendText(BoundedString& w, const char* t) {
    return AppendBytes(w, reinterpret_cast<const u8*>(t), static_cast<i32>(std::strlen(t)));
}
inline bool AppendText(BoundedString& w, const BoundedString& t) {
    return AppendBytes(w, t.data, GetStringLength(t));
}
// Replaces byte pos (pos == length appends); false when it does not fit.
bool PutByte(BoundedString& w, i32 pos, u8 c);

// A section of a spelling row (1..5): its bytes and length. Rows come from
// the checking language's gEnglishSpellingRows / gFrenchSpellingRows by the
// letter's code in gLetterCodes; a letter without a code has no row.
struct RowSection {
    const u8* bytes = nullptr;
    i32 length = 0;
};
// The row of letter c, or false when c has no letter code.
bool SpellingRowSections(bool french, u8 c, RowSection (&sections)[5]);
