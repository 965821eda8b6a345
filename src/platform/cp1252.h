// Game texts are single-byte Windows-1252; the screen and the terminal
// speak UTF-8. These convert between the two.
#pragma once

#include <string>
#include <string_view>

namespace qvl {

// Each byte of a Windows-1252 text as UTF-8 (undefined bytes map to the
// C1 control of the same number, so every byte has a form).
std::string Cp1252ToUtf8(std::string_view bytes);

// A UTF-8 text as Windows-1252; characters it cannot hold become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace qvl
