#include "calendar/Projglob.h"
#include "calendar/widgets/KeyedList.h"
#include "locations/PlaceList.h"
#include "platform/core/Exceptions.h"
#include "tests/locations/PlaceFixture.h"
#include "tests/support/LocaleScope.h"
#include "tests/support/OtherProgram.h"
#include "tests/support/UnusualFiles.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class LocationFileTest : public PlaceSandbox {
protected:
    // The visible texts of a list, each with its key: "Aden#1".
    static std::vector<std::string> Keyed(const PlaceList& list) {
        std::vector<std::string> out;
        for (int i = 0; i < list.Count(); ++i)
            out.push_back(KeyedItemVisibleText(list.Item(i)) + "#" + ListItemKey(list.Item(i)));
        return out;
    }
};

using Strings = std::vector<std::string>;
const Strings kCannotOpen = {"Error: Cannot open kestrun32.dat"};

// ---- filling a list and selecting the default

TEST_F(LocationFileTest, FillingKeepsTheRecordNumbersBehindTheSortedNames) {
    WriteFile(LocationFileName,
              FileOf({Place("Lahore", 74.3f, 31.5f, 5), Place("Aden", 45.0f, 12.8f, 3),
                      Place("Karachi", 67.0f, 24.9f, 5)}) +
                  std::string(30, '\x7F'));  // a partial tail is no place
    MemoryPlaces list;
    list.Add("stale");
    ASSERT_TRUE(FillPlaceList(list));
    EXPECT_EQ(Keyed(list), (Strings{"Aden#1", "Karachi#2", "Lahore#0"}));
    EXPECT_EQ(list.Item(0), "Aden" + ListItemPadding + "1");
    EXPECT_EQ(list.Selected(), -1);

    list.Select(0);
    TLocationRecord rec;
    ASSERT_TRUE(ReadSelectedPlace(list, rec));
    EXPECT_EQ(LocationName(rec), "Aden");
    EXPECT_EQ(rec.longitude, 45.0f);
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(LocationFileTest, FillingFromAnEmptyMissingOrUnopenableFile) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        bool filled;
        Strings items;
        Strings boxes;
    };
    const std::vector<Case> cases = {
        {"empty", [] { WriteFile(LocationFileName, ""); }, true, {}, {}},
        {"shorter than a record", [] { WriteFile(LocationFileName, "Aden"); }, true, {}, {}},
        {"missing", [] {}, false, {"Old#7"}, {}},
        {"unopenable", [] { MakeUnopenableFile(); }, false, {"Old#7"}, kCannotOpen},
        {"a FIFO", [] { ASSERT_TRUE(MakeFifo(LocationFileName)); }, false, {"Old#7"}, kCannotOpen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir().rmdir(LocationFileName);
        QFile::remove(LocationFileName);
        responder->Clear();
        c.prepare();
        MemoryPlaces list;
        list.Add(PlaceItemText("Old", 7));
        EXPECT_EQ(FillPlaceList(list), c.filled);
        EXPECT_EQ(Keyed(list), c.items);
        EXPECT_EQ(Boxes(), c.boxes);
        if (list.Count() == 0) {
            SelectDefaultPlace(list, DefaultMatch::Last);
            EXPECT_EQ(list.Selected(), -1);
        }
    }
}

TEST_F(LocationFileTest, TheDefaultPlace) {
    WritePlaces({Place("Mecca"), Place("New York City, USA"), Place("Aden"), Place("Mecca"),
                 Place(" Medina"), Place("Medina "), Place(AnsiString(47, 'W'))});
    struct Case {
        const char* setting;  // nullptr: not stored
        DefaultMatch which;
        std::string selected;
    };
    const Case cases[] = {
        {nullptr, DefaultMatch::First, "New York City, USA#1"},
        {"Aden", DefaultMatch::Last, "Aden#2"},
        {"Mecca", DefaultMatch::First, "Mecca#0"},
        {"Mecca", DefaultMatch::Last, "Mecca#3"},
        {"mecca", DefaultMatch::Last, " Medina#4"},  // case matters; no match: item 0
        {"Atlantis", DefaultMatch::First, " Medina#4"},
        // Only the list side is trimmed: a name with blanks around it is never found.
        {" Medina", DefaultMatch::Last, " Medina#4"},
        {"Medina ", DefaultMatch::First, " Medina#4"},
        {"Medina", DefaultMatch::First, " Medina#4"},  // the trimmed name finds the first
        {"Medina", DefaultMatch::Last, "Medina #5"},
        {"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", DefaultMatch::Last,
         AnsiString(47, 'W') + "#6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting ? c.setting : "(none)");
        WriteSettingString("Location", c.setting ? c.setting : "");
        MemoryPlaces list;
        ASSERT_TRUE(FillPlaceList(list));
        SelectDefaultPlace(list, c.which);
        ASSERT_GE(list.Selected(), 0);
        EXPECT_EQ(Keyed(list)[static_cast<std::size_t>(list.Selected())], c.selected);
    }
}

// The alarm's Configure dialog may set the default place while the diary
// runs; the diary's next list selects it.
TEST_F(LocationFileTest, TheDefaultPlaceSetByTheOtherProgram) {
    WritePlaces({Place("Aden"), Place("Karachi, Pakistan"), Place("Zanzibar")});
    MemoryPlaces list;
    ASSERT_TRUE(FillPlaceList(list));
    SelectDefaultPlace(list, DefaultMatch::Last);
    ASSERT_EQ(Keyed(list)[static_cast<std::size_t>(list.Selected())], "Aden#0");
    ASSERT_TRUE(WriteSettingInOtherProgram(SettingsFolder(), "Location", "Karachi, Pakistan"));
    ASSERT_TRUE(FillPlaceList(list));
    SelectDefaultPlace(list, DefaultMatch::First);
    EXPECT_EQ(Keyed(list)[static_cast<std::size_t>(list.Selected())], "Karachi, Pakistan#1");
}

// Lists sort as the user's locale sorts words, letter case and accents aside:
// "Evora" and "Évora" differ only in the hidden record number behind them.
TEST_F(LocationFileTest, PlacesSortAsTheLocaleSorts) {
    WritePlaces({Place("Zug"), Place("Z\xFCrich"), Place("\xC9vora"), Place("\xC5lesund"),
                 Place("eugene"), Place("Evora"), Place("aachen"), Place("Zagreb")});
    const struct {
        const char* locale;
        Strings order;
    } cases[] = {
        {"en_US",
         {"aachen#6", "\xC5lesund#3", "eugene#4", "\xC9vora#2", "Evora#5", "Zagreb#7", "Zug#0",
          "Z\xFCrich#1"}},
        // Swedish puts Å after Z.
        {"sv_SE",
         {"aachen#6", "eugene#4", "\xC9vora#2", "Evora#5", "Zagreb#7", "Zug#0", "Z\xFCrich#1",
          "\xC5lesund#3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        const LocaleScope scope(c.locale);
        MemoryPlaces list;
        ASSERT_TRUE(FillPlaceList(list));
        EXPECT_EQ(Keyed(list), c.order);
        QComboBox widget;
        ComboPlaces combo(&widget);
        ASSERT_TRUE(FillPlaceList(combo));
        EXPECT_EQ(Keyed(combo), c.order);
    }
}

TEST_F(LocationFileTest, TakingTheSelectedPlace) {
    MemoryPlaces list;
    try {
        SelectedPlaceNumber(list);
        ADD_FAILURE() << "no selected item";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
    }
    EXPECT_THROW(ReadSelectedPlace(list, *std::make_unique<TLocationRecord>()), EListError);

    list.Add("Aden" + ListItemPadding + "x1");
    list.Select(0);
    EXPECT_THROW(SelectedPlaceNumber(list), EConvertError);

    // A list filled earlier, read after the file went away.
    list.Clear();
    list.Add(PlaceItemText("Aden", 0));
    list.Select(0);
    EXPECT_EQ(SelectedPlaceNumber(list), 0);
    TLocationRecord rec;
    EXPECT_FALSE(ReadSelectedPlace(list, rec));
    EXPECT_EQ(Boxes(), kCannotOpen);
}

TEST_F(LocationFileTest, VisibleTextStopsAtThePadding) {
    EXPECT_EQ(KeyedItemVisibleText(PlaceItemText("Aden", 12)), "Aden");
    EXPECT_EQ(KeyedItemVisibleText(PlaceItemText("Aden  ", 3)), "Aden  ");
    EXPECT_EQ(KeyedItemVisibleText(PlaceItemText("", 3)), "");
    EXPECT_EQ(KeyedItemVisibleText("no key"), "no key");
}

// ---- the widget adapters

TEST_F(LocationFileTest, ListAndComboShowOnlyTheNamesInCaseBlindOrder) {
    WritePlaces(
        {Place("bombay"), Place("Cairo"), Place("aachen"), Place("Aden"), Place("Caracas")});
    WriteSettingString("Location", "Cairo");
    const Strings order = {"aachen#2", "Aden#3", "bombay#0", "Cairo#1", "Caracas#4"};
    const Strings names = {"aachen", "Aden", "bombay", "Cairo", "Caracas"};
    {
        QListWidget widget;
        ListBoxPlaces places(&widget);
        int emitted = 0;
        QObject::connect(&widget, &QListWidget::currentRowChanged, [&] { ++emitted; });
        ASSERT_TRUE(FillPlaceList(places));
        EXPECT_EQ(places.Selected(), -1);
        SelectDefaultPlace(places, DefaultMatch::Last);
        EXPECT_EQ(Keyed(places), order);
        Strings shown;
        for (int i = 0; i < widget.count(); ++i)
            shown.push_back(FromQString(widget.item(i)->text()));
        EXPECT_EQ(shown, names);
        EXPECT_EQ(FromQString(widget.item(3)->data(Qt::UserRole).toString()),
                  PlaceItemText("Cairo", 1));
        EXPECT_EQ(widget.currentRow(), 3);
        EXPECT_TRUE(widget.item(3)->isSelected());
        places.Add(PlaceItemText("AAA", 9));  // lands before the selection, which stays
        EXPECT_EQ(widget.currentItem()->text(), "Cairo");
        EXPECT_EQ(emitted, 0);  // only the user's actions reach the handlers
        EXPECT_THROW(places.Item(places.Count()), EListError);
    }
    {
        QComboBox widget;
        ComboPlaces places(&widget);
        int emitted = 0;
        QObject::connect(&widget, &QComboBox::currentIndexChanged, [&] { ++emitted; });
        ASSERT_TRUE(FillPlaceList(places));
        EXPECT_EQ(places.Selected(), -1);  // no item became current by itself
        SelectDefaultPlace(places, DefaultMatch::Last);
        EXPECT_EQ(Keyed(places), order);
        Strings shown;
        for (int i = 0; i < widget.count(); ++i)
            shown.push_back(FromQString(widget.itemText(i)));
        EXPECT_EQ(shown, names);
        EXPECT_EQ(widget.currentText(), "Cairo");
        places.Add(PlaceItemText("AAA", 9));
        EXPECT_EQ(widget.currentText(), "Cairo");
        EXPECT_EQ(emitted, 0);
        EXPECT_THROW(places.Item(-1), EListError);
        places.Clear();
        EXPECT_EQ(places.Selected(), -1);
    }
}

}  // namespace
