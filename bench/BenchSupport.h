// What several benchmarks share: the largest database's worth of entries of typical
// shape, and a clock that counts only this thread's work.
#pragma once

#include "database/core/DatabaseCodec.h"

// kMaxEntries entries of a name, a user, a password and a line of notes, of varied
// lengths, made once.
const CEntryList& TypicalEntries();

// This thread's processor time in seconds. Timed by it rather than by the wall
// clock, a figure leaves out other programs' turns on a shared machine.
double ThreadSeconds();
