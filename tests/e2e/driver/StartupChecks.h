#pragma once
// Expectations about how a start of Oracline.exe ends, shared by the tests on
// the normal screen and those on screens of their own.
#include "driver/Driver.h"

#include <string>

namespace e2e {

// The two display messages, then No; asserts their texts and order.
void ExpectDisplayRefusal(ProgramRun& run);
// The start from an empty data directory passed every check: the
// introduction page appears.
void ExpectAcceptedStart(ProgramRun& run);

} // namespace e2e
