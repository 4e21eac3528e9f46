// State of the user lexicon that start-up puts back to "no lexicon open".
#pragma once

void ResetUserLexiconState();
