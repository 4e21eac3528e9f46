/* A C host of the installed library: spells one sentence, prints a line. */
#include <stdio.h>
#include <stdlib.h>
#include "krzlib.h"
int main(void) {
    ParagraphErrorRecord* table = calloc(KRZ_MAX_PARAGRAPH_ERRORS, sizeof *table);
    KRZInit(KRZ_LANGUAGE_ENGLISH, 1);
    uint32_t n = KRZTestSpellingParagraph("The catt sat.", 0, 12, table, 0, 1, 0, 0);
    printf("KRZLib %d.%d: %u finding(s), at %u-%u\n", KRZgetVersion(), KRZgetSubversion(), n,
           n ? table[0].start : 0, n ? table[0].end : 0);
    int status = n == 1 && table[0].start == 4 && table[0].end == 7 ? 0 : 1;
    KRZClearParagraphTab(table, (int16_t)n);
    KRZEnd();
    free(table);
    return status;
}
