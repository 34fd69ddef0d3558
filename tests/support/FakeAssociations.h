// A fixed set of the classes-root keys and their default values in place of
// the desktop's file associations. Installs itself while it lives.
#pragma once

#include "platform/desktop/Associations.h"

#include <map>

class FakeAssociations : public AssociationView {
public:
    FakeAssociations() { Associations::SetView(this); }
    ~FakeAssociations() override { Associations::SetView(nullptr); }
    bool KeyExists(const AnsiString& key) override { return keys.count(key) > 0; }
    AnsiString DefaultValue(const AnsiString& key) override {
        auto it = keys.find(key);
        return it == keys.end() ? AnsiString() : it->second;
    }
    std::map<AnsiString, AnsiString> keys;  // key -> default value
};
