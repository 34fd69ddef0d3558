// The calendar's tests judge a date part by part, never by the operator==
// under test, so that a fault in that operator cannot hide one elsewhere.
#pragma once

#include "calendar/Misri.h"

#include <gtest/gtest.h>

#include <string>

inline std::string Parts(const TMisri& d) {
    return std::to_string(d.Day()) + "/" + std::to_string(d.Month()) + "/" +
           std::to_string(d.Year());
}

inline ::testing::AssertionResult SameDate(const TMisri& a, const TMisri& b) {
    if (a.Day() == b.Day() && a.Month() == b.Month() && a.Year() == b.Year())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << Parts(a) << " is not " << Parts(b);
}
