/*
 * KRZLib: English and French text checking.
 *
 * The exported C interface. All integer types are fixed width. Text passed in
 * and handed back is Windows-1252 unless the host switched the library to Mac
 * Roman with KRZUseMacRomanEncoding(1).
 *
 * Threading: the library keeps all of its state in globals and takes no
 * locks. Calls must not overlap: a host that calls from several threads must
 * serialise every call itself.
 *
 * Results: 0 or a positive count on success, a negative code on failure
 * (-5 file error, -8 memory exhausted or buffer too small).
 */
#ifndef KRZLIB_H
#define KRZLIB_H

#include <stdint.h>

#if defined(__GNUC__)
#define KRZ_API __attribute__((visibility("default")))
#else
#define KRZ_API
#endif

/* Languages (checking and word services). 10 and 11 run on the French
 * data with punctuation and space tables of their own. */
#define KRZ_LANGUAGE_ENGLISH 0
#define KRZ_LANGUAGE_FRENCH 3
#define KRZ_LANGUAGE_FRENCH_10 10
#define KRZ_LANGUAGE_FRENCH_11 11

/* Language masks (KRZGetAvailableCheckingLanguages, KRZGetListWordsLex). */
#define KRZ_LANGUAGE_MASK_ENGLISH 0x1u
#define KRZ_LANGUAGE_MASK_FRENCH 0x8u

/* Interface language (KRZSetInterfLanguage): any non-zero value is French. */
#define KRZ_INTERFACE_ENGLISH 0
#define KRZ_INTERFACE_FRENCH 3

/* KRZOptionNonUSUK: the English regional spellings accepted. */
#define KRZ_REGION_BOTH 0
#define KRZ_REGION_AMERICAN_ONLY 1
#define KRZ_REGION_BRITISH_ONLY 2

/* Tenses of KRZConjugate and KRZConjugate2 (and of KRZConjugateLex: 1-10). */
#define KRZ_TENSE_PRESENT_PARTICIPLE 0
#define KRZ_TENSE_PAST_PARTICIPLES 1
#define KRZ_TENSE_PRESENT 2
#define KRZ_TENSE_IMPERFECT 3
#define KRZ_TENSE_FUTURE 4
#define KRZ_TENSE_SIMPLE_PAST 5
#define KRZ_TENSE_PRESENT_SUBJUNCTIVE 6
#define KRZ_TENSE_IMPERFECT_SUBJUNCTIVE 7
#define KRZ_TENSE_CONDITIONAL 8
#define KRZ_TENSE_IMPERATIVE 9
#define KRZ_TENSE_ENGLISH_PRINCIPAL_PARTS 10
#define KRZ_TENSE_ADJECTIVES_OF_NOUN ((uint16_t)-9)  /* French only */
#define KRZ_TENSE_NOUNS_OF_ADJECTIVE ((uint16_t)-8)  /* French only */

/* *flags of KRZConjugate2 (KRZConjugate: the first bit only). */
#define KRZ_CONJUGATE_MARKED_MODEL 0x1u
#define KRZ_CONJUGATE_TAG_CLASS_MASK 0xEu
#define KRZ_CONJUGATE_TAG_CLASS_SHIFT 1
#define KRZ_CONJUGATE_ETRE 0x10u

/* General results (see each function for its own values). */
#define KRZ_ERROR_FILE (-5)
#define KRZ_ERROR_MEMORY (-8)

/* User-lexicon results. */
#define KRZ_LEX_OK 0
#define KRZ_LEX_KNOWN_WORD (-1)       /* KRZInsertLex ...: the main dictionary knows it */
#define KRZ_LEX_BAD_KEY (-1)          /* KRZSetLexicon ...: empty key or fifth record */
#define KRZ_LEX_ALREADY_IN_LEXICON (-2)
#define KRZ_LEX_ALREADY_ABBREVIATION (-3)
#define KRZ_LEX_FUNCTION_WORD (-4)
#define KRZ_LEX_FILE_ERROR (-5)
#define KRZ_LEX_TOO_MANY_EXPRESSIONS (-6)
#define KRZ_LEX_PROPER_NOUN_CAPITAL (-7)
#define KRZ_LEX_NO_MEMORY (-8)
#define KRZ_LEX_CHECK_FAILED (-9)
#define KRZ_LEX_NOT_A_LEXICON (-10)
#define KRZ_LEX_NO_FILE_OPEN (-11)
#define KRZ_LEX_NOT_FOUND (-12)
#define KRZ_LEX_BUSY (-13)            /* another process kept the lexicon file locked */
#define KRZ_LEX_REFUSED_TOO_SHORT 19
#define KRZ_LEX_REFUSED_CHARACTER 20

/* Categories of user-lexicon words (LexListRecord.category, KRZInsertLex). */
#define KRZ_LEX_PROPER_NOUN 1
#define KRZ_LEX_NOUN 2
#define KRZ_LEX_ADJECTIVE 3
#define KRZ_LEX_NOUN_OR_ADJECTIVE 4
#define KRZ_LEX_VERB 5
#define KRZ_LEX_INVARIABLE 6

/* Paragraph checks: TQ4D* suggestion modes. */
#define KRZ_SUGGEST_NONE 0
#define KRZ_SUGGEST_ALL 1
#define KRZ_SUGGEST_AT_OFFSET 2

#ifdef __cplusplus
extern "C" {
#endif

/* Versions: major and minor number of the library. */
KRZ_API int16_t KRZgetVersion(void);
KRZ_API int16_t KRZgetSubversion(void);

/* Platform frame.
 * setInstance: stores the host's module handle and returns it (hosts that
 * load the library without its entry point may call it before KRZInit).
 * loadVRELData, setVRELLanguage: accept a block pointer and do nothing; the
 * optional data set they stand for is not part of this library.
 * in_wn, wninit: lexical database query; no database is built in, so the
 * result is always 0 (unknown under every part of speech in the mask). */
KRZ_API void* setInstance(void* handle);
KRZ_API void loadVRELData(void* block);
KRZ_API void setVRELLanguage(void* block);
KRZ_API uint32_t in_wn(const char* text, uint32_t mask);
KRZ_API uint32_t wninit(const char* text, uint32_t mask);

/* Start, stop, languages and settings.
 * KRZInit: the first call loads the data (the English data only when
 * loadEnglish is non-zero; selecting English later loads it then) and sets
 * every setting below to its default; later calls only count. KRZEnd: the
 * call that matches the first KRZInit releases the data; a KRZEnd without a
 * KRZInit does nothing.
 * Languages: 0 English, 3 French (10 and 11 run on the French data);
 * KRZSetLanguage refuses any other value and keeps the current language.
 * KRZGetAvailableCheckingLanguages: bit 0 English, bit 3 French.
 * Interface language: non-zero gives French category names. */
KRZ_API void KRZInit(int32_t initialLanguage, int32_t loadEnglish);
KRZ_API void KRZEnd(void);
KRZ_API void KRZSetLanguage(uint16_t language);
KRZ_API uint16_t KRZGetLanguage(void);
KRZ_API uint32_t KRZGetAvailableCheckingLanguages(void);
KRZ_API int16_t KRZSetInterfLanguage(uint16_t language);
KRZ_API int16_t TQSetInterfLanguage(uint16_t language);
KRZ_API uint16_t KRZGetInterfLanguage(void);

/* Options; each returns the value stored. The regional-variant, medical and
 * single-language options act on English checking only.
 * KRZOptionNonUSUK: 0 both regional variants, 1 and 2 one of them; any other
 * value is remembered but leaves the variants as they are.
 * KRZSetNbWordsLongSentence: values above 32767 are taken as 32767.
 * KRZUseMacRomanEncoding: exactly 1 makes host text Mac Roman. */
KRZ_API int16_t KRZOptionNonUSUK(uint16_t value);
KRZ_API uint16_t KRZGetOptionNonUSUK(void);
KRZ_API void KRZOptionMed(uint16_t value);
KRZ_API int16_t KRZOptionLangUniq(uint16_t value);
KRZ_API int16_t KRZSetStraightQuotes(uint16_t value);
KRZ_API int16_t KRZSetNbWordsLongSentence(uint16_t value);
KRZ_API int16_t KRZUseMacRomanEncoding(uint16_t value);

/* Punctuation-sign rule of the punctuation checker (24 bytes, little-endian).
 * The sets are bit sets: bit i of precedingSigns accepts sign i of the same
 * table right before this one; bit i of spacesBefore/spacesAfter accepts
 * space character i of the language's list, and bit 31 also accepts a pair
 * of them. The reserved bytes are neither read nor written. */
typedef struct KRZPunctSignRule {
    uint32_t precedingSigns;
    uint32_t spacesBefore;
    uint8_t wordBefore;
    uint8_t checkBefore;
    uint8_t spaceForbiddenBefore;
    uint8_t spaceBeforeIndex;
    uint32_t spacesAfter;
    uint8_t wordAfter;
    uint8_t checkAfter;
    uint8_t spaceForbiddenAfter;
    uint8_t spaceAfterIndex;
    uint8_t sign;
    uint8_t reserved[3];
} KRZPunctSignRule;

/* Per-language tables, for languages 0, 3, 10 and 11 (others are ignored).
 * Characters and signs are converted like host text. A space list holds at
 * most 31 characters and a sign table 32 rules; longer inputs are cut. The
 * host buffers for KRZGetSpaces and KRZGetPunctSigns hold 32 entries.
 * KRZSetSpecialChars copies the 256-byte table unchanged and returns 256
 * (0 for a null table). The other table calls return 0; a null pointer
 * changes nothing. */
KRZ_API int32_t KRZSetSpecialChars(const uint8_t* table);
KRZ_API int16_t KRZSetSpaces(uint16_t count, const uint8_t* characters, uint16_t language);
KRZ_API int16_t KRZGetSpaces(uint16_t* count, uint8_t* characters, uint16_t language);
KRZ_API void KRZDefaultSpaces(void);
KRZ_API int16_t KRZSetPunctSigns(uint16_t count, const KRZPunctSignRule* rules,
                                 uint16_t language);
KRZ_API int16_t KRZGetPunctSigns(uint16_t* count, KRZPunctSignRule* rules, uint16_t language);
KRZ_API void KRZDefaultPunctSigns(void);

/* User lexicon: a file of the user's own words ("0270" format), opened with
 * KRZOpenLex (created when missing) and rewritten after every change; or a
 * memory image of the same format.
 * Codes: -1 empty key or a fifth record for one key, -5 the file cannot be
 * opened, created, read or written, -8 no memory or buffer too small, -10 a
 * file or image that is not a sound lexicon, -11 no lexicon file open, -12
 * entry not found, -13 another process kept the file locked for 5 seconds.
 * A file that may only be read is opened read-only: lookups work and every
 * change fails with -5. A failed KRZOpenLex leaves no file it created.
 * Changes lock the file (an advisory lock, from reading it to replacing it)
 * and first read the words other processes saved since it was loaded, so
 * two processes adding to one lexicon lose nothing.
 * KRZOpenLex: the path is used as given (no code-page conversion) and must
 * be shorter than 2048 bytes; a lexicon still open is closed first. On
 * failure no lexicon is open and nothing is remembered of the path.
 * KRZCloseLex empties the lexicon; KRZCloseLexFile keeps it in memory, where
 * it is still consulted, but refuses changes (-11) until a file is open.
 * KRZSetLexicon: size is the whole image; the image is checked in full
 * before anything changes (a failed call keeps the lexicon as it was) and is
 * written to the open file, or to the last file opened when none is open
 * (-5 when there was none: the image is then kept in memory only).
 * KRZGetLexicon writes the image into a buffer of KRZGetLexiconSize() bytes.
 * KRZGetCounterLex: the change counter, raised by every saved change.
 * KRZGetListWordsLex: the words of the languages in mask (bit 0 English,
 * bit 3 French; proper nouns and expressions always), sorted; *list is null
 * for an empty list. Returns the count, or -8 (then *list is not written).
 * Release the list with KRZDisposeListWordsLex (null allowed). */
typedef struct LexListRecord {
    char text[36];        /* the word, NUL-terminated host text */
    uint16_t category;    /* 1 proper noun or expression, 2 noun, 3 adjective,
                             4 noun or adjective, 5 verb, 6 other */
    uint16_t value;       /* category 1: the word's value code; else 0 */
    uint16_t language;    /* 0 English, 3 French (and category 1) */
    char abbreviation[5]; /* category 1: its abbreviation (NUL-terminated
                             unless 5 bytes long); else empty */
    uint8_t reserved;
} LexListRecord;

KRZ_API int32_t KRZOpenLex(const char* path);
KRZ_API int16_t KRZCloseLex(void);
KRZ_API int16_t KRZCloseLexFile(void);
KRZ_API int16_t KRZSetLexicon(const void* image, uint32_t size);
KRZ_API int16_t KRZGetLexicon(void* buffer, uint32_t size);
KRZ_API uint32_t KRZGetLexiconSize(void);
KRZ_API uint32_t KRZGetCounterLex(void);
KRZ_API int32_t KRZGetListWordsLex(LexListRecord** list, uint16_t languageMask);
KRZ_API void KRZDisposeListWordsLex(LexListRecord* list);

/* Words of the user lexicon. Texts in the host's code page; a word is cut
 * to 35 bytes, a model verb to 35, an abbreviation to 4.
 * category: 1 proper noun or expression (kept with its capitals, the same
 * in both languages), 2 noun, 3 adjective, 4 noun or adjective, 5 verb,
 * 6 invariable word. inflectionClass (not verbs): 1 plural in -s, 2 no
 * generated plural, 3 given in the plural, 4 invariable, 6 French -x/-aux,
 * 5 English -es, 7 English -y/-ies, 8 English -man/-men, 9 English -a/-ae
 * and -as. verbFlag (verbs): 1 keeps only the masculine singular past
 * participle. modelVerb (verbs): an infinitive conjugated the same way.
 * language: 0 English, any other value French.
 * KRZInsertLex, KRZChangeLex, KRZRemoveLex: 0 done and saved; a positive
 * refusal (1-18 the word does not fit its values, 19 too short, 20 a
 * character not allowed); -1 the main dictionary knows the word, -2 already
 * in the lexicon, -3 already an abbreviation, -4 a French function word,
 * -5 the file could not be written, -6 four expressions share the phonetic
 * key, -7 a single proper noun without a capital, -8, -11, -12, -13 as
 * above, -9 the lexicon failed its check. An inflection class the tables do
 * not define for a name, noun or adjective (French 1-4 and 6, English 1-9)
 * is refused with 11. On any failure the lexicon and its file are
 * as they were. KRZRemoveLex of a missing word returns 0.
 * KRZGetValuesWordLex: the stored values (zeros and empty texts for a
 * missing word); outText (36 bytes) the verb, outAbbreviation (36 bytes).
 * KRZAnalyseWordLex: proposes the values of a new word (category 0 when no
 * rule decides); modelVerb receives 36 bytes. 0 proposed, -1 the main
 * dictionary knows the word.
 * KRZConjugateLex: the forms (6 x 36 bytes) of a new verb conjugated like
 * modelVerb in one tense (1-9 French, 10 English); 0, -1 the verb is known,
 * or the refusals 3-6, 13, 14 of KRZInsertLex. */
KRZ_API int16_t KRZInsertLex(const char* word, uint16_t expressionFlag, uint16_t category,
                             uint16_t gender, uint16_t inflectionClass, uint16_t verbFlag,
                             const char* modelVerb, const char* abbreviation, int32_t language);
KRZ_API int16_t KRZChangeLex(const char* word, uint16_t expressionFlag, uint16_t category,
                             uint16_t gender, uint16_t inflectionClass, uint16_t verbFlag,
                             const char* modelVerb, const char* abbreviation, int32_t language);
KRZ_API int16_t KRZRemoveLex(const char* word, uint16_t category, int32_t language);
KRZ_API void KRZGetValuesWordLex(const char* word, uint16_t category, uint16_t* outExpressionFlag,
                                 uint16_t* outGender, uint16_t* outInflectionClass,
                                 uint16_t* outVerbFlag, char* outText, char* outAbbreviation,
                                 int32_t language);
KRZ_API int16_t KRZAnalyseWordLex(const char* word, uint16_t* outExpressionFlag,
                                  uint16_t* outCategory, uint16_t* outGender,
                                  uint16_t* outInflectionClass, uint16_t* outVerbFlag,
                                  char* modelVerb, uint16_t language);
KRZ_API int16_t KRZConjugateLex(const char* verb, uint16_t tense, int16_t* count, char* results,
                                int16_t verbFlag, const char* modelVerb, uint16_t language);

/* Paragraph checking.
 * The host hands a paragraph (NUL-terminated), a character range [start,
 * end] (end inclusive) and a table of at least 60 ParagraphErrorRecords; the
 * whole sentence holding start is checked, and every sentence up to the one
 * holding end. Each call returns the number of records it wrote (0 to 60);
 * 0 for a negative start or end, a null text or table, or when memory runs
 * out. Offsets are character offsets into the paragraph; after a
 * replacement the checker applied to its working text, later offsets count
 * in the changed text.
 * Flags, in order: the correction option, plainUnknownReadings (0 gives
 * unknown capitalised or digit-bearing words a fallback reading), accents
 * on capitals, apply user-lexicon replacements.
 * categoryMask: a finding whose category bit is clear is not recorded
 * (KRZ_CATEGORY_* below); findings without a bit are always recorded.
 * TQ4D*: mode 0 no suggestions, 1 suggestions for every error, any other
 * value only for errors covering the word at charOffset. A last sentence
 * without a final mark gets only spelling-type findings from
 * TQ4DTestGrammarParagraph.
 * Message texts are heap copies owned by the library: release a filled
 * table with KRZClearParagraphTab(table, count) before reusing it (it
 * nulls each pointer it frees, so a second call frees nothing). */
#define KRZ_MAX_PARAGRAPH_ERRORS 60
#define KRZ_SUGGESTION_SLOTS 12
#define KRZ_SUGGESTION_SIZE 108

/* Error classes. */
#define KRZ_CLASS_LEXICON_REPLACEMENT 1
#define KRZ_CLASS_SPELLING 2
#define KRZ_CLASS_GRAMMAR 3
#define KRZ_CLASS_QUALIFIER_AGREEMENT 4
#define KRZ_CLASS_CLAUSE_AGREEMENT 5
#define KRZ_CLASS_PARTICIPLE_AGREEMENT 6
#define KRZ_CLASS_SUBJECT_VERB_AGREEMENT 7
#define KRZ_CLASS_ATTRIBUTE_AGREEMENT 8
#define KRZ_CLASS_PUNCTUATION 9

/* Category mask bits. */
#define KRZ_CATEGORY_REPEATED_WORD 0x1u
#define KRZ_CATEGORY_LIGATURE 0x2u
#define KRZ_CATEGORY_PROPER_NOUN_CAPITAL 0x4u
#define KRZ_CATEGORY_SIGN_1 0x8u /* stray or unbalanced signs, kinds 1 to 5 */
#define KRZ_CATEGORY_SIGN_2 0x10u
#define KRZ_CATEGORY_SIGN_3 0x20u
#define KRZ_CATEGORY_SIGN_4 0x40u
#define KRZ_CATEGORY_SIGN_5 0x80u
#define KRZ_CATEGORY_MISSING_VERB 0x100u
#define KRZ_CATEGORY_QUESTION_WITHOUT_MARK 0x200u
#define KRZ_CATEGORY_MARK_WITHOUT_QUESTION 0x400u
#define KRZ_CATEGORY_UNANALYSABLE 0x800u
#define KRZ_CATEGORY_NEGATION 0x1000u
#define KRZ_CATEGORY_REPETITION 0x2000u
#define KRZ_CATEGORY_RELATIVES 0x4000u
#define KRZ_CATEGORY_SUBORDINATES 0x8000u
#define KRZ_CATEGORY_LONG_SENTENCE 0x10000u
#define KRZ_CATEGORY_REGISTER 0x20000u
#define KRZ_CATEGORY_VERB_CONSTRUCTION 0x40000u
#define KRZ_CATEGORY_ALL 0x7FFFFu

/* One error of a paragraph. The message pointer takes natural alignment:
 * 1328 bytes on 64-bit hosts, 1316 on 32-bit ones. */
typedef struct ParagraphErrorRecord {
    uint32_t start;      /* first character of the error span */
    uint32_t end;        /* last character of the span (inclusive) */
    uint16_t errorClass; /* KRZ_CLASS_* */
    uint16_t reserved1;
    char* message;       /* explanation text, host code page; may be empty */
    uint16_t suggestionCount; /* 0 to 12 */
    char suggestions[KRZ_SUGGESTION_SLOTS][KRZ_SUGGESTION_SIZE]; /* host code page */
    uint16_t reserved2;
} ParagraphErrorRecord;

KRZ_API uint32_t KRZTestGrammarParagraph(const char* text, int32_t start, int32_t end,
                                         ParagraphErrorRecord* table, uint32_t categoryMask,
                                         uint16_t correctionOption, uint16_t plainUnknownReadings,
                                         uint16_t accentsOnCapitals, uint16_t applyLexiconReplacements);
KRZ_API uint32_t KRZTestSpellingParagraph(const char* text, int32_t start, int32_t end,
                                          ParagraphErrorRecord* table, uint16_t correctionOption,
                                          uint16_t plainUnknownReadings, uint16_t accentsOnCapitals,
                                          uint16_t applyLexiconReplacements);
KRZ_API uint32_t TQ4DTestGrammarParagraph(const char* text, int32_t start, int32_t end,
                                          ParagraphErrorRecord* table, uint32_t categoryMask,
                                          uint16_t correctionOption, uint16_t plainUnknownReadings,
                                          uint16_t accentsOnCapitals,
                                          uint16_t applyLexiconReplacements, uint16_t mode,
                                          int32_t charOffset);
KRZ_API uint32_t TQ4DTestSpellingParagraph(const char* text, int32_t start, int32_t end,
                                           ParagraphErrorRecord* table, uint16_t correctionOption,
                                           uint16_t plainUnknownReadings, uint16_t accentsOnCapitals,
                                           uint16_t applyLexiconReplacements, uint16_t mode,
                                           int32_t charOffset);
KRZ_API void KRZClearParagraphTab(ParagraphErrorRecord* table, int16_t count);

/* Spacing around punctuation signs of the sentences from the one holding
 * start to the one holding end, against the checking language's sign rules
 * and space characters (KRZSetPunctSigns, KRZSetSpaces), and runs of
 * several spaces. Records are of class KRZ_CLASS_PUNCTUATION with the
 * message in the interface language and one suggestion; at most 60. */
KRZ_API uint32_t KRZPunctParagraph(const char* text, int32_t start, int32_t end,
                                   ParagraphErrorRecord* table);

/* Word services. A word is cut to its first 35 bytes; each result fills a
 * 36-byte slot of the host's buffer (offsets 0, 36, 72 ...). Languages: 0
 * English, 3 French (10 and 11 run on the French data); accentsOnCapitals
 * non-zero writes capital results with their accents.
 * KRZSuggestions: up to 12 spelling suggestions (results: 12 x 36 bytes),
 * best first, typed capitals kept. Returns 1 with a count of 0 when the word
 * is empty or known, 0 otherwise (also when nothing is suggested); -1 for
 * a null argument, -8 when memory runs out. */
KRZ_API int16_t KRZSuggestions(const char* word, int16_t* count, char* results,
                               uint16_t accentsOnCapitals, uint16_t language);

/* Word forms. Results are written in the typed word's capitals (all
 * capitals, or a capital initial); a French word typed in capitals without
 * accents is first matched to its accented spelling. At most 2 results
 * (KRZInfinitive, KRZPlural, KRZSingular) or 6 (conjugations) are written,
 * and *count never exceeds that number. -1 for a null word, count or
 * results, -8 when memory runs out.
 * KRZInfinitive: the infinitive(s) of a verb form. Returns the verb's model
 * code (above 100 for a marked model), 9 for a capitalised French word
 * unknown under any accent, 11 for an empty word or no verb form.
 * KRZConjugate2: the forms of a verb in one tense: 0 present participle,
 * 1 past participles, 2 present, 3 imperfect, 4 future, 5 simple past,
 * 6 present subjunctive, 7 imperfect subjunctive, 8 conditional,
 * 9 imperative (one result per person; an empty result where the form does
 * not exist); 10 the English principal parts. French only: tense -9 lists
 * the adjectives related to a noun, -8 the nouns related to an adjective.
 * Returns the model code (100 taken off), 9 or 11 for no verb, 20 for an
 * empty word; -1 for a null word, count, results or flags pointer; -2 for a
 * tense the language does not have (English: any but 10). *flags (0 whenever
 * nothing was conjugated): bit 0 the model was marked, bits 1-3 the verb's
 * tag class (1 below 0xA, 2 to 7 for 0xA to 0xF), bit 4 the verb takes the
 * auxiliary "être". KRZConjugate: the same, with bit 0 only in *flag.
 * KRZPlural, KRZSingular: 0 with the forms, else the reason there is none
 * (9 unknown, 34 invariable, 35 no plural or empty word ...). */
KRZ_API int16_t KRZInfinitive(const char* word, uint16_t* count, char* results, uint16_t accentsOnCapitals,
                              uint16_t language);
KRZ_API int16_t KRZConjugate2(const char* word, uint16_t tense, int16_t* count, char* results,
                              uint16_t* flags, uint16_t accentsOnCapitals, uint16_t language);
KRZ_API int16_t KRZConjugate(const char* word, uint16_t tense, int16_t* count, char* results,
                             uint16_t* flag, uint16_t accentsOnCapitals, uint16_t language);
KRZ_API int16_t KRZPlural(const char* word, int16_t* count, char* results, uint16_t accentsOnCapitals,
                          uint16_t language);
KRZ_API int16_t KRZSingular(const char* word, uint16_t* count, char* results, uint16_t accentsOnCapitals,
                            uint16_t language);

/* French reference dictionary (headwords, part-of-speech labels and
 * synonym groups; always French, whatever the checking language).
 * KRZLitDictWord: the entries at and after the word (case, accents,
 * hyphens and apostrophes ignored; a word not found locates the entry
 * that follows it); fills up to max records, writes the number filled to
 * *count and the located entry to *entry. Returns 1 when the located
 * entry's headword is the word, else 0.
 * KRZLitDictOffset: the entries from entry number `entry` on; an entry
 * past the text is read as the last entry. Returns 0.
 * max <= 0 gives no records. Texts in the host's code page; lines are
 * separated by line feeds and never begin with blanks. */
typedef struct LitDictResultRecord {
    uint16_t headwordLength; /* leading bytes of text that form the headword */
    char text[1000];         /* NUL-terminated, at most 999 bytes */
} LitDictResultRecord;

KRZ_API int16_t KRZLitDictWord(const char* word, LitDictResultRecord* results, int16_t max,
                               uint16_t* count, uint32_t* entry);
KRZ_API int16_t KRZLitDictOffset(uint32_t entry, LitDictResultRecord* results, int16_t max,
                                 uint16_t* count);

/* Word-level analysis. Texts in the host's code page; offsets are character
 * offsets into the paragraph (end offsets inclusive). Each paragraph call
 * cuts the paragraph into sentences and checks each sentence it needs
 * (nothing is reported); words are cut to 35 bytes.
 *
 * KRZGetWordAnalysis: the word at *start (in: an offset; out: the word's
 * first offset, *end its last) described in its sentence. Returns 0 when
 * no word is there (an offset at or past the text's end), 1 analysed, 2 a
 * spelling error covers the word (the texts stay empty), 3 analysed, and
 * the sentence holds a grammar finding (codes 40 to 52 or 58). Outputs, in
 * the interface language: altTexts (8 x 120 bytes) the word's other
 * readings; formTexts (12 x 120) its entries in the list of homophones and
 * function words; mainTexts (10 x 120) 0 the first reading, 1 its role;
 * synonymTexts (11 x 1000): French only, slot 0 a note on the synonyms and
 * slot 1 the word's register (bit 0 and bit 1 of *specialSlots say which
 * are filled), the synonyms from slot 2 on (*synonymCount of them, -1 for
 * none); baseForm (36 bytes) the word's base form. The fourth argument is
 * not read.
 * KRZOneWordAnalysis: the word kinds of a word out of context, one byte per
 * reading (at most 8; 25 is a verb form), returning 1; for an unknown word
 * 0, and with wantSuggestions up to 12 suggestions (12 x 36 bytes).
 * Languages 3 French, 0 English.
 * corpusEnglish: non-zero when the English dictionary knows the word.
 * KRZGetIndexWord: the bounds of the word at *start (the last word when
 * none reaches it); 0, with both unchanged, for an offset outside the text
 * or a text without words. */
KRZ_API int16_t KRZGetWordAnalysis(const char* text, uint32_t* start, uint32_t* end, uint32_t unused,
                                   uint32_t accentsOnCapitals, int16_t* altCount, char* altTexts,
                                   int16_t* formCount, char* formTexts, int16_t* mainCount, char* mainTexts,
                                   uint16_t* specialSlots, int16_t* synonymCount, char* synonymTexts,
                                   char* baseForm);
KRZ_API int16_t KRZOneWordAnalysis(const char* word, uint16_t* kindCount, uint8_t* kinds,
                                   int16_t* suggestionCount, char* suggestions, uint16_t accentsOnCapitals,
                                   uint16_t wantSuggestions, int16_t language);
KRZ_API int16_t corpusEnglish(const char* word);
KRZ_API int16_t KRZGetIndexWord(const char* text, uint32_t* start, uint32_t* end);

/* Stems. KRZStem: the distinct base forms of the paragraph's content words
 * (36-byte slots, at most maxStems) with the number of words of each;
 * returns 1 when a new one did not fit. KRZCountMaxStemForms: the number of
 * content words (a bound on the stems), at most 32767 (INT16_MAX: a larger
 * number is given as 32767, never wrapped; KRZStem then fills at most 32767).
 * KRZStemAnalysis: one entry per word with a nominal, verb or number
 * reading: the word (36 bytes), its offsets, its possible base forms
 * separated by '|' (360 bytes; listCounts their number) and one class
 * letter per form (36 bytes: N noun, A adjective, B noun or adjective, V
 * verb, O number or address); returns 1 when an entry did not fit
 * maxEntries. runRules 0 checks only the words, not the rules.
 * KRZCountMaxStemAnalysisForms: the number of entries it would write, at
 * most 65535 (UINT16_MAX: a larger number is given as 65535, never wrapped;
 * KRZStemAnalysis then fills at most 65535). */
KRZ_API int16_t KRZStem(const char* text, uint32_t accentsOnCapitals, int32_t maxStems, int16_t* count,
                        uint8_t* stems, uint32_t* frequencies);
KRZ_API int16_t KRZCountMaxStemForms(const char* text, uint32_t accentsOnCapitals, int16_t* count);
KRZ_API int16_t KRZStemAnalysis(const char* text, uint32_t accentsOnCapitals, int32_t maxEntries, uint16_t* count,
                                char* words, uint16_t* listCounts, uint8_t* lists, uint32_t* starts,
                                uint32_t* ends, char* classes, uint32_t runRules);
KRZ_API int16_t KRZCountMaxStemAnalysisForms(const char* text, uint32_t accentsOnCapitals, uint16_t* count,
                                             uint32_t runRules);

/* Sentences and syntax records.
 * KRZParagraphSentencesStart: the offset where each sentence begins (0 for
 * the first; later ones just after the sentence before), at most maxStarts.
 * KRZCountParagraphSentencesStart: their number (1 for an empty text), at
 * most 65535 (UINT16_MAX: a larger number is given as 65535, never wrapped).
 * KRZSentenceSyntaxAnalysis: per word (at most maxWords) a record of
 * KRZ_SYNTAX_RECORD_SIZE bytes, one KRZ_SYNTAX_SLOT_SIZE slot per reading
 * (readingCounts gives their number): bytes 0-35 the base form (slot 0,
 * when withBaseForms is non-zero; else empty), 36 the word kind, 37 gender
 * (1 masculine, 2 feminine, 3 both, 0 not given), 38 number (1 singular, 2
 * plural, 3 both), 39 person, 40 verb form (1 infinitive, 2 present
 * participle, 3 past participle, 4 present, 5 imperfect, 6 future, 7 simple
 * past, 8 present subjunctive, 9 imperfect subjunctive, 10 conditional, 11
 * imperative; 0 none), 44 and 48 the word's offsets (uint32_t, host byte
 * order). sentenceFirstRecord receives the index of each sentence's first
 * record for the sentences 0 to maxSentence: maxSentence + 1 entries, so
 * the array must hold maxSentence + 1 of them; later sentences are not
 * checked. KRZCountMaxAnalysisForms: the number of words and sentences (a
 * bound for the buffers of KRZSentenceSyntaxAnalysis). */
#define KRZ_SYNTAX_SLOT_SIZE 52
#define KRZ_SYNTAX_RECORD_SIZE 416
KRZ_API void KRZParagraphSentencesStart(const char* text, int16_t maxStarts, uint16_t* count, uint32_t* starts);
KRZ_API void KRZCountParagraphSentencesStart(const char* text, uint16_t* count);
KRZ_API void KRZSentenceSyntaxAnalysis(const char* text, uint32_t accentsOnCapitals, uint32_t maxWords,
                                       uint32_t* recordCount, uint16_t* readingCounts, uint8_t* records,
                                       uint32_t maxSentence, uint32_t* sentenceCount,
                                       uint16_t* sentenceFirstRecord, uint16_t withBaseForms);
KRZ_API void KRZCountMaxAnalysisForms(const char* text, uint32_t* wordTotal, uint32_t* sentenceTotal);

/* Sentence documents. Each sentence of the text is checked in analysis mode
 * and written into buffers[k] as one XML document (its declaration names
 * ISO-8859-1; host code page bytes, control characters as blanks), cut at
 * bufferSize bytes and always terminated; no 0-capacity buffer is written.
 * Counts stop at maxSentences; a text without a sentence counts
 * one. sentenceStarts[k] (when given) is the offset where sentence k's
 * reading began (0 for the first). The word list gathers the guessed forms
 * of the call, one per line with a class label. */
KRZ_API void MeravolisGetSentenceAnalysis(const char* text, uint32_t accentsOnCapitals, uint32_t checkOption,
                                          uint32_t maxSentences, uint32_t* sentenceCount, char** buffers,
                                          uint32_t bufferSize, char* wordList, uint32_t wordListSize,
                                          uint32_t* sentenceStarts);
KRZ_API void MeravolisSentenceAnalysis(const char* text, uint32_t checkOption, uint32_t maxSentences,
                                       uint32_t* sentenceCount, char** buffers, uint32_t bufferSize);
/* The first sentence only. */
KRZ_API void MeravolisOneSentenceAnalysisProcess(const char* text, uint32_t bufferSize, char* buffer,
                                                 uint32_t checkOption);
KRZ_API void MeravolisGetNbSentences(const char* text, uint32_t* sentenceCount);
KRZ_API void MeravolisGetSentencesBreak(const char* text, uint32_t maxSentences, uint32_t* sentenceCount,
                                        uint32_t* sentenceStarts);
/* Counts the sentences and empties the first maxSentences buffers (no
 * document is written); without buffers sentenceCount is left as it was.
 * option1 and option2 are not used. */
KRZ_API void MeravolisSentenceAnalysisProcess(const char* text, uint32_t option1, uint32_t maxSentences,
                                              uint32_t* sentenceCount, char** buffers, uint32_t option2);

/* Relation text of a French paragraph, in four buffers (bufferSizes[k]
 * bytes each, terminator included; text that does not fit is cut
 * silently): 0 one record per word ("number;index;word;description;
 * relation;related base form;code;function;related index;base form;gender;
 * number;person"), 1 one line per word group, 2 the relation-marker lines
 * of the verb chains, 3 each sentence after "t: " and its class model.
 * The record counter numbers the records and is never reset. With fewer
 * than four buffers, the buffers are emptied and nothing else is done. */
KRZ_API void KRZUMLSentenceAnalysis(const char* text, uint32_t checkOption, uint16_t bufferCount, char** buffers,
                                    const uint32_t* bufferSizes, uint16_t* recordCounter);

/* Short forms for hosts that pass NUL-terminated texts and keep one
 * language: each forwards to its full counterpart (the text's length as
 * the end, the current checking language, accents flag 0) and returns what
 * it returns. TQInit always loads the English data. TQInsertLex inserts a
 * noun (category 2, gender 3, invariable); TQRemoveLex removes a noun.
 * TQSetInterfLanguage is declared with KRZSetInterfLanguage. */
KRZ_API void TQInit(int32_t language);
KRZ_API void TQEnd(void);
KRZ_API void TQSetLanguage(uint16_t language);
KRZ_API int16_t TQOptionNonUSUK(uint16_t value);
KRZ_API uint32_t TQTestGrammarParagraph(const char* text, int16_t start, ParagraphErrorRecord* table,
                                        uint32_t mask);
KRZ_API uint32_t TQTestSpellingParagraph(const char* text, int16_t start, ParagraphErrorRecord* table);
KRZ_API void TQClearParagraphTab(ParagraphErrorRecord* table, int16_t count);
KRZ_API uint32_t TQPunctParagraph(const char* text, int16_t start, ParagraphErrorRecord* table);
KRZ_API int16_t TQInfinitive(const char* word, uint16_t* count, char* results);
KRZ_API int16_t TQConjugate(const char* word, uint16_t tense, int16_t* count, char* results,
                            uint16_t* flag);
KRZ_API int16_t TQPlural(const char* word, int16_t* count, char* results);
KRZ_API int16_t TQSingular(const char* word, uint16_t* count, char* results);
KRZ_API int32_t TQOpenLex(const char* path);
KRZ_API int16_t TQCloseLex(void);
KRZ_API int16_t TQInsertLex(const char* word);
KRZ_API int16_t TQRemoveLex(const char* word);

#ifdef __cplusplus
}
#endif

/* Layout of the host record. */
#ifdef __cplusplus
#include <cstddef>
#define KRZ_STATIC_ASSERT(c, m) static_assert(c, m)
#else
#include <stddef.h>
#define KRZ_STATIC_ASSERT(c, m) _Static_assert(c, m)
#endif
KRZ_STATIC_ASSERT(offsetof(ParagraphErrorRecord, start) == 0, "start");
KRZ_STATIC_ASSERT(offsetof(ParagraphErrorRecord, end) == 4, "end");
KRZ_STATIC_ASSERT(offsetof(ParagraphErrorRecord, errorClass) == 8, "errorClass");
KRZ_STATIC_ASSERT(offsetof(ParagraphErrorRecord, reserved1) == 10, "reserved1");
#if UINTPTR_MAX > 0xFFFFFFFFu
KRZ_STATIC_ASSERT(offsetof(ParagraphErrorRecord, message) == 16, "message");
KRZ_STATIC_ASSERT(offsetof(ParagraphErrorRecord, suggestionCount) == 24, "suggestionCount");
KRZ_STATIC_ASSERT(offsetof(ParagraphErrorRecord, suggestions) == 26, "suggestions");
KRZ_STATIC_ASSERT(offsetof(ParagraphErrorRecord, reserved2) == 1322, "reserved2");
KRZ_STATIC_ASSERT(sizeof(ParagraphErrorRecord) == 1328, "size");
#else
KRZ_STATIC_ASSERT(offsetof(ParagraphErrorRecord, message) == 12, "message");
KRZ_STATIC_ASSERT(offsetof(ParagraphErrorRecord, suggestionCount) == 16, "suggestionCount");
KRZ_STATIC_ASSERT(offsetof(ParagraphErrorRecord, suggestions) == 18, "suggestions");
KRZ_STATIC_ASSERT(offsetof(ParagraphErrorRecord, reserved2) == 1314, "reserved2");
KRZ_STATIC_ASSERT(sizeof(ParagraphErrorRecord) == 1316, "size");
#endif
#undef KRZ_STATIC_ASSERT

#endif /* KRZLIB_H */
