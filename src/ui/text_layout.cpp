#include "ui/text_layout.h"

namespace qvl::ui {
namespace {

std::vector<std::string_view> Paragraphs(std::string_view text) {
  std::vector<std::string_view> out;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    out.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  out.push_back(text.substr(start));
  return out;
}

// The byte length of the UTF-8 character starting at text[at].
size_t CharLength(std::string_view text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return std::min(n, text.size() - at);
}

// Breaks one word too wide for the box into pieces that fit (each at least
// one character); all pieces but the last become lines.
std::string BreakWord(std::string_view word, int width, const std::function<int(std::string_view)>& measure,
                      std::vector<std::string>& lines) {
  std::string piece;
  for (size_t at = 0; at < word.size();) {
    const size_t len = CharLength(word, at);
    std::string longer = piece + std::string(word.substr(at, len));
    if (!piece.empty() && measure(longer) > width) {
      lines.push_back(piece);
      piece = std::string(word.substr(at, len));
    } else {
      piece = std::move(longer);
    }
    at += len;
  }
  return piece;
}

void WrapParagraph(std::string_view paragraph, int width, const std::function<int(std::string_view)>& measure,
                   std::vector<std::string>& lines) {
  std::string line;
  bool line_started = false;
  size_t start = 0;
  while (start <= paragraph.size()) {
    size_t end = paragraph.find(' ', start);
    if (end == std::string_view::npos) end = paragraph.size();
    const std::string_view word = paragraph.substr(start, end - start);
    std::string candidate = line_started ? line + " " + std::string(word) : std::string(word);
    if (!line_started || measure(candidate) <= width) {
      line = std::move(candidate);
      line_started = true;
    } else {
      lines.push_back(line);
      line = std::string(word);
    }
    if (measure(line) > width && line == word) line = BreakWord(word, width, measure, lines);
    start = end + 1;
  }
  lines.push_back(line);
}

}  // namespace

std::vector<std::string> WrapText(std::string_view text, int width, bool word_wrap,
                                  const std::function<int(std::string_view)>& measure) {
  std::vector<std::string> lines;
  for (std::string_view paragraph : Paragraphs(text)) {
    if (!word_wrap || width <= 0) {
      lines.emplace_back(paragraph);
    } else {
      WrapParagraph(paragraph, width, measure, lines);
    }
  }
  return lines;
}

}  // namespace qvl::ui
