// Every picture the programs ask for is compiled in, at the size the windows
// lay it out for, and is not blank.
#include "resources/Bitmaps.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

struct Picture {
    const char* name;
    int width;
    int height;
};

// A table aligned by hand.
// clang-format off
constexpr Picture kPictures[] = {
    {"SPLASH", 373, 280},       {"SIDEBAR", 75, 374},        {"HIJRICAL", 37, 37},
    {"ENGLISHCAL", 37, 37},     {"TODOLIST", 37, 37},        {"CONTACTS", 37, 37},
    {"EXIT", 20, 20},           {"EXIT_DISABLED", 20, 20},   {"PRINT", 20, 20},
    {"PRINT_DISABLED", 20, 20}, {"SALAAT", 20, 20},          {"SALAAT_DISABLED", 20, 20},
    {"QIBLA", 20, 20},          {"QIBLA_DISABLED", 20, 20},  {"LOCATION", 20, 20},
    {"LOCATION_DISABLED", 20, 20}, {"WALLPAPER", 20, 20},    {"WALLPAPER_DISABLED", 20, 20},
    {"ABOUT", 65, 57},          {"MIRAVEL_ICON", 64, 64},    {"VIDUR_ICON", 64, 64},
    {"PREV_MONTH", 16, 16},     {"NEXT_MONTH", 16, 16},      {"PREV_MONTH_DISABLED", 16, 16},
    {"NEXT_MONTH_DISABLED", 16, 16}, {"PREV_SMALL", 10, 10}, {"NEXT_SMALL", 10, 10},
    {"PREV_SMALL_DISABLED", 10, 10}, {"NEXT_SMALL_DISABLED", 10, 10},
    {"CALENDAR_BUTTON", 16, 16}, {"CHECK", 16, 16},          {"LATE", 16, 16},
    {"MOHARRAM", 200, 60},      {"SAFAR", 200, 60},          {"RABI_AWWAL", 200, 60},
    {"RABI_AAKHAR", 200, 60},   {"JAMADI_AWWAL", 200, 60},   {"JAMADI_AAKHAR", 200, 60},
    {"RAJJAB", 200, 60},        {"SHAABAN", 200, 60},        {"RAMADAN", 200, 60},
    {"SHAWWAAL", 200, 60},      {"ZILQAAD", 200, 60},        {"ZILHAJ", 200, 60},
    {"ONLYDATE", 186, 146},     {"ONLYSMAL", 186, 146},      {"ONLYTIME", 186, 146},
    {"NOEVENTS", 186, 146},     {"ONLYEVNT", 186, 146},      {"NOBRTTIM", 186, 146},
    {"NOSMLBRT", 186, 146},     {"NOBIRTH", 186, 146},       {"NOTS", 186, 146},
    {"NOTIMES", 186, 146},      {"NOSMALL", 186, 146},       {"PRINTALL", 186, 146},
    {"PRINTWIZARD", 120, 200},
};
// clang-format on

bool HasInk(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}

TEST(Resources, EveryPictureLoadsAtItsSize) {
    for (const Picture& picture : kPictures) {
        SCOPED_TRACE(picture.name);
        const QPixmap pixmap = LoadBitmap(QString::fromLatin1(picture.name));
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), QSize(picture.width, picture.height));
        EXPECT_TRUE(HasInk(pixmap));
        EXPECT_FALSE(LoadIcon(QString::fromLatin1(picture.name)).isNull());
    }
    EXPECT_EQ(LoadBitmap(QStringLiteral("SIDEBAR"), QSize(10, 40)).size(), QSize(10, 40));
    EXPECT_TRUE(LoadBitmap(QStringLiteral("NO_SUCH_PICTURE")).isNull());
    EXPECT_TRUE(LoadBitmap(QStringLiteral("hijrical")).isNull());
    EXPECT_TRUE(LoadIcon(QStringLiteral("NO_SUCH_PICTURE")).isNull());
}

}  // namespace
