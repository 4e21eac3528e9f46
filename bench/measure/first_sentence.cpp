// What the first sentence of a process costs, run by hand: after KRZInit,
// the CPU time of this thread for a full check (with suggestions) of each
// of a few sentences, in order, then of the same sentences again. Whatever
// the first check builds for later ones shows as the difference between
// the first sentence and the later ones. Run it a few times: each run is a
// fresh process.
//
//   krz_first_sentence [--lang en|fr]
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "krzlib.h"

namespace {

double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Windows-1252.
const char* const kFrench[] = {
    "Les enfants jouaient dans le jardin de la vieille maison.",
    "Elle a pris sa voiture pour aller chercher des livres anciens.",
    "Nous pensons que cette belle histoire finira bien.",
    "Le chat noir dormait pr\xE8s de la chemin\xE9""e pendant que la pluie tombait.",
};
const char* const kEnglish[] = {
    "The children were playing in the garden of the old house.",
    "She took her car to fetch some old books from the library.",
    "We think that this fine story will end well.",
    "The black cat slept near the fireplace while the rain fell.",
};

double CheckMs(const char* sentence) {
    ParagraphErrorRecord table[KRZ_MAX_PARAGRAPH_ERRORS + 1];
    const double t0 = ThreadMs();
    const uint32_t n = KRZTestGrammarParagraph(sentence, 0, static_cast<int32_t>(std::strlen(sentence)), table,
                                               KRZ_CATEGORY_ALL, 1, 1, 0, 0);
    const double ms = ThreadMs() - t0;
    KRZClearParagraphTab(table, static_cast<int16_t>(n));
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    bool french = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc) {
            french = std::strcmp(argv[++i], "fr") == 0;
        } else {
            std::fprintf(stderr, "usage: %s [--lang en|fr]\n", argv[0]);
            return 2;
        }
    }
    const double t0 = ThreadMs();
    const int language = french ? 3 : 0;
    KRZInit(language, french ? 0 : 1);
    KRZSetLanguage(static_cast<uint16_t>(language));
    const double init = ThreadMs() - t0;
    const char* const* sentences = french ? kFrench : kEnglish;
    double first[4], again[4];
    for (int k = 0; k < 4; ++k) first[k] = CheckMs(sentences[k]);
    for (int k = 0; k < 4; ++k) again[k] = CheckMs(sentences[k]);
    std::printf("%s: KRZInit %.2f ms; first pass", french ? "French" : "English", init);
    for (double ms : first) std::printf(" %.2f", ms);
    std::printf(" ms; second pass");
    for (double ms : again) std::printf(" %.2f", ms);
    std::printf(" ms; first sentence costs %.2f ms more than its second check\n", first[0] - again[0]);
    KRZEnd();
    return 0;
}
