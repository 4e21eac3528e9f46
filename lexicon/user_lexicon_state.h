// State of the user lexicon that start-up puts back to "no lexicon open".
#pragma once

// Start-up reset: sizes, counters and the lookup suspension to 0. A
// lexicon whose file is still open is kept as it is (only the suspension
// is cleared), so a later start-up never drops a live file handle.
void ResetUserLexiconState();
