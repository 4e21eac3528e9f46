// What the first sentence of a process costs, run by hand: each of a few
// sentences is checked (a full check with suggestions, in CPU time of the
// thread) first in a fresh process and after the others in another one;
// the difference between the two is what the first check of a process
// builds for later ones. Each order runs in a process of its own, started
// by fork before KRZInit, `--runs` times; medians are printed.
//
//   krz_first_sentence [--lang en|fr] [--runs N]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <vector>

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

constexpr int kSentences = 4;

// Checks the sentences from `first` on, in a fresh library, and writes
// their times (ms, in sentence order) and KRZInit's to `fd`.
void RunOrder(bool french, int first, int fd) {
    const double t0 = ThreadMs();
    const int language = french ? 3 : 0;
    KRZInit(language, french ? 0 : 1);
    KRZSetLanguage(static_cast<uint16_t>(language));
    double times[kSentences + 1];
    times[kSentences] = ThreadMs() - t0;
    const char* const* sentences = french ? kFrench : kEnglish;
    for (int k = 0; k < kSentences; ++k) {
        const int i = (first + k) % kSentences;
        times[i] = CheckMs(sentences[i]);
    }
    KRZEnd();
    if (write(fd, times, sizeof times) != static_cast<ssize_t>(sizeof times)) _exit(1);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    bool french = true;
    int runs = 5;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc) {
            french = std::strcmp(argv[++i], "fr") == 0;
        } else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: %s [--lang en|fr] [--runs N]\n", argv[0]);
            return 2;
        }
    }
    struct Process {
        int first;
        double times[kSentences + 1];
    };
    std::vector<Process> processes;
    for (int r = 0; r < runs; ++r) {
        for (int first = 0; first < kSentences; ++first) {
            int fds[2];
            if (pipe(fds) != 0) return 1;
            const pid_t pid = fork();
            if (pid == 0) {
                close(fds[0]);
                RunOrder(french, first, fds[1]);
                _exit(0);
            }
            close(fds[1]);
            Process p{first, {}};
            const ssize_t got = read(fds[0], p.times, sizeof p.times);
            close(fds[0]);
            waitpid(pid, nullptr, 0);
            if (got != static_cast<ssize_t>(sizeof p.times)) return 1;
            processes.push_back(p);
        }
    }
    // Per sentence: its median time when first, against its median later.
    std::vector<double> init, first, later, extra;
    for (const Process& p : processes) init.push_back(p.times[kSentences]);
    for (int s = 0; s < kSentences; ++s) {
        std::vector<double> f, l;
        for (const Process& p : processes) (p.first == s ? f : l).push_back(p.times[s]);
        first.push_back(Median(f));
        later.push_back(Median(l));
        extra.push_back(Median(f) - Median(l));
    }
    std::printf("%s (%d runs of %d orders, medians): KRZInit %.2f ms; per sentence, first / later:",
                french ? "French" : "English", runs, kSentences, Median(init));
    for (int s = 0; s < kSentences; ++s) std::printf(" %.2f / %.2f", first[s], later[s]);
    double sum = 0;
    for (double e : extra) sum += e;
    std::printf(" ms; the first sentence costs %.2f ms more (mean over the sentences)\n", sum / kSentences);
    return 0;
}
