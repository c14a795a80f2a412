#pragma once
// Basic-style string operations on byte strings (Windows-1252). Positions are 1-based and
// "not found" is 0, as the program's string code expects.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv::base {

std::string Left(std::string_view s, std::ptrdiff_t n);
std::string Right(std::string_view s, std::ptrdiff_t n);
// Mid(s, start) and Mid(s, start, length); start is 1-based, start < 1 is an error (5).
std::string Mid(std::string_view s, std::ptrdiff_t start);
std::string Mid(std::string_view s, std::ptrdiff_t start, std::ptrdiff_t length);

// 1-based position of find in s at or after start, 0 when absent. An empty s gives 0; otherwise
// an empty find gives start (when start <= Len(s) + 1). Comparison is binary unless textCompare
// is set (case-insensitive).
std::ptrdiff_t InStr(std::string_view s, std::string_view find, bool textCompare = false);
std::ptrdiff_t InStr(std::ptrdiff_t start, std::string_view s, std::string_view find,
                     bool textCompare = false);
// 1-based position of the last find in s, 0 when absent.
std::ptrdiff_t InStrRev(std::string_view s, std::string_view find);

// Every occurrence of find replaced, left to right; an empty find changes nothing.
std::string Replace(std::string_view s, std::string_view find, std::string_view with);
// Split at every delimiter; an empty s gives an empty list, an empty delimiter gives {s}.
std::vector<std::string> Split(std::string_view s, std::string_view delimiter = " ");
std::string Join(const std::vector<std::string>& parts, std::string_view delimiter = " ");

// Trim removes blanks (spaces only, as Basic does) from both ends.
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

// Case mapping of Windows-1252 letters (ASCII and the accented letters of the upper half).
std::string LCase(std::string_view s);
std::string UCase(std::string_view s);
unsigned char lowerByte(unsigned char c);
unsigned char upperByte(unsigned char c);
bool equalsNoCase(std::string_view a, std::string_view b);

std::string Space(std::ptrdiff_t n);
std::string Chr(int code);  // code 0..255, otherwise error 5
int Asc(std::string_view s);  // first byte; error 5 for ""

}  // namespace qv::base
