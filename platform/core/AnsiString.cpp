#include "platform/core/AnsiString.h"

#include "platform/core/Exceptions.h"

#include <QString>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <system_error>

namespace {

// Bytes 0x80..0x9F of Windows-1252; the rest of the code page equals Latin-1.
// The five unassigned bytes map to the C1 control of the same value, as Windows does.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

char16_t ByteToUnicode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F)
        return kHighTable[b - 0x80];
    return b;
}

// The byte of a character, or -1 when the code page has none.
int UnicodeToByte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kHighTable.size(); ++i)
        if (kHighTable[i] == c)
            return static_cast<int>(0x80 + i);
    return -1;
}

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

[[noreturn]] void ThrowNotInteger(const AnsiString& s) {
    throw EConvertError(Format("'%s' is not a valid integer value", s.c_str()));
}

[[noreturn]] void ThrowNotFloat(const AnsiString& s) {
    throw EConvertError(Format("'%s' is not a valid floating point value", s.c_str()));
}

}  // namespace

QString ToQString(const AnsiString& text) {
    QString out(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    QChar* to = out.data();
    for (char c : text)
        *to++ = QChar(ByteToUnicode(static_cast<unsigned char>(c)));
    return out;
}

AnsiString FromQString(const QString& text) {
    AnsiString out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        int b = UnicodeToByte(c.unicode());
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

bool FitsCodePage(const QString& text) {
    for (QChar c : text)
        if (UnicodeToByte(c.unicode()) < 0)
            return false;
    return true;
}

AnsiString TrimLeft(const AnsiString& s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlankOrControl(s[i]))
        ++i;
    return s.substr(i);
}

AnsiString TrimRight(const AnsiString& s) {
    std::size_t n = s.size();
    while (n > 0 && IsBlankOrControl(s[n - 1]))
        --n;
    return s.substr(0, n);
}

AnsiString Trim(const AnsiString& s) {
    return TrimLeft(TrimRight(s));
}

AnsiString UpperCase(const AnsiString& s) {
    AnsiString out = s;
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

AnsiString AnsiUpperCase(const AnsiString& s) {
    AnsiString out = s;
    for (char& c : out) {
        QChar u = QChar(ByteToUnicode(static_cast<unsigned char>(c))).toUpper();
        int b = UnicodeToByte(u.unicode());
        if (b >= 0)
            c = static_cast<char>(b);
    }
    return out;
}

AnsiString IntToStr(long long value) {
    return std::to_string(value);
}

namespace {

// The integer of s: optional blanks, optional sign, digits (hexadecimal
// after "$" or "0x" when allowed), nothing after. False for any other text
// and for a value outside int.
bool ParseInt(const AnsiString& s, bool allowHex, int& out) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    int base = 10;
    if (allowHex && i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (allowHex && i + 1 < s.size() && s[i] == '0' &&
               (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return false;
    long long value = 0;
    for (; i < s.size(); ++i) {
        char c = s[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        value = value * base + digit;
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return false;
    out = static_cast<int>(value);
    return true;
}

}  // namespace

int StrToInt(const AnsiString& s) {
    int value = 0;
    if (!ParseInt(s, true, value))
        ThrowNotInteger(s);
    return value;
}

int DecimalOr(const AnsiString& s, int fallback) {
    int value = 0;
    return ParseInt(s, false, value) ? value : fallback;
}

double StrToFloat(const AnsiString& s) {
    const AnsiString t = Trim(s);
    // Digits with one optional '.', then an optional exponent; no thousands
    // separators, no "inf" or "nan" words, no hexadecimal. The mark is '.'
    // whatever the desktop's locale writes: these are the numbers of the
    // programs' own files and settings, which hold them so.
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    const bool negative = i > 0 && t[0] == '-';
    const std::size_t number = t[0] == '+' ? 1 : 0;  // from_chars takes no '+'
    std::size_t digits = 0;
    // Where the first significant digit stands: 0 for the units, 1 for the
    // tens, -1 for the tenths; with the exponent it tells an overflow from an
    // underflow.
    long order = 0;
    bool significant = false;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
        significant = significant || t[i] != '0';
        if (significant)
            ++order;
        ++i;
        ++digits;
    }
    if (significant)
        --order;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            if (!significant) {
                --order;
                significant = t[i] != '0';
            }
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        ThrowNotFloat(s);
    long exponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        const bool negativeExponent = i < t.size() && t[i] == '-';
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            exponent = std::min(exponent * 10 + (t[i] - '0'), 1000000L);  // past any double
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            ThrowNotFloat(s);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != t.size())
        ThrowNotFloat(s);
    double value = 0;
    const char* end = t.data() + t.size();
    const auto [stop, error] = std::from_chars(t.data() + number, end, value);
    if (error == std::errc::result_out_of_range) {
        // Too large for a double is no number; too small is zero.
        if (order + exponent > 0)
            ThrowNotFloat(s);
        return negative ? -0.0 : 0.0;
    }
    if (error != std::errc() || stop != end)
        ThrowNotFloat(s);
    return value;
}

namespace {

// The value's decimal digits (18 significant, as the class library's extended
// conversion keeps) and its decimal exponent: value = 0.d1d2d3... x 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;  // no leading zeros; empty for zero
    int exponent = 0;
};

Decimal ToDecimal(double value) {
    Decimal d;
    d.negative = std::signbit(value);
    // d.ddddddddddddddddde±x, with '.' whatever the process locale says.
    char buf[64];
    char* end =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17)
            .ptr;
    const std::string text(buf, end);
    const std::size_t e = text.find('e');
    d.digits = text.substr(0, 1) + text.substr(2, e - 2);
    const std::size_t exp = e + (text[e + 1] == '+' ? 2 : 1);  // from_chars takes no '+'
    std::from_chars(text.data() + exp, text.data() + text.size(), d.exponent);
    ++d.exponent;
    if (std::fabs(value) == 0.0)
        d.digits.clear();
    return d;
}

// Rounds half away from zero so that at most `keep` digits remain.
void RoundDigits(Decimal& d, int keep) {
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    if (static_cast<int>(d.digits.size()) <= keep)
        return;
    bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.digits.pop_back();
            ++d.exponent;
            if (d.digits.empty())
                d.digits = "1";
        } else {
            ++d.digits[static_cast<std::size_t>(i)];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

AnsiString ExponentForm(double value, int precision, int digits) {
    Decimal d = ToDecimal(value);
    RoundDigits(d, precision);
    std::string mantissa = d.digits.empty() ? "0" : d.digits;
    mantissa.resize(static_cast<std::size_t>(std::max(precision, 1)), '0');
    int exp = d.digits.empty() ? 0 : d.exponent - 1;
    AnsiString out = d.negative && !d.digits.empty() ? "-" : "";
    out += mantissa.substr(0, 1);
    if (mantissa.size() > 1)
        out += "." + mantissa.substr(1);
    AnsiString expDigits = std::to_string(std::abs(exp));
    if (static_cast<int>(expDigits.size()) < digits)
        expDigits.insert(0, static_cast<std::size_t>(digits) - expDigits.size(), '0');
    return out + (exp < 0 ? "E-" : "E+") + expDigits;
}

}  // namespace

AnsiString FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    precision = std::clamp(precision, 1, 18);
    digits = std::clamp(digits, 0, 18);
    if (format == ffExponent)
        return ExponentForm(value, precision, digits);

    Decimal d = ToDecimal(value);
    if (format == ffFixed && d.exponent > precision)
        return ExponentForm(value, precision, 2);
    // One rounding, at the tighter of the two limits.
    int keep = format == ffFixed ? std::min(precision, d.exponent + digits) : precision;
    RoundDigits(d, keep);
    if (d.digits.empty())
        d.exponent = 0;

    AnsiString whole, fraction;
    for (int pos = 0; pos < d.exponent; ++pos)
        whole +=
            pos < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(pos)] : '0';
    if (whole.empty())
        whole = "0";
    int fracDigits = format == ffFixed ? digits : static_cast<int>(d.digits.size()) - d.exponent;
    for (int k = 0; k < fracDigits; ++k) {
        int pos = d.exponent + k;
        fraction += pos >= 0 && pos < static_cast<int>(d.digits.size())
                        ? d.digits[static_cast<std::size_t>(pos)]
                        : '0';
    }
    AnsiString out = d.negative && !d.digits.empty() ? "-" : "";
    out += whole;
    if (!fraction.empty())
        out += "." + fraction;
    return out;
}

AnsiString Format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    // Short texts, the most, are formatted once; a longer one a second time
    // at its full length.
    char shortText[128];
    const int n = std::vsnprintf(shortText, sizeof shortText, fmt, copy);
    va_end(copy);
    AnsiString out;
    if (n > 0 && static_cast<std::size_t>(n) < sizeof shortText) {
        out.assign(shortText, static_cast<std::size_t>(n));
    } else if (n > 0) {
        out.resize(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), fmt, args);
        out.resize(static_cast<std::size_t>(n));
    }
    va_end(args);
    return out;
}
