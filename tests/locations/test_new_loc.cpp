#include "calendar/Projglob.h"
#include "locations/NewLoc.h"
#include "locations/records/LocationFile.h"
#include "tests/locations/PlaceFixture.h"
#include "tests/support/DesktopLocales.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

TLocationRecord RecordAt(const std::string& bytes, int n) {
    EXPECT_GE(bytes.size(), static_cast<std::size_t>(n + 1) * LocationRecordSize);
    return UnpackLocationRecord(
        reinterpret_cast<const unsigned char*>(bytes.data() + n * LocationRecordSize));
}

struct Typed {
    const char* name;
    const char* latitude;
    const char* longitude;
    const char* timeZone;
};

class NewLocTest : public PlaceSandbox {
protected:
    void SetUp() override {
        PlaceSandbox::SetUp();
        dialog = std::make_unique<TfrmNewLoc>();
    }
    void TearDown() override {
        dialog.reset();
        PlaceSandbox::TearDown();
    }

    QLineEdit* Edit(const char* name) const { return dialog->findChild<QLineEdit*>(name); }
    void Type(const Typed& t) const {
        Edit("txtName")->setText(QString::fromLatin1(t.name));
        Edit("txtLatitude")->setText(QString::fromLatin1(t.latitude));
        Edit("txtLongitude")->setText(QString::fromLatin1(t.longitude));
        Edit("txtTimeZone")->setText(QString::fromLatin1(t.timeZone));
    }
    void Press(const char* button) const { dialog->findChild<QPushButton*>(button)->click(); }
    // Runs the dialog: types, presses Ok, and reports whether it closed.
    int AddTyped(const Typed& t, bool* closed = nullptr) {
        responder->QueueForm([=, this](TForm& f) {
            Type(t);
            Press("btnOk");
            if (closed)
                *closed = f.ModalResult() == mrOk;
            return f.ModalResult();
        });
        return dialog->Execute(false, 0);
    }

    std::unique_ptr<TfrmNewLoc> dialog;
};

// The numbers typed, shown and stored, on every desktop.
class NewLocNumbers : public OnEveryDesktop<NewLocTest> {};
INSTANTIATE_ON_EVERY_DESKTOP(NewLocNumbers);

TEST_P(NewLocNumbers, StoresDegreesMinutesAsDecimalDegrees) {
    struct Case {
        Typed typed;
        const char* name;
        float longitude, latitude, timeZone;
    };
    const Case cases[] = {
        {{"New York City, USA", "40.43", "-73.58", "-5"},
         "New York City, USA",
         -73.966667f,
         40.716667f,
         -5},
        {{"Three quarters", "40.45", "0", "0"}, "Three quarters", 0, 40.75f, 0},
        {{"Minutes over 59", "40.75", "0", "0"}, "Minutes over 59", 0, 41.25f, 0},
        {{"Half hour", "0", "0", "5.5"}, "Half hour", 0, 0, 5.5f},
        {{"Not hours and minutes", "0", "0", "5.30"}, "Not hours and minutes", 0, 0, 5.3f},
        {{" Dar es  Salaam ", "-6.48", "39.17", "3"}, " Dar es  Salaam ", 39.283333f, -6.8f, 3},
    };
    int n = 0;
    for (const Case& c : cases) {
        EXPECT_EQ(AddTyped(c.typed), 1);
        const TLocationRecord rec = RecordAt(ReadFile(LocationFileName), n++);
        EXPECT_EQ(LocationName(rec), c.name);
        EXPECT_NEAR(rec.longitude, c.longitude, 1e-5) << c.name;
        EXPECT_NEAR(rec.latitude, c.latitude, 1e-5) << c.name;
        EXPECT_EQ(rec.timeZone, c.timeZone) << c.name;
    }
    EXPECT_EQ(ReadFile(LocationFileName).size(), 6u * LocationRecordSize);
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(NewLocTest, RefusesTheFirstBlankFieldInItsOrder) {
    struct Case {
        Typed typed;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {{"   ", "", "", ""}, "Please provide the name of location.", "txtName"},
        {{"Aden", "", " ", ""}, "Please provide the longitude of location.", "txtLongitude"},
        {{"Aden", " ", "45", ""}, "Please provide the latitude of location.", "txtLatitude"},
        {{"Aden", "12.47", "45", "  "}, "Please provide the time zone of location.", "txtTimeZone"},
    };
    for (const Case& c : cases) {
        responder->Clear();
        bool closed = true;
        EXPECT_EQ(AddTyped(c.typed, &closed), 0) << c.message;  // closed by the script at last
        EXPECT_FALSE(closed) << c.message;
        ASSERT_EQ(responder->Boxes().size(), 1u);
        EXPECT_EQ(responder->Boxes()[0].caption, "Error");
        EXPECT_EQ(responder->Boxes()[0].text, c.message);
        EXPECT_EQ(dialog->focusWidget(), Edit(c.focus)) << c.message;
    }
    EXPECT_FALSE(FileExists(LocationFileName));
}

TEST_F(NewLocTest, AFieldThatIsNoNumberKeepsTheDialogOpen) {
    struct Case {
        Typed typed;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {{"Aden", "12,47", "east", "3"},
         "'east' is not a valid floating point value",
         "txtLongitude"},
        {{"Aden", "12,47", "45", "3"},
         "'12,47' is not a valid floating point value",
         "txtLatitude"},
        {{"Aden", "12.47", "45", "+3h"},
         "'+3h' is not a valid floating point value",
         "txtTimeZone"},
    };
    for (const Case& c : cases) {
        responder->Clear();
        responder->QueueForm([&](TForm& f) {
            Type(c.typed);
            Press("btnOk");
            EXPECT_EQ(f.ModalResult(), mrNone) << c.message;
            EXPECT_EQ(dialog->focusWidget(), Edit(c.focus)) << c.message;
            // The user puts it right and confirms.
            Type({"Aden", "12.47", "45", "3"});
            Press("btnOk");
            return f.ModalResult();
        });
        EXPECT_EQ(dialog->Execute(false, 0), 1);
        ASSERT_EQ(responder->Boxes().size(), 1u);
        EXPECT_EQ(responder->Boxes()[0].caption, "Error");
        EXPECT_EQ(responder->Boxes()[0].text, c.message);
    }
    EXPECT_EQ(ReadFile(LocationFileName).size(), 3u * LocationRecordSize);
}

TEST_P(NewLocNumbers, ANumberOutOfItsRangeKeepsTheDialogOpen) {
    const char* const longitude = "The longitude must lie between -180 and 180 degrees.";
    const char* const latitude = "The latitude must lie between -90 and 90 degrees.";
    const char* const zone = "The time zone must lie between -14 and 14 hours.";
    struct Case {
        Typed typed;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {{"Far", "0", "1e39", "0"}, longitude, "txtLongitude"},  // past a float: infinity
        {{"Far", "0", "-181", "0"}, longitude, "txtLongitude"},
        {{"Far", "0", "180.01", "0"}, longitude, "txtLongitude"},  // 180 degrees 1 minute
        {{"Far", "90.01", "0", "0"}, latitude, "txtLatitude"},
        {{"Far", "-1e39", "0", "0"}, latitude, "txtLatitude"},
        {{"Far", "0", "0", "-1e39"}, zone, "txtTimeZone"},
        {{"Far", "0", "0", "14.5"}, zone, "txtTimeZone"},
        {{"Far", "91", "181", "15"}, longitude, "txtLongitude"},  // the first in order
    };
    for (const Case& c : cases) {
        responder->Clear();
        responder->QueueForm([&](TForm& f) {
            Type(c.typed);
            Press("btnOk");
            EXPECT_EQ(f.ModalResult(), mrNone) << c.typed.longitude;
            EXPECT_EQ(dialog->focusWidget(), Edit(c.focus)) << c.typed.longitude;
            f.close();
            return f.ModalResult();
        });
        EXPECT_EQ(dialog->Execute(false, 0), 0);
        ASSERT_EQ(responder->Boxes().size(), 1u);
        EXPECT_EQ(responder->Boxes()[0].caption, "Error");
        EXPECT_EQ(responder->Boxes()[0].text, c.message);
    }
    EXPECT_FALSE(FileExists(LocationFileName));

    // The ends of each range are places.
    responder->Clear();
    for (const Typed& t : {Typed{"East", "90", "180", "14"}, Typed{"West", "-90", "-180", "-14"}})
        EXPECT_EQ(AddTyped(t), 1);
    EXPECT_TRUE(responder->Boxes().empty());
    const std::string bytes = ReadFile(LocationFileName);
    EXPECT_EQ(RecordAt(bytes, 0).longitude, 180.0f);
    EXPECT_EQ(RecordAt(bytes, 1).timeZone, -14.0f);
}

TEST_F(NewLocTest, RecordThatCannotBeBuiltIsNotWritten) {
    Type({"Aden", "north", "45", "3"});
    TLocationRecord rec = Place("untouched", 1, 2, 3);
    EXPECT_FALSE(dialog->FillRecord(rec));
    EXPECT_EQ(LocationName(rec), "untouched");
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].text, "'north' is not a valid floating point value");
    dialog->AppendRecord();
    EXPECT_FALSE(FileExists(LocationFileName));
}

TEST_P(NewLocNumbers, EditShowsTheRecordAndWritesItBackInPlace) {
    WriteFile(LocationFileName,
              BytesOf(Place("Berlin", 13.4f, 52.5f, 1)) +
                  BytesOf(Place("New York City, USA", -73.966667f, 40.716667f, -5)) +
                  BytesOf(Place("Mumbai", 72.833333f, 18.966667f, 5.5f)));
    const std::string before = ReadFile(LocationFileName);
    responder->QueueForm([&](TForm& f) {
        EXPECT_EQ(Edit("txtName")->text(), "New York City, USA");
        EXPECT_EQ(Edit("txtLatitude")->text(), "40.43");
        EXPECT_EQ(Edit("txtLongitude")->text(), "-73.58");
        EXPECT_EQ(Edit("txtTimeZone")->text(), "-5.00");
        Edit("txtName")->setText("New York");
        Press("btnOk");
        return f.ModalResult();
    });
    EXPECT_EQ(dialog->Execute(true, 1), 1);
    const std::string after = ReadFile(LocationFileName);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 60), before.substr(0, 60));
    EXPECT_EQ(after.substr(120), before.substr(120));
    EXPECT_EQ(LocationName(RecordAt(after, 1)), "New York");
    EXPECT_NEAR(RecordAt(after, 1).longitude, -73.966667f, 1e-5);

    responder->QueueForm([&](TForm& f) {
        EXPECT_EQ(Edit("txtTimeZone")->text(), "5.50");
        return f.ModalResult();
    });
    dialog->Execute(true, 2);
}

TEST_F(NewLocTest, CancelWritesNothingInEitherMode) {
    WriteFile(LocationFileName, BytesOf(Place("Berlin", 13.4f, 52.5f, 1)));
    const std::string before = ReadFile(LocationFileName);
    for (bool editMode : {false, true}) {
        responder->QueueForm([&](TForm& f) {
            Type({"Lima", "-12.03", "-77.03", "-5"});
            Press("btnCancel");
            return f.ModalResult();
        });
        EXPECT_EQ(dialog->Execute(editMode, 0), 0);
        responder->QueueForm([&](TForm& f) {
            Type({"Lima", "-12.03", "-77.03", "-5"});
            f.close();
            return f.ModalResult();
        });
        EXPECT_EQ(dialog->Execute(editMode, 0), 0);
    }
    EXPECT_EQ(ReadFile(LocationFileName), before);
}

TEST_F(NewLocTest, AddStartsEmptyAndEditWithoutAFileWritesNothing) {
    Type({"Left over", "1", "2", "3"});
    responder->QueueForm([&](TForm& f) {
        for (const char* name : {"txtName", "txtLatitude", "txtLongitude", "txtTimeZone"})
            EXPECT_TRUE(Edit(name)->text().isEmpty()) << name;
        return f.ModalResult();
    });
    dialog->Execute(false, 0);

    responder->QueueForm([&](TForm& f) {
        Type({"Lima", "-12.03", "-77.03", "-5"});
        Press("btnOk");
        return f.ModalResult();
    });
    EXPECT_EQ(dialog->Execute(true, 0), 1);
    EXPECT_FALSE(FileExists(LocationFileName));
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(NewLocTest, NameHoldsAtMost47Characters) {
    EXPECT_EQ(Edit("txtName")->maxLength(), LocationNameSize - 1);
    const std::string name(47, 'x');
    AddTyped({name.c_str(), "1", "2", "3"});
    const std::string bytes = ReadFile(LocationFileName);
    ASSERT_EQ(bytes.size(), 60u);
    EXPECT_EQ(bytes.substr(0, 47), name);
    EXPECT_EQ(bytes[47], '\0');
}

TEST_F(NewLocTest, TabOrderFollowsTheFields) {
    // The edits in the order the Tab key visits them.
    std::vector<QString> order;
    QWidget* w = Edit("txtName");
    do {
        if (qobject_cast<QLineEdit*>(w) && (w->focusPolicy() & Qt::TabFocus))
            order.push_back(w->objectName());
        w = w->nextInFocusChain();
    } while (w != Edit("txtName"));
    EXPECT_EQ(order,
              std::vector<QString>({"txtName", "txtLatitude", "txtLongitude", "txtTimeZone"}));
}

}  // namespace
