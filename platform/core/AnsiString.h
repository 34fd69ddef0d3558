// Single-byte text as the record files and the programs hold it, and the
// string helpers the forms use. Text is Windows-1252; it becomes a QString
// only at the widget boundary, through ToQString and FromQString.
#pragma once

#include <cstdint>
#include <string>

class QString;

using AnsiString = std::string;

// Windows-1252 bytes to Unicode. Every byte maps to one character.
QString ToQString(const AnsiString& text);
// Unicode to Windows-1252; a character the code page lacks becomes '?'.
AnsiString FromQString(const QString& text);
// True when every character of text has a Windows-1252 byte.
bool FitsCodePage(const QString& text);

// Removes characters up to and including the blank at both ends (or one end).
AnsiString Trim(const AnsiString& s);
AnsiString TrimLeft(const AnsiString& s);
AnsiString TrimRight(const AnsiString& s);
// ASCII letters only, as the class library's UpperCase.
AnsiString UpperCase(const AnsiString& s);
// Every Windows-1252 letter that has a single-byte capital.
AnsiString AnsiUpperCase(const AnsiString& s);

AnsiString IntToStr(long long value);
// Optional blanks, optional sign, decimal digits (or $hex / 0x hex), nothing after;
// throws EConvertError "'s' is not a valid integer value" otherwise or on overflow.
int StrToInt(const AnsiString& s);
// The integer of a decimal text as StrToInt reads it (no hexadecimal forms),
// or `fallback` when the text is no such integer.
int DecimalOr(const AnsiString& s, int fallback);
// Blanks around a decimal number with an optional exponent, '.' as separator
// on every desktop (the locale the program runs under plays no part);
// throws EConvertError "'s' is not a valid floating point value" otherwise.
double StrToFloat(const AnsiString& s);

enum TFloatFormat { ffGeneral, ffExponent, ffFixed };
// The class library's FloatToStrF: the value rounded once, half away from zero,
// to `precision` significant digits and at most `digits` decimals, then written
// with exactly `digits` decimals (ffFixed) and '.' as separator on every
// desktop. A value with more than `precision` whole digits is written in
// exponent form, as the class library does.
AnsiString FloatToStrF(double value, TFloatFormat format, int precision, int digits);

// printf-style formatting into an AnsiString. The C library writes a number
// with a fraction (%f, %g, %e) in the desktop's locale: such numbers go
// through FloatToStrF instead.
AnsiString Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
