// The suite's clamp check: every test must end with no unmarked clamp of the
// container (gClampCount unchanged). A test that clamps on purpose, to show
// the clamp rule itself, takes the clamps it made with TakeClamps().
#pragma once
#include "frame/types.h"

// The clamps counted since the current test started (or since the last
// call), which the end-of-test check then no longer sees.
u32 TakeClamps();
