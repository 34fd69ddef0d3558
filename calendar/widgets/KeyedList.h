// List items with a hidden key, as the lists of places, the contact list and
// the schedule editor's lists hold them. An item's full text is its visible
// text, ListItemPadding and the key (a record number or a one-letter code);
// the widget shows only the visible text and keeps the full text beside it
// in Qt::UserRole, so a key never comes into sight however wide the box.
// Changes made through the adapters emit none of the widget's signals: as in
// the class library, only the user's actions reach the form's handlers.
#pragma once

#include "platform/core/AnsiString.h"

#include <vector>

class QComboBox;
class QListWidget;

// visible + ListItemPadding + key.
AnsiString KeyedItemText(const AnsiString& visible, const AnsiString& key);
// What the user sees of a full text: the text before the padding (the whole
// text when it holds no padding).
AnsiString KeyedItemVisibleText(const AnsiString& item);
// The exception of a list index outside the list, "List index out of bounds (i)".
[[noreturn]] void ThrowListIndexError(int i);
// The full text of item i of a list or drop-down list (an item added
// otherwise gives what it shows); out of range it throws EListError.
AnsiString KeyedItem(const QListWidget* list, int i);
AnsiString KeyedItem(const QComboBox* combo, int i);

// The items of a list box.
class KeyedListBox {
public:
    explicit KeyedListBox(QListWidget* list) : list_(list) {}

    void Clear();
    // Inserts the full text's item before item `at`.
    void Insert(int at, const AnsiString& item);
    // Adds the items after the last one, all in one insertion.
    void Append(const std::vector<AnsiString>& items);
    int Count() const;
    // The full text of item i, as KeyedItem reads it.
    AnsiString Item(int i) const;
    // The hidden key of item i (ListItemKey).
    AnsiString Key(int i) const;
    // Makes item i current; -1 or any index outside the list selects none.
    void Select(int i);
    // The current item, -1 when there is none.
    int Selected() const;

private:
    QListWidget* list_;
};

// The items of a drop-down list, shown and kept as KeyedListBox keeps them.
// Inserting never makes an item current by itself.
class KeyedComboBox {
public:
    explicit KeyedComboBox(QComboBox* combo) : combo_(combo) {}

    void Clear();
    void Insert(int at, const AnsiString& item);
    int Count() const;
    AnsiString Item(int i) const;
    AnsiString Key(int i) const;
    void Select(int i);
    int Selected() const;

private:
    QComboBox* combo_;
};
