// A Hijri date inside a record of the data files: 12 bytes, the three
// little-endian int32 month, year and day, in the order TMisri keeps them.
#pragma once

#include "calendar/Misri.h"

#include <cstddef>

inline constexpr std::size_t MisriFieldSize = 12;

void PutMisri(unsigned char* record, std::size_t offset, const TMisri& date);
// The stored parts as they are, without any check (see TMisri::Raw).
TMisri GetMisri(const unsigned char* record, std::size_t offset);
