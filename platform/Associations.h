// The desktop's file associations, read only, shaped like the classes-root
// keys of the registry that the alarm reads: ".ext\shell\open\command",
// ".ext" (whose default value names a file class) and
// "class\shell\open\command". On Linux they come from the freedesktop MIME
// database (the extension's MIME type is the class) and the default
// applications (the command is the default application's Exec line). Tests
// install a fake view.
#pragma once

#include "AnsiString.h"

#include <map>

class AssociationView {
public:
    virtual ~AssociationView() = default;
    // Whether the key exists; its default (unnamed) value, "" when absent.
    virtual bool KeyExists(const AnsiString& key) = 0;
    virtual AnsiString DefaultValue(const AnsiString& key) = 0;
};

class Associations {
public:
    static AssociationView& View();
    static void SetView(AssociationView* view);  // nullptr: the desktop's
};

// A fixed set of keys and default values, for tests.
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
