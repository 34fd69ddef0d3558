#include "calendar/Projglob.h"
#include "locations/Location.h"
#include "locations/records/LocationFile.h"
#include "tests/locations/PlaceFixture.h"
#include "tests/support/DesktopLocales.h"
#include "tests/support/ToolTip.h"
#include "tests/support/UnusualFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

class LocationEditorTest : public PlaceSandbox {
protected:
    void SetUp() override {
        PlaceSandbox::SetUp();
        form = std::make_unique<TfrmLocation>();
    }
    void TearDown() override {
        form.reset();
        PlaceSandbox::TearDown();
    }

    QString Text(const char* label) const { return form->findChild<QLabel*>(label)->text(); }
    QCheckBox* Box(const char* name) const { return form->findChild<QCheckBox*>(name); }
    void Click(const char* button) const { form->findChild<QPushButton*>(button)->click(); }
    QListWidget* List() const { return form->findChild<QListWidget*>("lstMain"); }
    QStringList Items() const {
        QStringList items;
        for (int i = 0; i < List()->count(); ++i)
            items << List()->item(i)->text();
        return items;
    }
    // The shown place as "name|longitude|latitude|time zone".
    QString Shown() const {
        return Text("lblName") + "|" + Text("lblLongitude") + "|" + Text("lblLatitude") + "|" +
               Text("lblTimeZone");
    }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        for (const auto& b : responder->Boxes())
            boxes.push_back(b.caption + ": " + b.text);
        return boxes;
    }
    // The entry dialog, typed into and closed with `button`.
    static RecordingResponder::FormScript Entry(const QString& name, const QString& latitude,
                                                const QString& longitude, const QString& timeZone,
                                                const char* button = "btnOk") {
        return [=](TForm& f) {
            f.findChild<QLineEdit*>("txtName")->setText(name);
            f.findChild<QLineEdit*>("txtLatitude")->setText(latitude);
            f.findChild<QLineEdit*>("txtLongitude")->setText(longitude);
            f.findChild<QLineEdit*>("txtTimeZone")->setText(timeZone);
            f.findChild<QPushButton*>(button)->click();
            return f.ModalResult();
        };
    }

    std::unique_ptr<TfrmLocation> form;
};

// The numbers shown and stored, on every desktop.
class LocationEditorNumbers : public OnEveryDesktop<LocationEditorTest> {};
INSTANTIATE_ON_EVERY_DESKTOP(LocationEditorNumbers);

TEST_F(LocationEditorTest, ShowsTheDefaultPlaceInDegreesMinutes) {
    struct Case {
        float longitude, latitude, timeZone;
        const char* shown;
    };
    const Case cases[] = {
        {-73.966667f, 40.716667f, -5, "Here|-73.58|40.43|-5.0"},
        {85.316667f, 27.7f, 5.75f, "Here|85.19|27.42|5.8"},
        {72.833333f, 18.966667f, 5.5f, "Here|72.50|18.58|5.5"},
        {-0.12f, 51.5f, 0, "Here|-0.07|51.30|0.0"},
    };
    registry->WriteString("Location", "Here");
    for (const Case& c : cases) {
        WritePlaces(
            {Place("Elsewhere", 1, 2, 3), Place("Here", c.longitude, c.latitude, c.timeZone)});
        form->FormActivate();
        EXPECT_EQ(Shown(), c.shown);
    }
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(LocationEditorTest, ListIsSortedAndTheLastDefaultMatchWins) {
    registry->WriteString("Location", "Aden");
    WritePlaces({Place("Zanzibar", 39.2f, -6.16f, 3), Place("Aden", 45, 12.8f, 3),
                 Place("Aden", 45.03f, 12.78f, 3)});
    form->FormActivate();
    EXPECT_EQ(Items(), QStringList({"Aden", "Aden", "Zanzibar"}));
    EXPECT_EQ(List()->currentRow(), 1);
    EXPECT_EQ(Text("lblLongitude"), "45.02");  // record 2, the later one

    registry->WriteString("Location", "Nowhere");
    form->FormActivate();
    EXPECT_EQ(List()->currentRow(), 0);

    List()->setCurrentRow(2);  // the user picks Zanzibar
    EXPECT_EQ(Shown(), "Zanzibar|39.12|-6.10|3.0");
}

// A place name longer than the list is wide ends in an ellipsis there and
// shows whole as its tooltip.
TEST_F(LocationEditorTest, ALongPlaceNameShowsWholeAsATooltip) {
    const QString name = "Sidi Bel Abbes, Oran Province, Algeria (North)";  // 46 characters
    registry->WriteString("Location", FromQString(name));
    WritePlaces({Place(FromQString(name), -0.63f, 35.19f, 1), Place("Aden", 45, 12.8f, 3)});
    form->show();
    form->FormActivate();
    ASSERT_EQ(Items(), QStringList({"Aden", name}));
    EXPECT_EQ(List()->textElideMode(), Qt::ElideRight);
    EXPECT_EQ(ToolTipAt(List()->viewport(), List()->visualItemRect(List()->item(1)).center()),
              name);
    EXPECT_EQ(ToolTipAt(List()->viewport(), List()->visualItemRect(List()->item(0)).center()), "");
    // Drawn no wider than the list, so that the list's ellipsis ends it.
    EXPECT_LE(List()->visualItemRect(List()->item(1)).width(), List()->viewport()->width());
}

TEST_F(LocationEditorTest, LoadingSetsTheBoxesWithoutWriting) {
    registry->WriteString("AutoUpdate", "0");
    WritePlaces({Place("New York City, USA", -73.966667f, 40.716667f, -5)});
    Box("chkAutoUpdate")->setChecked(true);  // as left by an earlier showing
    form->FormActivate();
    EXPECT_FALSE(Box("chkDaylight")->isChecked());
    EXPECT_EQ(Text("lblDaylight"), "No");
    EXPECT_FALSE(Box("chkAutoUpdate")->isChecked());
    EXPECT_EQ(Text("lblAutoUpdate"), "No");
    EXPECT_EQ(registry->ReadString("AutoUpdate"), "0");
    EXPECT_FALSE(registry->ValueExists("DayLightSavings"));
    EXPECT_TRUE(responder->Boxes().empty());

    registry->WriteString("DayLightSavings", "1");
    registry->WriteString("AutoUpdate", "1");
    form->FormActivate();
    EXPECT_EQ(Text("lblDaylight"), "Yes");
    EXPECT_EQ(Text("lblAutoUpdate"), "Yes");
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(LocationEditorTest, DaylightBoxRemindsAndAutoUpdateWritesAtOnce) {
    WritePlaces({Place("New York City, USA", -73.966667f, 40.716667f, -5)});
    form->FormActivate();
    const std::string reminder =
        "Message: Make sure the click the 'Save As Default' button to save this change.";

    Box("chkDaylight")->click();
    EXPECT_EQ(Text("lblDaylight"), "Yes");
    Box("chkDaylight")->click();
    EXPECT_EQ(Text("lblDaylight"), "No");
    EXPECT_EQ(Boxes(), std::vector<std::string>({reminder, reminder}));
    EXPECT_FALSE(registry->ValueExists("DayLightSavings"));

    responder->Clear();
    Box("chkAutoUpdate")->click();
    EXPECT_EQ(registry->ReadString("AutoUpdate"), "0");
    EXPECT_EQ(Text("lblAutoUpdate"), "No");
    Box("chkAutoUpdate")->click();
    EXPECT_EQ(registry->ReadString("AutoUpdate"), "1");
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(LocationEditorTest, WithoutAFileTheBoxesOnlyChangeTheirLabels) {
    form->FormActivate();
    EXPECT_EQ(List()->count(), 0);
    Box("chkDaylight")->click();
    Box("chkAutoUpdate")->click();
    EXPECT_EQ(Text("lblDaylight"), "Yes");
    EXPECT_TRUE(responder->Boxes().empty());
    EXPECT_FALSE(registry->ValueExists("AutoUpdate"));
}

TEST_P(LocationEditorNumbers, SetAsDefaultStoresTheShownPlace) {
    registry->WriteString("Location", "Kathmandu");
    WritePlaces({Place("New York City, USA", -73.966667f, 40.716667f, -5),
                 Place("Kathmandu", 85.316667f, 27.7f, 5.75f)});
    form->FormActivate();
    List()->setCurrentRow(1);  // New York City, USA
    Box("chkDaylight")->click();
    responder->Clear();
    Click("btnSetDefault");
    EXPECT_EQ(registry->ReadString("Longitude"), "-73.97");
    EXPECT_EQ(registry->ReadString("Latitude"), "40.72");
    EXPECT_EQ(registry->ReadString("TimeZone"), "-5.0");
    EXPECT_EQ(registry->ReadString("Location"), "New York City, USA");
    EXPECT_EQ(registry->ReadString("DayLightSavings"), "1");
    EXPECT_EQ(Boxes(), std::vector<std::string>({"Message: Default location successfully saved."}));

    List()->setCurrentRow(0);  // Kathmandu, time zone 5.75 shown as 5.8
    Box("chkDaylight")->click();
    Click("btnSetDefault");
    EXPECT_EQ(registry->ReadString("TimeZone"), "5.8");
    EXPECT_EQ(registry->ReadString("DayLightSavings"), "0");
}

TEST_F(LocationEditorTest, SetAsDefaultThatCannotBeSavedSaysSo) {
    const QString store = SettingsFolder() + "/Kestrun/Current_location.conf";
    const std::vector<std::string> told = {"Error: Cannot write the settings file \"" +
                                           QDir::toNativeSeparators(store).toStdString() + "\""};
    const struct {
        const char* what;
        bool readOnly;   // the settings file made read-only
        long long room;  // the bytes a file may take, -1 for no limit
    } cases[] = {
        {"read-only settings file", true, -1},
        {"full disk", false, 10},
    };
    registry->WriteString("Location", "Kathmandu");
    WritePlaces({Place("New York City, USA", -73.966667f, 40.716667f, -5),
                 Place("Kathmandu", 85.316667f, 27.7f, 5.75f)});
    form->FormActivate();
    List()->setCurrentRow(1);  // New York City, USA
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string before = ReadFile(store.toStdString());
        responder->Clear();
        if (c.readOnly)
            QFile::setPermissions(store, QFileDevice::ReadOwner);
        {
            std::optional<FileSizeLimit> full;
            if (c.room >= 0)
                full.emplace(c.room);
            Click("btnSetDefault");
        }
        QFile::setPermissions(store, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        EXPECT_EQ(Boxes(), told);  // and no word of success
        EXPECT_EQ(ReadFile(store.toStdString()), before);
        EXPECT_EQ(registry->ReadString("Location"), "Kathmandu");
    }
}

TEST_F(LocationEditorTest, SetAsDefaultWithoutAPlaceWritesNothing) {
    WriteFile(LocationFileName, "");
    form->FormActivate();
    Click("btnSetDefault");
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].text, "'' is not a valid floating point value");
    EXPECT_EQ(responder->Boxes()[0].icon, BoxIcon::Error);
    for (const char* value : {"Longitude", "Latitude", "TimeZone", "Location", "DayLightSavings"})
        EXPECT_FALSE(registry->ValueExists(value)) << value;
}

TEST_F(LocationEditorTest, AddingAPlaceReloadsTheSortedList) {
    WritePlaces({Place("Berlin", 13.4f, 52.5f, 1), Place("Tokyo", 139.7f, 35.7f, 9)});
    responder->QueueForm([&](TForm& f) {
        Click("btnAddLocation");
        return f.ModalResult();
    });
    responder->QueueForm(Entry("Lima", "-12.03", "-77.03", "-5"));
    form->ShowModal();
    EXPECT_EQ(Items(), QStringList({"Berlin", "Lima", "Tokyo"}));
    EXPECT_EQ(ReadFile(LocationFileName).size(), 3u * LocationRecordSize);
}

TEST_F(LocationEditorTest, CancelledEntryWritesNothing) {
    WritePlaces({Place("Berlin", 13.4f, 52.5f, 1)});
    const std::string before = ReadFile(LocationFileName);
    form->FormActivate();
    responder->QueueForm(Entry("Lima", "-12.03", "-77.03", "-5", "btnCancel"));
    Click("btnAddLocation");
    List()->setCurrentRow(0);
    responder->QueueForm(Entry("Bonn", "50.44", "7.06", "1", "btnCancel"));
    Click("btnEditLocation");
    EXPECT_EQ(responder->ModalCount(), 2);
    EXPECT_EQ(ReadFile(LocationFileName), before);
    EXPECT_EQ(Items(), QStringList({"Berlin"}));
}

TEST_F(LocationEditorTest, EditingRewritesTheSelectedPlace) {
    WritePlaces({Place("Berlin", 13.4f, 52.5f, 1), Place("Tokyo", 139.7f, 35.7f, 9)});
    form->FormActivate();
    List()->setCurrentRow(1);  // Tokyo, record 1
    responder->QueueForm([](TForm& f) {
        EXPECT_EQ(f.findChild<QLineEdit*>("txtName")->text(), "Tokyo");
        EXPECT_EQ(f.findChild<QLineEdit*>("txtTimeZone")->text(), "9.00");
        f.findChild<QLineEdit*>("txtTimeZone")->setText("10");
        f.findChild<QPushButton*>("btnOk")->click();
        return f.ModalResult();
    });
    Click("btnEditLocation");
    EXPECT_EQ(Text("lblTimeZone"), "10.0");
    const std::string bytes = ReadFile(LocationFileName);
    ASSERT_EQ(bytes.size(), 2u * LocationRecordSize);
    TLocationRecord tokyo = UnpackLocationRecord(
        reinterpret_cast<const unsigned char*>(bytes.data() + LocationRecordSize));
    EXPECT_EQ(tokyo.timeZone, 10.0f);
    EXPECT_EQ(LocationName(tokyo), "Tokyo");
}

TEST_P(LocationEditorNumbers, ARenamedPlaceShowsItsNewNameInTheList) {
    WritePlaces({Place("Berlin", 13.4f, 52.5f, 1), Place("Bonn", 7.1f, 50.73f, 1),
                 Place("Tokyo", 139.7f, 35.7f, 9)});
    form->FormActivate();
    List()->setCurrentRow(1);  // Bonn, record 1
    responder->QueueForm(Entry("Zurich", "47.22", "8.33", "1"));
    Click("btnEditLocation");
    // Sorted anew, with the renamed record still the one shown.
    EXPECT_EQ(Items(), QStringList({"Berlin", "Tokyo", "Zurich"}));
    EXPECT_EQ(List()->currentRow(), 2);
    EXPECT_EQ(Shown(), "Zurich|8.33|47.22|1.0");
    List()->setCurrentRow(0);
    EXPECT_EQ(Text("lblName"), "Berlin");
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(LocationEditorTest, EditWithoutASelectedPlaceOpensNoDialog) {
    WriteFile(LocationFileName, "");
    form->FormActivate();
    Click("btnEditLocation");
    EXPECT_EQ(responder->ModalCount(), 0);
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].text, "List index out of bounds (-1)");
}

TEST_F(LocationEditorTest, CloseEndsWithOk) {
    responder->QueueForm([&](TForm& f) {
        Click("btnClose");
        return f.ModalResult();
    });
    EXPECT_EQ(form->ShowModal(), mrOk);
}

}  // namespace
