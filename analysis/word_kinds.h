// The word kinds of the analysis exports: one small number per class byte
// of a reading (noun, adjective, verb form, pronoun ...), as hosts see them.
#pragma once
#include "frame/types.h"

// Kind of a reading of class byte `c`: 25 for verb forms (128 and above),
// else the kind of the class table.
u8 WordKindOfClass(u8 c);
