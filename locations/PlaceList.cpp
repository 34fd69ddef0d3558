#include "locations/PlaceList.h"

#include "calendar/Projglob.h"
#include "platform/core/Exceptions.h"

#include <QCollator>
#include <QComboBox>
#include <QListWidget>
#include <QLocale>
#include <QSignalBlocker>

#include <optional>

namespace {

constexpr const char* kDefaultPlace = "New York City, USA";
// How much of an item is compared with the default place's name.
constexpr std::size_t kDefaultCompareLength = 50;

[[noreturn]] void ThrowIndexError(int i) {
    throw EListError(Format("List index out of bounds (%d)", i));
}

bool InRange(int i, int count) {
    return i >= 0 && i < count;
}

// The record number an item's hidden key names; a key that is no number
// throws the conversion error.
int PlaceNumberOf(const AnsiString& item) {
    return StrToInt(ListItemKey(item));
}

QString DisplayText(const AnsiString& item) {
    return ToQString(PlaceItemVisibleText(item));
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
    return name + ListItemPadding + IntToStr(recordNumber);
}

AnsiString PlaceItemVisibleText(const AnsiString& item) {
    if (ListItemPadding.empty())
        return item;
    // The last run of padding: a name may itself end in blanks.
    const std::size_t at = item.rfind(ListItemPadding);
    return at == AnsiString::npos ? item : item.substr(0, at);
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
        ThrowIndexError(selected);
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
    const QSignalBlocker quiet(list_);
    list_->clear();
}

void ListBoxPlaces::Add(const AnsiString& text) {
    const QSignalBlocker quiet(list_);
    auto* item = new QListWidgetItem(DisplayText(text));
    item->setData(Qt::UserRole, ToQString(text));
    list_->insertItem(InsertPosition(text), item);
}

int ListBoxPlaces::Count() const {
    return list_->count();
}

AnsiString ListBoxPlaces::Item(int i) const {
    const QListWidgetItem* item = list_->item(i);
    if (!item)
        ThrowIndexError(i);
    const QVariant full = item->data(Qt::UserRole);
    return FromQString(full.isValid() ? full.toString() : item->text());
}

void ListBoxPlaces::Select(int i) {
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(InRange(i, Count()) ? i : -1);
}

int ListBoxPlaces::Selected() const {
    return list_->currentRow();
}

// ---- ComboPlaces

void ComboPlaces::Clear() {
    const QSignalBlocker quiet(combo_);
    combo_->clear();
}

void ComboPlaces::Add(const AnsiString& text) {
    const QSignalBlocker quiet(combo_);
    const bool hadCurrent = combo_->currentIndex() >= 0;
    combo_->insertItem(InsertPosition(text), DisplayText(text), ToQString(text));
    // A combo box makes its first item current by itself; a list of places
    // has no current item until one is selected.
    if (!hadCurrent)
        combo_->setCurrentIndex(-1);
}

int ComboPlaces::Count() const {
    return combo_->count();
}

AnsiString ComboPlaces::Item(int i) const {
    if (!InRange(i, Count()))
        ThrowIndexError(i);
    const QVariant full = combo_->itemData(i);
    return FromQString(full.isValid() ? full.toString() : combo_->itemText(i));
}

void ComboPlaces::Select(int i) {
    const QSignalBlocker quiet(combo_);
    combo_->setCurrentIndex(InRange(i, Count()) ? i : -1);
}

int ComboPlaces::Selected() const {
    return combo_->currentIndex();
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
        ThrowIndexError(i);
    return items_[static_cast<std::size_t>(i)];
}

void MemoryPlaces::Select(int i) {
    selected_ = InRange(i, Count()) ? i : -1;
}
