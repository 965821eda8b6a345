// Captions broken into the lines they show in a box: at line breaks, and
// between words where the box is too narrow.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qvl::ui {

// The lines of `text` in a box `width` pixels wide. Line breaks (CR LF, LF
// or CR) always start a new line; with `word_wrap` a line also ends before
// the word that would not fit, and a word wider than the box is broken
// between characters. `measure` gives the pixel width of a piece of text.
std::vector<std::string> WrapText(std::string_view text, int width, bool word_wrap,
                                  const std::function<int(std::string_view)>& measure);

}  // namespace qvl::ui
