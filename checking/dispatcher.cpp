// Rule dispatcher entry.
#include "checking/dispatcher.h"

DispatcherHook gDispatcherTestHook = nullptr;

RuleCode AnalyseAndCheckSentence(u16 mode) {
    if (gDispatcherTestHook != nullptr) return gDispatcherTestHook(mode);
    // Stand-in: finds nothing until the dispatcher and its rules land here.
    return 0;
}
