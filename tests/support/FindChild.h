// A form's component by its object name, as the form resource names it. A
// missing one fails the test where it is asked for, not at the next call.
#pragma once

#include <QObject>

#include <gtest/gtest.h>

template <class W> W* FindChild(const QObject* root, const char* name) {
    W* w = root->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}
