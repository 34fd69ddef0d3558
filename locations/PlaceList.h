// The lists of places that the forms offer: filled from "kestrun32.dat", one
// item per record with the record number as its hidden key, sorted by their
// text, with the default place (the setting "Location") pre-selected.
#pragma once

#include "calendar/widgets/KeyedList.h"
#include "locations/records/LocationFile.h"
#include "platform/core/AnsiString.h"

#include <vector>

class QComboBox;
class QListWidget;

// A sorted list of item texts with one current item, as the forms' list and
// combo boxes hold them. An item's text is the full text: visible name,
// ListItemPadding and the hidden key.
class PlaceList {
public:
    virtual ~PlaceList() = default;

    virtual void Clear() = 0;
    // Inserts the text at its sorted place.
    virtual void Add(const AnsiString& text) = 0;
    virtual int Count() const = 0;
    virtual AnsiString Item(int i) const = 0;
    // -1 selects nothing.
    virtual void Select(int i) = 0;
    // The selected item's index, -1 when there is none.
    virtual int Selected() const = 0;

protected:
    // Where a text goes in the sorted list: after every item that does not
    // sort after it.
    int InsertPosition(const AnsiString& text) const;
};

// The order of sorted lists: the whole item texts compared as the user's
// locale sorts words, letter case and accents aside ("Ålesund" among the A's
// in English). Negative, 0 or positive as a sorts before, with or after b.
int ComparePlaceItems(const AnsiString& a, const AnsiString& b);

// name + ListItemPadding + the record number in decimal.
AnsiString PlaceItemText(const AnsiString& name, int recordNumber);

// Fills the list with one item per whole record of the file, in sorted order,
// and selects nothing. A missing file leaves the list as it was, silently; a
// file that cannot be opened is reported ("Cannot open kestrun32.dat") and
// leaves it as it was. Returns whether the list was filled from the file.
bool FillPlaceList(PlaceList& list);

// Which item wins when several are named as the default place.
enum class DefaultMatch { First, Last };
// Selects the item whose first 50 characters, blanks trimmed, equal the
// setting "Location" (default "New York City, USA") exactly; item 0 when none
// does; nothing at all when the list is empty. Returns whether an item named
// the default place.
bool SelectDefaultPlace(PlaceList& list, DefaultMatch which);

// The record number behind the selected item. Without a selected item it
// throws EListError "List index out of bounds (-1)"; a key that is no number
// throws the conversion error.
int SelectedPlaceNumber(const PlaceList& list);
// Selects the item of that record number; none when no item has it.
void SelectPlaceNumber(PlaceList& list, int recordNumber);
// Reads the record of the selected item (ReadLocationRecord); throws as
// SelectedPlaceNumber does before anything is read.
bool ReadSelectedPlace(const PlaceList& list, TLocationRecord& rec);

// A list box of places, its items kept as KeyedListBox keeps them.
class ListBoxPlaces : public PlaceList {
public:
    explicit ListBoxPlaces(QListWidget* list) : items_(list) {}

    void Clear() override;
    void Add(const AnsiString& text) override;
    int Count() const override;
    AnsiString Item(int i) const override;
    void Select(int i) override;
    int Selected() const override;

private:
    KeyedListBox items_;
};

// A drop-down list of places, its items kept as KeyedComboBox keeps them:
// adding items never makes one current by itself.
class ComboPlaces : public PlaceList {
public:
    explicit ComboPlaces(QComboBox* combo) : items_(combo) {}

    void Clear() override;
    void Add(const AnsiString& text) override;
    int Count() const override;
    AnsiString Item(int i) const override;
    void Select(int i) override;
    int Selected() const override;

private:
    KeyedComboBox items_;
};

// A list held in memory only.
class MemoryPlaces : public PlaceList {
public:
    void Clear() override;
    void Add(const AnsiString& text) override;
    int Count() const override { return static_cast<int>(items_.size()); }
    AnsiString Item(int i) const override;
    void Select(int i) override;
    int Selected() const override { return selected_; }

private:
    std::vector<AnsiString> items_;
    int selected_ = -1;
};
