#include "calendar/Projglob.h"
#include "calendar/widgets/KeyedList.h"
#include "platform/core/Exceptions.h"

#include <QComboBox>
#include <QListWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

class KeyedListTest : public ::testing::Test {
protected:
    void SetUp() override { ListItemPadding = AnsiString(ListItemPaddingLength, ' '); }

    static Strings Shown(const QListWidget& list) {
        Strings texts;
        for (int i = 0; i < list.count(); ++i)
            texts.push_back(FromQString(list.item(i)->text()));
        return texts;
    }
    static Strings Shown(const QComboBox& combo) {
        Strings texts;
        for (int i = 0; i < combo.count(); ++i)
            texts.push_back(FromQString(combo.itemText(i)));
        return texts;
    }
    template <class Items> static Strings Keys(const Items& items) {
        Strings keys;
        for (int i = 0; i < items.Count(); ++i)
            keys.push_back(items.Key(i));
        return keys;
    }
};

// A visible text may end in blanks or hold a run of them; the key never
// shows, and reads back from the full text.
TEST_F(KeyedListTest, ShowsTheVisibleTextAndKeepsTheKeyOutOfSight) {
    const struct {
        const char* visible;
        const char* key;
    } items[] = {{"Sehri  ", "H"},
                 {"Dr. Amina Rahman", "2"},
                 {"Wide                                                            gap", "17"},
                 {"", "C"}};
    QListWidget list;
    KeyedListBox box(&list);
    QComboBox combo;
    KeyedComboBox drop(&combo);
    std::vector<AnsiString> texts;
    Strings visible, keys;
    for (const auto& item : items) {
        texts.push_back(KeyedItemText(item.visible, item.key));
        drop.Insert(drop.Count(), texts.back());
        visible.push_back(item.visible);
        keys.push_back(item.key);
    }
    box.Append(texts);

    EXPECT_EQ(Shown(list), visible);
    EXPECT_EQ(Shown(combo), visible);
    EXPECT_EQ(Keys(box), keys);
    EXPECT_EQ(Keys(drop), keys);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(box.Item(i), texts[static_cast<std::size_t>(i)]);
        EXPECT_EQ(KeyedItem(&combo, i), texts[static_cast<std::size_t>(i)]);
        EXPECT_EQ(FromQString(list.item(i)->data(Qt::UserRole).toString()),
                  texts[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(KeyedItemVisibleText(texts[0]), "Sehri  ");
}

// Items go where they are put, in the order given; one added to the widget
// directly reads as what it shows.
TEST_F(KeyedListTest, InsertsWhereToldAndReadsForeignItemsAsShown) {
    QListWidget list;
    KeyedListBox box(&list);
    box.Append({KeyedItemText("b", "2"), KeyedItemText("a", "1")});
    box.Insert(1, KeyedItemText("c", "3"));
    box.Insert(0, KeyedItemText("d", "4"));
    EXPECT_EQ(Shown(list), (Strings{"d", "b", "c", "a"}));
    EXPECT_EQ(Keys(box), (Strings{"4", "2", "3", "1"}));
    list.addItem("plain");
    EXPECT_EQ(box.Item(4), "plain");

    QComboBox combo;
    KeyedComboBox drop(&combo);
    drop.Insert(0, KeyedItemText("b", "2"));
    drop.Insert(0, KeyedItemText("a", "1"));
    EXPECT_EQ(Shown(combo), (Strings{"a", "b"}));
    combo.addItem("plain");
    EXPECT_EQ(drop.Item(2), "plain");
}

// Only the user's actions reach the form's handlers: what the program does
// through the adapters emits nothing, and an inserted item never becomes
// current by itself.
TEST_F(KeyedListTest, TheProgramsChangesAreQuiet) {
    QListWidget list;
    KeyedListBox box(&list);
    int listSignals = 0;
    QObject::connect(&list, &QListWidget::currentRowChanged, [&] { ++listSignals; });
    box.Append({KeyedItemText("a", "1"), KeyedItemText("b", "2")});
    box.Insert(0, KeyedItemText("c", "3"));
    EXPECT_EQ(box.Selected(), -1);
    box.Select(1);
    EXPECT_EQ(box.Selected(), 1);
    box.Clear();
    EXPECT_EQ(box.Count(), 0);
    EXPECT_EQ(listSignals, 0);

    QComboBox combo;
    KeyedComboBox drop(&combo);
    int comboSignals = 0;
    QObject::connect(&combo, &QComboBox::currentIndexChanged, [&] { ++comboSignals; });
    drop.Insert(0, KeyedItemText("a", "1"));
    drop.Insert(1, KeyedItemText("b", "2"));
    EXPECT_EQ(drop.Selected(), -1);
    drop.Select(1);
    drop.Insert(0, KeyedItemText("c", "3"));
    EXPECT_EQ(FromQString(combo.currentText()), "b");  // the selection moves with its item
    drop.Clear();
    EXPECT_EQ(comboSignals, 0);
}

TEST_F(KeyedListTest, IndexesOutsideTheListSelectNoneAndReadNothing) {
    QListWidget list;
    KeyedListBox box(&list);
    box.Append({KeyedItemText("a", "1"), KeyedItemText("b", "2")});
    QComboBox combo;
    KeyedComboBox drop(&combo);
    drop.Insert(0, KeyedItemText("a", "1"));
    drop.Insert(1, KeyedItemText("b", "2"));
    for (int i : {-1, 2, 7}) {
        box.Select(0);
        box.Select(i);
        EXPECT_EQ(box.Selected(), -1) << i;
        drop.Select(0);
        drop.Select(i);
        EXPECT_EQ(drop.Selected(), -1) << i;
        EXPECT_THROW(box.Item(i), EListError) << i;
        EXPECT_THROW(drop.Key(i), EListError) << i;
    }
    const auto message = [&box] {
        try {
            box.Item(2);
        } catch (const EListError& e) {
            return e.Message();
        }
        return AnsiString();
    };
    EXPECT_EQ(message(), "List index out of bounds (2)");
}

}  // namespace
