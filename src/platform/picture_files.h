// Picture files read from disk (BMP, JPG, GIF with every frame, ICO/CUR
// pointers) and screenshots written as PNG.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/image.h"

namespace qvl {

// A picture used as the mouse pointer, with the point that clicks.
struct PointerPicture {
  PictureRef picture;
  int hot_x = 0;
  int hot_y = 0;
};

// Reads a picture file. An animated GIF gives all its frames, each already
// composed (disposal applied) with its own delay. Raises RuntimeError 53
// when the file is missing and 481 ("Invalid picture") when it cannot be
// decoded.
PictureRef LoadPictureFile(const std::filesystem::path& real_path);

// The same from bytes in memory (built-in pictures).
PictureRef DecodePicture(std::span<const uint8_t> bytes);

// Reads a pointer picture (CUR or ICO with their hot spot; any other
// picture with its hot spot at the top-left corner).
PointerPicture LoadPointerFile(const std::filesystem::path& real_path);

// Writes an image as a PNG file; false when it could not be written.
bool SavePng(const Image& image, const std::filesystem::path& path);

}  // namespace qvl
