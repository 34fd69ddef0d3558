// Cases whose numbers must read and write alike on every desktop: each runs
// under the test run's own C locale and again under desktops that write a
// decimal comma, German and Turkish (whose dotless i also trips letter-case
// rules). A desktop locale this machine cannot load skips its run with a
// message; scripts/install-deps generates them.
//
//   class PlaceNumbers : public OnEveryDesktop<PlaceSandbox> {};
//   TEST_P(PlaceNumbers, ...) { ... }
//   INSTANTIATE_ON_EVERY_DESKTOP(PlaceNumbers);
#pragma once

#include "tests/support/LocaleScope.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

inline constexpr const char* kCommaLocales[] = {"de_DE", "tr_TR"};
inline constexpr const char* kDesktopLocales[] = {"C", kCommaLocales[0], kCommaLocales[1]};

template <class Fixture>
class OnEveryDesktop : public Fixture, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        // The locale comes first, as a desktop's does before the program starts.
        if (std::string_view(this->GetParam()) != "C")
            scope_.emplace(this->GetParam());
        Fixture::SetUp();
        if (scope_ && !scope_->Made())
            GTEST_SKIP() << scope_->Name().constData()
                         << " cannot be loaded on this machine (scripts/install-deps generates it)";
    }
    void TearDown() override {
        Fixture::TearDown();
        scope_.reset();
    }

private:
    std::optional<LocaleScope> scope_;
};

#define INSTANTIATE_ON_EVERY_DESKTOP(suite)                                                        \
    INSTANTIATE_TEST_SUITE_P(                                                                      \
        Desktop, suite, ::testing::ValuesIn(kDesktopLocales),                                      \
        [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); })
