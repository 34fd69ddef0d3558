#include "calendar/Projglob.h"
#include "locations/Qibla.h"
#include "locations/records/LocationFile.h"
#include "tests/locations/PlaceFixture.h"
#include "tests/support/RecordingCanvas.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace {

class QiblaTest : public PlaceSandbox {
protected:
    void SetUp() override {
        PlaceSandbox::SetUp();
        form = std::make_unique<TfrmQibla>();
    }
    void TearDown() override {
        form.reset();
        PlaceSandbox::TearDown();
    }

    QString Angle() const { return form->findChild<QLabel*>("lblQibla")->text(); }
    QComboBox* Cities() const { return form->findChild<QComboBox*>("cmbCity"); }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        for (const auto& b : responder->Boxes())
            boxes.push_back(b.caption + ": " + b.text);
        return boxes;
    }
    // The red lines of a compass drawn at `angle`, as (x0, y0, x1, y1).
    std::vector<TRect> Needle(float angle) const {
        RecordingCanvas canvas;
        form->DrawCompass(canvas, angle);
        std::vector<TRect> lines;
        for (const auto& op : canvas.ops)
            if (op.kind == RecordingCanvas::Op::Line && op.pen.Color == clRed)
                lines.push_back(op.rect);
        return lines;
    }

    std::unique_ptr<TfrmQibla> form;
};

TEST_F(QiblaTest, AnglesOfPlaces) {
    struct Case {
        float longitude, latitude;
        const char* shown;
    };
    const Case cases[] = {
        {-74.0f, 40.7f, "31.51 deg."},    {-0.12f, 51.5f, "-28.99 deg."},
        {67.03f, 24.87f, "-177.73 deg."}, {151.2f, -33.87f, "172.50 deg."},
        {3.4f, 6.45f, "26.76 deg."},
    };
    registry->WriteString("Location", "Here");
    for (const Case& c : cases) {
        WriteFile(LocationFileName, FileOf({Place("Here", c.longitude, c.latitude)}));
        form->FormActivate();
        EXPECT_EQ(Angle(), c.shown) << c.longitude << " " << c.latitude;
        EXPECT_EQ(FloatToStrF(form->QiblaAngleShown(), ffFixed, 5, 2) + " deg.",
                  FromQString(c.shown));
    }
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(QiblaTest, MeccaHasNoDirection) {
    registry->WriteString("Location", "Here");
    for (const auto& [longitude, latitude] : {std::pair{39.83f, 21.42f}, {39.17f, 21.5f}}) {
        WriteFile(LocationFileName, FileOf({Place("Here", -74.0f, 40.7f)}));
        form->FormActivate();  // an angle first, which the Mecca case puts back to 0
        responder->Clear();
        WriteFile(LocationFileName, FileOf({Place("Here", longitude, latitude)}));
        form->FormActivate();
        EXPECT_EQ(Boxes(),
                  std::vector<std::string>({"Error: Cannot evaluate Qibla location for Mecca"}));
        EXPECT_EQ(Angle(), "0.00 deg.");
        EXPECT_EQ(form->QiblaAngleShown(), 0.0f);
    }
}

// The compass stands in the middle of the client area, 338 by 348 pixels.
constexpr int cx = 169;
constexpr int cy = 174;

TEST_F(QiblaTest, NeedleEndPoints) {
    ASSERT_EQ(form->rect().size(), QSize(338, 348));
    struct Case {
        float angle;
        int tipX, tipY;
    };
    for (const Case& c : {Case{90, cx, cy - 85}, Case{-90, cx, cy + 85}, Case{180, cx - 85, cy},
                          Case{0, cx + 85, cy}}) {
        const std::vector<TRect> lines = Needle(c.angle);
        ASSERT_EQ(lines.size(), 3u) << c.angle;
        EXPECT_EQ(lines[0], Rect(cx, cy, c.tipX, c.tipY)) << c.angle;
        // Both strokes of the head start at the tip and are 7 pixels long at most.
        for (int i : {1, 2}) {
            EXPECT_EQ(lines[i].Left, c.tipX);
            EXPECT_EQ(lines[i].Top, c.tipY);
            EXPECT_LE(std::abs(lines[i].Right - c.tipX) + std::abs(lines[i].Bottom - c.tipY), 10);
        }
    }
    // Straight up: the head's strokes fall back down on either side.
    const std::vector<TRect> up = Needle(90);
    EXPECT_EQ(up[1].Right, cx + 3);  // at 90 + 210 degrees
    EXPECT_EQ(up[1].Bottom, cy - 85 + 6);
    EXPECT_EQ(up[2].Right, cx - 3);  // at 90 + 150 degrees
    EXPECT_EQ(up[2].Bottom, cy - 85 + 6);
}

TEST_F(QiblaTest, TheFormPaintsTheNeedleFromTheMiddleOfItsClientArea) {
    // Due south of Mecca: the needle points straight up.
    registry->WriteString("Location", "Here");
    WriteFile(LocationFileName, FileOf({Place("Here", 39.83f, 0)}));
    form->FormActivate();
    ASSERT_EQ(Angle(), "90.00 deg.");
    const QImage painted = form->grab().toImage();
    ASSERT_EQ(painted.size(), QSize(338, 348));
    for (int up : {1, 42, 84})
        EXPECT_EQ(painted.pixelColor(cx, cy - up), QColor(255, 0, 0)) << up;
    // The south axis below the middle is not the needle.
    EXPECT_NE(painted.pixelColor(cx, cy + 42), QColor(255, 0, 0));
}

TEST_F(QiblaTest, APlaceWithoutFiniteCoordinatesHasNoDirection) {
    registry->WriteString("Location", "Damaged");
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const auto& [longitude, latitude] :
         {std::pair{nan, 40.7f}, {-74.0f, nan}, {inf, 40.7f}, {-74.0f, -inf}}) {
        WriteFile(LocationFileName, FileOf({Place("Damaged", -74.0f, 40.7f)}));
        form->FormActivate();
        ASSERT_EQ(Angle(), "31.51 deg.");
        WriteFile(LocationFileName, FileOf({Place("Damaged", longitude, latitude)}));
        form->FormActivate();
        EXPECT_EQ(Angle(), "") << longitude << " " << latitude;
        EXPECT_TRUE(Needle(form->QiblaAngleShown()).empty());
        // Painted: the axes, and no red anywhere.
        const QImage painted = form->grab().toImage();
        int red = 0;
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x)
                red += painted.pixelColor(x, y) == QColor(255, 0, 0);
        EXPECT_EQ(red, 0) << longitude << " " << latitude;
    }
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(QiblaTest, PolarPointTruncatesTowardZero) {
    // 10 x cos(45) = 7.07 and 10 x sin(45) = 7.07: both parts lose their fractions.
    EXPECT_EQ(TfrmQibla::PolarPoint(10, QPoint(100, 100), 45), QPoint(107, 93));
    EXPECT_EQ(TfrmQibla::PolarPoint(10, QPoint(100, 100), 225), QPoint(93, 107));
}

TEST_F(QiblaTest, TheLastDefaultMatchIsSelectedAndTheUserCanChoose) {
    WriteFile(LocationFileName, FileOf({Place("Here", 67.03f, 24.87f), Place("Here", -74.0f, 40.7f),
                                        Place("Sydney", 151.2f, -33.87f)}));
    registry->WriteString("Location", "Here");
    form->FormActivate();
    EXPECT_EQ(Cities()->currentIndex(), 1);
    EXPECT_EQ(Angle(), "31.51 deg.");
    Cities()->setCurrentIndex(2);
    emit Cities()->activated(2);  // the user picks Sydney
    EXPECT_EQ(Angle(), "172.50 deg.");
    EXPECT_EQ(form->QiblaAngleShown(), form->QiblaAngle(151.2f, -33.87f));
}

TEST_F(QiblaTest, WithoutPlacesTheNeedlePointsEast) {
    form->FormActivate();
    EXPECT_EQ(Cities()->count(), 0);
    EXPECT_EQ(Angle(), "");
    EXPECT_EQ(form->QiblaAngleShown(), 0.0f);
    EXPECT_TRUE(responder->Boxes().empty());
    form->ShowQibla();  // nothing selected: nothing happens
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(QiblaTest, CloseEndsWithOk) {
    responder->QueueForm([&](TForm& f) {
        form->findChild<QPushButton*>("btnClose")->click();
        return f.ModalResult();
    });
    EXPECT_EQ(form->ShowModal(), mrOk);
}

}  // namespace
