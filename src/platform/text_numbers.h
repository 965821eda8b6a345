// The numeric and text rules the game's data and messages were made with:
// the number form with a leading blank, the numeric value of a text,
// 16- and 32-bit conversions that round half to even and overflow, trimming.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qvl {

// A number as text with one leading blank when it is not negative:
// Str(5) == " 5", Str(-5) == "-5", Str(3.5) == " 3.5".
std::string Str(int64_t n);
std::string Str(double n);
inline std::string Str(int n) { return Str(static_cast<int64_t>(n)); }

// A whole number as text without the leading blank: Num(5) == "5".
std::string Num(int64_t n);
inline std::string Num(int n) { return Num(static_cast<int64_t>(n)); }

// The numeric value of a text: blanks are skipped, then the longest numeric
// prefix is read ("12abc" → 12, "3.7" → 3.7, "abc" → 0, "&H1F" → 31).
double Val(std::string_view text);

// Round to nearest with halves to even (2.5 → 2, 3.5 → 4).
double RoundHalfEven(double value);

// Conversion to a 16-bit integer, halves to even; Overflow (error 6)
// outside -32768 … 32767.
int16_t CInt(double value);

// Conversion to a 32-bit integer, halves to even; Overflow outside its range.
int32_t CLng(double value);

// A 16-bit sum or difference that raises Overflow when it leaves the range.
int16_t Add16(int32_t a, int32_t b);

// Blanks (spaces) removed from both ends, the left or the right.
std::string Trim(std::string_view text);
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);

// A text in ASCII lower case (single-byte texts keep their other bytes).
std::string LCase(std::string_view text);

// The last n characters (the whole text when shorter).
std::string Right(std::string_view text, size_t n);

// Case-insensitive equality of two single-byte texts (ASCII letters).
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace qvl
