// Picture files read from disk (BMP, JPG, GIF with every frame, ICO/CUR
// pointers) and screenshots written as PNG.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/image.h"
#include "platform/picture_budget.h"

namespace qvl {

// A picture used as the mouse pointer, with the point that clicks.
struct PointerPicture {
  PictureRef picture;
  int hot_x = 0;
  int hot_y = 0;
};

// Reads a picture file of the game: a GIF, BMP or JPEG, told by its
// content whatever its name says. An animated GIF gives all its frames,
// each already composed (disposal applied) with its own delay. Raises
// RuntimeError 53 when the file is missing and 481 ("Invalid picture")
// when it is no such picture, has no whole frame, or would not fit in the
// budget; 7 ("Out of memory") when memory runs out all the same.
PictureRef LoadPictureFile(const std::filesystem::path& real_path, PictureBudget& budget);

// The same from bytes in memory.
PictureRef DecodeGamePicture(std::span<const uint8_t> bytes, PictureBudget& budget);

// Reads a pointer picture: a CUR or ICO with its hot spot, or any picture
// LoadPictureFile reads, with its hot spot at the top-left corner.
PointerPicture LoadPointerFile(const std::filesystem::path& real_path, PictureBudget& budget);

// The same from bytes in memory.
PointerPicture DecodeGamePointer(std::span<const uint8_t> bytes, PictureBudget& budget);

// A picture built into the program (PNG or GIF, from the program's own
// assets, so any format the picture library reads).
PictureRef DecodeBuiltinPicture(std::span<const uint8_t> bytes);

// Writes an image as a PNG file; false when it could not be written.
bool SavePng(const Image& image, const std::filesystem::path& path);

}  // namespace qvl
