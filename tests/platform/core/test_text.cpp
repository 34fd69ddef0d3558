#include "platform/core/AnsiString.h"
#include "platform/core/Exceptions.h"
#include "tests/support/DesktopLocales.h"

#include <QString>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(Text, CodePageRoundTripsEveryByte) {
    AnsiString all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(FromQString(ToQString(all)), all);
    EXPECT_EQ(ToQString("\x80"), QString(QChar(0x20AC)));  // the euro sign
    EXPECT_EQ(ToQString("\xE9"), QString(QChar(0xE9)));
}

TEST(Text, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(FromQString(QString::fromUtf8("a\xE2\x82\xAC\xCE\xA9")), "a\x80?");  // € Ω
    EXPECT_TRUE(FitsCodePage(QString::fromUtf8("caf\xC3\xA9 \xE2\x80\x9C")));
    EXPECT_FALSE(FitsCodePage(QString::fromUtf8("\xCE\xA9")));
}

TEST(Text, TrimAndCase) {
    EXPECT_EQ(Trim("  a b \t"), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(UpperCase("-veror\xE9"), "-VEROR\xE9");
    EXPECT_EQ(AnsiUpperCase("-veror\xE9"), "-VEROR\xC9");
}

TEST(Text, IntegersFromText) {
    // StrToInt reads what the class library reads, hexadecimal included, and
    // refuses the rest with the class library's message; DecimalOr reads
    // decimal integers only and gives its fallback for anything else.
    struct Case {
        const char* text;
        std::optional<int> strToInt;  // nullopt: refused
        std::optional<int> decimal;   // nullopt: the fallback
    } cases[] = {
        {"17", 17, 17},
        {" 17", 17, 17},
        {"-5", -5, -5},
        {"+5", 5, 5},
        {"007", 7, 7},
        {"2147483647", 2147483647, 2147483647},
        {"-2147483648", -2147483647 - 1, -2147483647 - 1},
        {"$1F", 31, std::nullopt},
        {"0x10", 16, std::nullopt},
        {"0X1e", 30, std::nullopt},
        {"1E", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {" ", std::nullopt, std::nullopt},
        {"17 ", std::nullopt, std::nullopt},
        {"1.5", std::nullopt, std::nullopt},
        {"abc", std::nullopt, std::nullopt},
        {"2147483648", std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt},
        {"12x", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalOr(c.text, -99), c.decimal.value_or(-99)) << c.text;
        if (c.strToInt) {
            EXPECT_EQ(StrToInt(c.text), *c.strToInt) << c.text;
            continue;
        }
        try {
            StrToInt(c.text);
            ADD_FAILURE() << "accepted '" << c.text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), Format("'%s' is not a valid integer value", c.text));
        }
    }
}

// The numbers of the programs' own files and settings: '.' is the mark on
// every desktop.
class TextNumbers : public OnEveryDesktop<::testing::Test> {};
INSTANTIATE_ON_EVERY_DESKTOP(TextNumbers);

TEST_P(TextNumbers, StrToFloat) {
    EXPECT_DOUBLE_EQ(StrToFloat(" -73.58 "), -73.58);
    EXPECT_DOUBLE_EQ(StrToFloat("5"), 5.0);
    EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloat("+5.5"), 5.5);
    EXPECT_DOUBLE_EQ(StrToFloat("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(StrToFloat("-0.0025E+2"), -0.25);
    // Too small for a double is zero; too large is no number, whichever part
    // of the text makes it so.
    const std::string zeros(400, '0');
    EXPECT_EQ(StrToFloat("1e-999"), 0.0);
    EXPECT_EQ(StrToFloat("0." + zeros + "1e10"), 0.0);
    const std::string tooLarge = "1" + zeros + "e-10";
    for (const char* text : {"", "abc", "1,5", "1e", "nan", "inf", "1.2.3", "--1", "1e999",
                             "0.001e999", tooLarge.c_str()}) {
        try {
            StrToFloat(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), Format("'%s' is not a valid floating point value", text));
        }
    }
}

TEST(Text, FloatToStrFRoundsOnceHalfAwayFromZero) {
    struct Case {
        double value;
        int precision, digits;
        const char* text;
    } cases[] = {
        {40.716667f, 5, 2, "40.72"}, {-73.966667f, 5, 2, "-73.97"}, {40.43f, 5, 2, "40.43"},
        {5.75f, 4, 1, "5.8"},        {5.25, 4, 1, "5.3"},           {-5.0f, 4, 1, "-5.0"},
        {5.5f, 5, 2, "5.50"},        {0.0, 5, 2, "0.00"},           {-0.001, 5, 2, "0.00"},
        {31.51f, 5, 2, "31.51"},     {-177.73f, 5, 2, "-177.73"},   {9.999, 5, 2, "10.00"},
        {1.2345, 4, 2, "1.23"},      {0.05, 5, 2, "0.05"},          {172.5, 5, 2, "172.50"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, ffFixed, c.precision, c.digits), c.text) << c.value;
}

TEST(Text, FloatToStrFUsesExponentFormBeyondThePrecision) {
    EXPECT_EQ(FloatToStrF(123456.0, ffFixed, 5, 2), "1.2346E+05");
    EXPECT_EQ(FloatToStrF(12345.0, ffFixed, 5, 2), "12345.00");
}

}  // namespace
