#include "platform/sound_font.h"

#include <filesystem>
#include <string_view>

namespace qvl::media {
namespace {

bool IsFile(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

}  // namespace

std::vector<std::string> StandardSoundFontPlaces() {
  return {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2"};
}

std::optional<std::string> FindSoundFont(const char* sdl_soundfonts, const std::vector<std::string>& places) {
  if (sdl_soundfonts != nullptr) {
    std::string_view rest = sdl_soundfonts;
    while (!rest.empty()) {
      const size_t cut = rest.find(';');
      const std::string path(rest.substr(0, cut));
      if (IsFile(path)) return path;
      if (cut == std::string_view::npos) break;
      rest.remove_prefix(cut + 1);
    }
  }
  for (const std::string& place : places) {
    if (IsFile(place)) return place;
  }
  return std::nullopt;
}

}  // namespace qvl::media
