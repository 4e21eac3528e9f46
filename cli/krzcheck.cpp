// krzcheck: a command-line host over the library's exported interface.
//
//   krzcheck [--lang fr|en] [--ui fr|en] [--json] [--lexicon PATH] COMMAND [ARGS]
//   krzcheck --version
//
// Input and output are UTF-8; the library sees Windows-1252.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "krzlib.h"

namespace {

struct Options {
    int lang = 3;        // checking language: 3 French, 0 English
    int ui = 0;          // interface language: 3 French, 0 English
    bool json = false;
    bool version = false;
    std::string lexicon;
    std::string command;
    std::vector<std::string> args;
};

void Usage() {
    std::fprintf(stderr,
                 "usage: krzcheck [--lang fr|en] [--ui fr|en] [--json] [--lexicon PATH] COMMAND [ARGS]\n"
                 "       krzcheck --version\n");
}

// Returns 0 on success, 2 on a usage error.
int ParseLanguage(const char* value, int* out) {
    if (value == nullptr) return 2;
    if (std::strcmp(value, "fr") == 0) {
        *out = 3;
        return 0;
    }
    if (std::strcmp(value, "en") == 0) {
        *out = 0;
        return 0;
    }
    return 2;
}

int ParseOptions(int argc, char** argv, Options* o) {
    int i = 1;
    for (; i < argc; ++i) {
        const char* a = argv[i];
        const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
        if (std::strcmp(a, "--version") == 0) {
            o->version = true;
        } else if (std::strcmp(a, "--json") == 0) {
            o->json = true;
        } else if (std::strcmp(a, "--lang") == 0) {
            if (ParseLanguage(next, &o->lang) != 0) return 2;
            ++i;
        } else if (std::strcmp(a, "--ui") == 0) {
            if (ParseLanguage(next, &o->ui) != 0) return 2;
            ++i;
        } else if (std::strcmp(a, "--lexicon") == 0) {
            if (next == nullptr) return 2;
            o->lexicon = next;
            ++i;
        } else if (a[0] == '-' && a[1] == '-') {
            return 2;
        } else {
            break;
        }
    }
    if (i < argc) o->command = argv[i++];
    for (; i < argc; ++i) o->args.emplace_back(argv[i]);
    if (!o->version && o->command.empty()) return 2;
    return 0;
}

int PrintVersion(const Options& o) {
    if (o.json)
        std::printf("[\"%d.%d\"]\n", KRZgetVersion(), KRZgetSubversion());
    else
        std::printf("%d.%d\n", KRZgetVersion(), KRZgetSubversion());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (ParseOptions(argc, argv, &o) != 0) {
        Usage();
        return 2;
    }
    if (o.version) return PrintVersion(o);
    std::fprintf(stderr, "krzcheck: unknown command: %s\n", o.command.c_str());
    Usage();
    return 2;
}
