#include "locations/PlaceList.h"

#include "calendar/Projglob.h"

#include <QCollator>
#include <QLocale>

#include <optional>

namespace {

constexpr const char* kDefaultPlace = "New York City, USA";
// How much of an item is compared with the default place's name.
constexpr std::size_t kDefaultCompareLength = 50;

bool InRange(int i, int count) {
    return i >= 0 && i < count;
}

// The record number an item's hidden key names; a key that is no number
// throws the conversion error.
int PlaceNumberOf(const AnsiString& item) {
    return StrToInt(ListItemKey(item));
}

}  // namespace

int PlaceList::InsertPosition(const AnsiString& text) const {
    int low = 0;
    int high = Count();
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (ComparePlaceItems(Item(mid), text) <= 0)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

int ComparePlaceItems(const AnsiString& a, const AnsiString& b) {
    // One collator, made again only when the locale changes.
    static std::optional<QCollator> collator;
    const QLocale locale;
    if (!collator || collator->locale() != locale) {
        collator.emplace(locale);
        collator->setCaseSensitivity(Qt::CaseInsensitive);
    }
    return collator->compare(ToQString(a), ToQString(b));
}

AnsiString PlaceItemText(const AnsiString& name, int recordNumber) {
    return KeyedItemText(name, IntToStr(recordNumber));
}

bool FillPlaceList(PlaceList& list) {
    const auto records = ReadLocationRecords();
    if (!records)
        return false;
    list.Clear();
    for (std::size_t k = 0; k < records->size(); ++k)
        list.Add(PlaceItemText(LocationName((*records)[k]), static_cast<int>(k)));
    return true;
}

bool SelectDefaultPlace(PlaceList& list, DefaultMatch which) {
    const int count = list.Count();
    if (count == 0)
        return false;
    const AnsiString name = ReadSettingString("Location", kDefaultPlace);
    int match = -1;
    for (int i = 0; i < count; ++i) {
        if (Trim(list.Item(i).substr(0, kDefaultCompareLength)) != name)
            continue;
        match = i;
        if (which == DefaultMatch::First)
            break;
    }
    list.Select(match < 0 ? 0 : match);
    return match >= 0;
}

int SelectedPlaceNumber(const PlaceList& list) {
    const int selected = list.Selected();
    if (!InRange(selected, list.Count()))
        ThrowListIndexError(selected);
    return PlaceNumberOf(list.Item(selected));
}

void SelectPlaceNumber(PlaceList& list, int recordNumber) {
    for (int i = 0; i < list.Count(); ++i)
        if (PlaceNumberOf(list.Item(i)) == recordNumber) {
            list.Select(i);
            return;
        }
    list.Select(-1);
}

bool ReadSelectedPlace(const PlaceList& list, TLocationRecord& rec) {
    return ReadLocationRecord(SelectedPlaceNumber(list), rec);
}

// ---- ListBoxPlaces

void ListBoxPlaces::Clear() {
    items_.Clear();
}

void ListBoxPlaces::Add(const AnsiString& text) {
    items_.Insert(InsertPosition(text), text);
}

int ListBoxPlaces::Count() const {
    return items_.Count();
}

AnsiString ListBoxPlaces::Item(int i) const {
    return items_.Item(i);
}

void ListBoxPlaces::Select(int i) {
    items_.Select(i);
}

int ListBoxPlaces::Selected() const {
    return items_.Selected();
}

// ---- ComboPlaces

void ComboPlaces::Clear() {
    items_.Clear();
}

void ComboPlaces::Add(const AnsiString& text) {
    items_.Insert(InsertPosition(text), text);
}

int ComboPlaces::Count() const {
    return items_.Count();
}

AnsiString ComboPlaces::Item(int i) const {
    return items_.Item(i);
}

void ComboPlaces::Select(int i) {
    items_.Select(i);
}

int ComboPlaces::Selected() const {
    return items_.Selected();
}

// ---- MemoryPlaces

void MemoryPlaces::Clear() {
    items_.clear();
    selected_ = -1;
}

void MemoryPlaces::Add(const AnsiString& text) {
    const int at = InsertPosition(text);
    items_.insert(items_.begin() + at, text);
    if (selected_ >= at)
        ++selected_;
}

AnsiString MemoryPlaces::Item(int i) const {
    if (!InRange(i, Count()))
        ThrowListIndexError(i);
    return items_[static_cast<std::size_t>(i)];
}

void MemoryPlaces::Select(int i) {
    selected_ = InRange(i, Count()) ? i : -1;
}
