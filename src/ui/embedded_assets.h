// The files compiled into the program: the shipped font and the built-in
// pictures of assets/, found by their file names.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace qvl::ui {

// The bytes of the shipped font (DejaVu Sans).
std::span<const uint8_t> EmbeddedFont();

// The bytes of the built-in file `name` of assets/builtin/ (e.g.
// "fnf.gif"); empty when there is no such file.
std::span<const uint8_t> EmbeddedAsset(std::string_view name);

}  // namespace qvl::ui
