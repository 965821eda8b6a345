#include "ui/builtin_pictures.h"

#include <stdexcept>
#include <string>

#include "ui/embedded_assets.h"

namespace qvl::ui {
namespace {

struct BuiltinPointer {
  const char* file;
  int hot_x;
  int hot_y;
};

// The fifteen default pointers in slot order; the hot spots are where each
// picture points (drawn by assets/make_builtin_pictures.sh).
constexpr BuiltinPointer kPointers[15] = {
    {"pointer_up.png", 15, 1},          {"pointer_down.png", 15, 30},
    {"pointer_left.png", 1, 16},        {"pointer_right.png", 30, 15},
    {"pointer_up_left.png", 1, 1},      {"pointer_up_right.png", 30, 1},
    {"pointer_down_left.png", 1, 30},   {"pointer_down_right.png", 30, 30},
    {"pointer_exit.png", 16, 16},       {"pointer_hotspot.png", 16, 16},
    {"pointer_goodie.png", 1, 1},       {"pointer_reactor.png", 1, 1},
    {"pointer_normal.png", 1, 1},       {"pointer_wait.png", 16, 16},
    {"pointer_buttons.png", 12, 1},
};

// In the order of BuiltinPicture.
constexpr const char* kPictureFiles[6] = {
    "fnf.gif", "anigif1.gif", "unknown_object.gif", "nopic.gif", "engine_logo.gif", "map_marker.gif",
};

PictureRef DecodeBuiltin(const char* file) {
  const auto bytes = EmbeddedAsset(file);
  // A built-in file that does not decode is a broken build, not bad game data.
  if (bytes.empty()) throw std::logic_error(std::string("built-in picture missing: ") + file);
  return DecodeBuiltinPicture(bytes);
}

}  // namespace

BuiltinPictures::BuiltinPictures() {
  for (size_t i = 0; i < pictures_.size(); ++i) pictures_[i] = DecodeBuiltin(kPictureFiles[i]);
  for (int slot = 1; slot <= data::kPointerCount; ++slot) {
    const BuiltinPointer& p = kPointers[slot - 1];
    pointers_[slot] = PointerPicture{DecodeBuiltin(p.file), p.hot_x, p.hot_y};
  }
  pointers_[0] = pointers_[13];  // slot 0 is not used; it gives the normal pointer
}

PictureRef BuiltinPictures::Get(BuiltinPicture which) const { return pictures_[static_cast<size_t>(which)]; }

const PointerPicture& BuiltinPictures::Pointer(int slot) const {
  if (slot < 1 || slot > data::kPointerCount) return pointers_[0];
  return pointers_[static_cast<size_t>(slot)];
}

}  // namespace qvl::ui
