#include "calendar/widgets/KeyedList.h"

#include "calendar/Projglob.h"
#include "platform/core/Exceptions.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>

namespace {

bool InRange(int i, int count) {
    return i >= 0 && i < count;
}

QString VisibleText(const AnsiString& item) {
    return ToQString(KeyedItemVisibleText(item));
}

// The full text kept beside the item, or the text shown when there is none.
AnsiString FullText(const QVariant& kept, const QString& shown) {
    return FromQString(kept.isValid() ? kept.toString() : shown);
}

}  // namespace

AnsiString KeyedItemText(const AnsiString& visible, const AnsiString& key) {
    return visible + ListItemPadding + key;
}

AnsiString KeyedItemVisibleText(const AnsiString& item) {
    if (ListItemPadding.empty())
        return item;
    // The last run of padding: a visible text may itself end in blanks.
    const std::size_t at = item.rfind(ListItemPadding);
    return at == AnsiString::npos ? item : item.substr(0, at);
}

void ThrowListIndexError(int i) {
    throw EListError(Format("List index out of bounds (%d)", i));
}

AnsiString KeyedItem(const QListWidget* list, int i) {
    const QListWidgetItem* item = list->item(i);
    if (!item)
        ThrowListIndexError(i);
    return FullText(item->data(Qt::UserRole), item->text());
}

AnsiString KeyedItem(const QComboBox* combo, int i) {
    if (!InRange(i, combo->count()))
        ThrowListIndexError(i);
    return FullText(combo->itemData(i), combo->itemText(i));
}

// ---- KeyedListBox

void KeyedListBox::Clear() {
    const QSignalBlocker quiet(list_);
    list_->clear();
}

void KeyedListBox::Insert(int at, const AnsiString& item) {
    const QSignalBlocker quiet(list_);
    auto* entry = new QListWidgetItem(VisibleText(item));
    entry->setData(Qt::UserRole, ToQString(item));
    list_->insertItem(at, entry);
}

void KeyedListBox::Append(const std::vector<AnsiString>& items) {
    const QSignalBlocker quiet(list_);
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(items.size()));
    for (const AnsiString& item : items)
        shown << VisibleText(item);
    const int first = list_->count();
    list_->addItems(shown);
    for (std::size_t i = 0; i < items.size(); ++i)
        list_->item(first + static_cast<int>(i))->setData(Qt::UserRole, ToQString(items[i]));
}

int KeyedListBox::Count() const {
    return list_->count();
}

AnsiString KeyedListBox::Item(int i) const {
    return KeyedItem(list_, i);
}

AnsiString KeyedListBox::Key(int i) const {
    return ListItemKey(Item(i));
}

void KeyedListBox::Select(int i) {
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(InRange(i, Count()) ? i : -1);
}

int KeyedListBox::Selected() const {
    return list_->currentRow();
}

// ---- KeyedComboBox

void KeyedComboBox::Clear() {
    const QSignalBlocker quiet(combo_);
    combo_->clear();
}

void KeyedComboBox::Insert(int at, const AnsiString& item) {
    const QSignalBlocker quiet(combo_);
    const bool hadCurrent = combo_->currentIndex() >= 0;
    combo_->insertItem(at, VisibleText(item), ToQString(item));
    // A combo box makes its first item current by itself.
    if (!hadCurrent)
        combo_->setCurrentIndex(-1);
}

int KeyedComboBox::Count() const {
    return combo_->count();
}

AnsiString KeyedComboBox::Item(int i) const {
    return KeyedItem(combo_, i);
}

AnsiString KeyedComboBox::Key(int i) const {
    return ListItemKey(Item(i));
}

void KeyedComboBox::Select(int i) {
    const QSignalBlocker quiet(combo_);
    combo_->setCurrentIndex(InRange(i, Count()) ? i : -1);
}

int KeyedComboBox::Selected() const {
    return combo_->currentIndex();
}
