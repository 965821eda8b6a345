// A message box's text as the box lays it out: a carriage return, a line
// feed or both together each start a new line, and long lines wrap so that
// no box grows wider than the screen.
#pragma once

#include <string>
#include <string_view>

namespace qvl {

// How many characters a message box line holds: with the desktop's dialog
// font this keeps a box well inside an 800-pixel-wide screen.
inline constexpr size_t kMessageBoxLineChars = 72;

// The text with every line break written as one line feed and every line
// longer than `line_chars` characters (UTF-8 characters, not bytes)
// wrapped: after the last blank that fits, else after the last path
// separator that fits, else at the limit.
std::string MessageBoxText(std::string_view utf8, size_t line_chars = kMessageBoxLineChars);

// The text as UTF-8: kept when it is already, else read as the game's
// Windows-1252 single-byte characters.
std::string AsUtf8(std::string_view text);

}  // namespace qvl
