#include "platform/message_box_text.h"

#include <vector>

#include "platform/cp1252.h"

namespace qvl {

namespace {

bool IsContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

// The byte offsets where each UTF-8 character of `line` starts.
std::vector<size_t> CharacterStarts(std::string_view line) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < line.size(); ++i) {
    if (!IsContinuationByte(static_cast<unsigned char>(line[i]))) starts.push_back(i);
  }
  return starts;
}

// Appends one line (no line breaks inside), wrapped at `line_chars`.
void WrapLine(std::string_view line, size_t line_chars, std::string& out) {
  for (;;) {
    const std::vector<size_t> starts = CharacterStarts(line);
    if (starts.size() <= line_chars) {
      out += line;
      return;
    }
    // The first character that no longer fits, and where the line breaks.
    const size_t limit = starts[line_chars];
    size_t cut = std::string_view::npos;  // the next line starts here
    size_t end = 0;                       // this line ends here
    const size_t blank = line.rfind(' ', limit);
    if (blank != std::string_view::npos && blank > 0) {
      end = blank;
      cut = blank + 1;
    } else {
      const size_t separator = line.find_last_of("/\\", limit - 1);
      if (separator != std::string_view::npos && separator > 0) {
        end = cut = separator + 1;
      } else {
        end = cut = limit;
      }
    }
    out += line.substr(0, end);
    out += '\n';
    line = line.substr(cut);
  }
}

bool ValidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    size_t more = 0;
    if (c < 0x80) {
      more = 0;
    } else if ((c & 0xE0) == 0xC0 && c >= 0xC2) {
      more = 1;
    } else if ((c & 0xF0) == 0xE0) {
      more = 2;
    } else if ((c & 0xF8) == 0xF0 && c <= 0xF4) {
      more = 3;
    } else {
      return false;
    }
    if (more > 0 && i + more >= text.size()) return false;
    for (size_t k = 1; k <= more; ++k) {
      if (!IsContinuationByte(static_cast<unsigned char>(text[i + k]))) return false;
    }
    i += more + 1;
  }
  return true;
}

}  // namespace

std::string MessageBoxText(std::string_view utf8, size_t line_chars) {
  if (line_chars == 0) line_chars = 1;
  std::string out;
  size_t start = 0;
  while (start <= utf8.size()) {
    size_t end = utf8.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = utf8.size();
    WrapLine(utf8.substr(start, end - start), line_chars, out);
    if (end == utf8.size()) break;
    out += '\n';
    // CR LF together is one line break.
    start = end + ((utf8[end] == '\r' && end + 1 < utf8.size() && utf8[end + 1] == '\n') ? 2 : 1);
    if (start == utf8.size()) break;
  }
  return out;
}

std::string AsUtf8(std::string_view text) {
  return ValidUtf8(text) ? std::string(text) : Cp1252ToUtf8(text);
}

}  // namespace qvl
