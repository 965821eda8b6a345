// The pictures built into the program: the fifteen default pointers, the
// placeholders shown for missing or unknown pictures, and the engine logo.
#pragma once

#include <array>

#include "data/gen_rec.h"
#include "platform/image.h"
#include "platform/picture_files.h"

namespace qvl::ui {

enum class BuiltinPicture {
  kFnf,            // "file not found": a picture file named by the game is missing
  kAniGif1,        // the default picture of an object whose picture cannot be shown
  kUnknownObject,  // an object of an unknown kind
  kNoPic,          // an empty picture slot
  kEngineLogo,     // the animated engine logo of the splash
  kMapMarker,      // a map location without a marker picture of its own
};

// Decoded once when made; owned by the player and shared by its windows.
class BuiltinPictures {
 public:
  BuiltinPictures();

  PictureRef Get(BuiltinPicture which) const;

  // The built-in pointer of slot 1 … 15: 1 up, 2 down, 3 left, 4 right,
  // 5 up-left, 6 up-right, 7 down-left, 8 down-right, 9 exit, 10 hotspot,
  // 11 goodie, 12 reactor, 13 normal, 14 wait, 15 buttons.
  const PointerPicture& Pointer(int slot) const;

 private:
  std::array<PictureRef, 6> pictures_;
  std::array<PointerPicture, data::kPointerCount + 1> pointers_;  // index 0 unused
};

}  // namespace qvl::ui
