#include "platform/text_numbers.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/runtime_error.h"

namespace qvl {

std::string Str(int64_t n) {
  std::string text = std::to_string(n);
  return n < 0 ? text : " " + text;
}

std::string Str(double n) {
  if (n == std::floor(n) && std::fabs(n) < 1e15) return Str(static_cast<int64_t>(n));
  // Up to fifteen significant digits, without trailing zeros, as the
  // classic number form prints a double.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", n);
  std::string text = buffer;
  return n < 0 ? text : " " + text;
}

std::string Num(int64_t n) { return std::to_string(n); }

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Reads a number in base 16 or 8 after its "&H" or "&O" prefix; the result is
// a signed 16-bit value when it fits in four hex digits, as the classic rules
// read such constants.
double ValRadix(std::string_view digits, int base) {
  uint64_t value = 0;
  size_t count = 0;
  for (char c : digits) {
    if (IsBlank(c)) continue;
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else break;
    if (d >= base) break;
    value = value * base + static_cast<uint64_t>(d);
    ++count;
    if (value > 0xFFFFFFFFull) break;
  }
  if (count == 0) return 0;
  if (value <= 0xFFFF && ((base == 16 && count <= 4) || (base == 8 && count <= 6))) {
    return static_cast<int16_t>(static_cast<uint16_t>(value));
  }
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

}  // namespace

double Val(std::string_view text) {
  // Blanks are ignored wherever they stand; collect the rest.
  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (!IsBlank(c)) compact.push_back(c);
  }
  if (compact.size() >= 2 && compact[0] == '&') {
    char radix = static_cast<char>(std::toupper(static_cast<unsigned char>(compact[1])));
    if (radix == 'H') return ValRadix(std::string_view(compact).substr(2), 16);
    if (radix == 'O') return ValRadix(std::string_view(compact).substr(2), 8);
    return 0;
  }
  // Longest prefix of the form [sign] digits [. digits] [E|D [sign] digits].
  size_t i = 0;
  std::string number;
  if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) number.push_back(compact[i++]);
  bool digits = false;
  while (i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i]))) {
    number.push_back(compact[i++]);
    digits = true;
  }
  if (i < compact.size() && compact[i] == '.') {
    number.push_back(compact[i++]);
    while (i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i]))) {
      number.push_back(compact[i++]);
      digits = true;
    }
  }
  if (!digits) return 0;
  if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E' || compact[i] == 'd' || compact[i] == 'D')) {
    size_t j = i + 1;
    std::string exponent = "e";
    if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) exponent.push_back(compact[j++]);
    bool exp_digits = false;
    while (j < compact.size() && std::isdigit(static_cast<unsigned char>(compact[j]))) {
      exponent.push_back(compact[j++]);
      exp_digits = true;
    }
    if (exp_digits) number += exponent;
  }
  double value = std::strtod(number.c_str(), nullptr);
  if (!std::isfinite(value)) throw RuntimeError(err::kOverflow);
  return value;
}

double RoundHalfEven(double value) { return std::nearbyint(value); }

int16_t CInt(double value) {
  double rounded = RoundHalfEven(value);
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw RuntimeError(err::kOverflow);
  return static_cast<int16_t>(rounded);
}

int32_t CLng(double value) {
  double rounded = RoundHalfEven(value);
  if (!(rounded >= static_cast<double>(std::numeric_limits<int32_t>::min()) &&
        rounded <= static_cast<double>(std::numeric_limits<int32_t>::max()))) {
    throw RuntimeError(err::kOverflow);
  }
  return static_cast<int32_t>(rounded);
}

int16_t Add16(int32_t a, int32_t b) {
  // Summed in 64 bits, so that any two 32-bit values add without overflow.
  const int64_t sum = int64_t{a} + b;
  if (sum < -32768 || sum > 32767) throw RuntimeError(err::kOverflow);
  return static_cast<int16_t>(sum);
}

std::string LTrim(std::string_view text) {
  size_t start = text.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string() : std::string(text.substr(start));
}

std::string RTrim(std::string_view text) {
  size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

std::string Trim(std::string_view text) { return LTrim(RTrim(text)); }

std::string LCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string Right(std::string_view text, size_t n) {
  return n >= text.size() ? std::string(text) : std::string(text.substr(text.size() - n));
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace qvl
