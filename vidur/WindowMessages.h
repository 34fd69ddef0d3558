// The names of the window messages the alarm's icon sends, each with its
// identifier for the whole process.
#pragma once

#include <cstdint>

// One identifier per window-message name for the whole process, from 0xC000
// on; the same name always gives the same identifier.
int32_t RegisterWindowMessageA(const char* name);
