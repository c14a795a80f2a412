#pragma once
// Basic-style numeric conversions: Val, CLng, CInt, CDbl, Str, Hex and Format.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv::base {

// Round half to even (banker's rounding), the rounding of CLng and CInt: 0.5 -> 0, 1.5 -> 2,
// 2.5 -> 2, -2.5 -> -2.
double roundHalfEven(double x);

// The leading number of a text: blanks (spaces, tabs, line ends) are skipped anywhere in it, an
// optional sign, digits, one decimal point, an exponent, or a "&H"/"&O" prefix; parsing stops at
// the first other character. "12abc" gives 12, "abc" gives 0, " 1 2" gives 12.
double Val(std::string_view s);

// The whole text as a number when it is one (surrounding blanks allowed), as CLng and CDbl read it.
std::optional<double> parseNumber(std::string_view s);
bool IsNumeric(std::string_view s);

// CLng: to a 32-bit signed integer with half-to-even rounding. A text that is not a number is a
// type mismatch (13); a value outside the range is an overflow (6). Both throw BasicError.
int32_t CLng(double x);
int32_t CLng(std::string_view s);
// CInt: the same into a 16-bit signed integer.
int16_t CInt(double x);
int16_t CInt(std::string_view s);
double CDbl(std::string_view s);

// Str: a leading blank for a number that is not negative ("42" -> " 42", -3 -> "-3"), and no
// zero before the decimal point (0.5 -> " .5").
std::string Str(double x);
// CStr / plain decimal text of a number, as the locale's default number text prints it (no
// leading blank, up to 15 significant digits, no trailing zeros, a zero before the point of a
// fraction: 0.999 -> "0.999").
std::string CStr(double x);
std::string Hex(int64_t x);

// Format of a number. An empty mask gives the plain decimal text. Masks of "#", "0", "," and "."
// as Basic reads them: "#" is an optional digit, "0" a required one, a "," between digit places
// turns on thousands grouping, "." places the decimal point. Halves round away from zero
// (Format(2.5, "0") is "3", Format(0.125, "0.00") is "0.13"). Format(1234567, "###,###,###,###")
// is "1,234,567"; Format(0, "###,###,###,###") is "".
std::string Format(double x, std::string_view mask = {});

}  // namespace qv::base
