#include "platform/cp1252.h"

#include <array>
#include <cstdint>

namespace qvl {

namespace {

// Code points of bytes 0x80 … 0x9F; the other bytes are Latin-1.
constexpr std::array<uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    auto b = static_cast<uint8_t>(c);
    uint32_t cp = (b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : b;
    AppendUtf8(out, cp);
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  size_t i = 0;
  while (i < utf8.size()) {
    auto b = static_cast<uint8_t>(utf8[i]);
    uint32_t cp;
    size_t len;
    if (b < 0x80) { cp = b; len = 1; }
    else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; len = 2; }
    else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; len = 3; }
    else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; len = 4; }
    else { out.push_back('?'); ++i; continue; }
    if (i + len > utf8.size()) { out.push_back('?'); break; }
    bool valid = true;
    for (size_t k = 1; k < len; ++k) {
      auto cont = static_cast<uint8_t>(utf8[i + k]);
      if ((cont & 0xC0) != 0x80) { valid = false; break; }
      cp = (cp << 6) | (cont & 0x3F);
    }
    if (!valid) { out.push_back('?'); ++i; continue; }
    i += len;
    char byte = '?';
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      byte = static_cast<char>(cp);
    } else {
      for (size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] == cp) { byte = static_cast<char>(0x80 + k); break; }
      }
    }
    out.push_back(byte);
  }
  return out;
}

}  // namespace qvl
