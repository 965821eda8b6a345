#include "game/app_paths.h"

#include <cstdlib>
#include <system_error>

#include "game/player.h"
#include "platform/picture_files.h"
#include "platform/text_numbers.h"
#include "shell/display_services.h"

namespace qvl {

namespace {

// Makes a folder; false when it cannot be made.
bool MakeFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return !error && std::filesystem::is_directory(folder, error);
}

// Where saved games go when the game folder cannot hold them: the user's
// data folder, in a folder named after the program.
std::string FallbackSavedFolder(const Player& p) {
  std::string base;
  if (const char* data_home = std::getenv("XDG_DATA_HOME"); data_home != nullptr && *data_home != '\0') {
    base = data_home;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    base = std::string(home) + "/.local/share";
  } else {
    base = std::filesystem::temp_directory_path().string();
  }
  return base + "/" + p.ProgramName() + "/Saved";
}

}  // namespace

bool LeavesResourceFolder(const Player& p, const std::string& path) {
  const std::vector<std::string> base = SplitGamePath(p.AppPath() + "resource");
  const std::vector<std::string> parts = SplitGamePath(path);
  if (parts.size() < base.size()) return false;
  for (size_t i = 0; i < base.size(); ++i) {
    if (!EqualsNoCase(parts[i], base[i])) return false;
  }
  int depth = 0;
  for (size_t i = base.size(); i < parts.size(); ++i) {
    if (parts[i] == ".") continue;
    depth += parts[i] == ".." ? -1 : 1;
    if (depth < 0) return true;
  }
  return false;
}

std::optional<std::filesystem::path> FindGameFile(Player& p, const std::string& path) {
  if (LeavesResourceFolder(p, path)) return std::nullopt;
  return p.files.Find(path);
}

bool FileExists(Player& p, const std::string& path) {
  try {
    return !LeavesResourceFolder(p, path) && p.files.FileExists(path);
  } catch (const std::exception&) {
    return false;
  }
}

std::filesystem::path RealPath(Player& p, const std::string& path) {
  // A name that climbs out of the game's resources names no file at all.
  if (LeavesResourceFolder(p, path)) return {};
  if (auto found = p.files.Find(path)) return *found;
  return p.files.ForWriting(path);
}

PictureRef LoadGamePicture(Player& p, const std::string& path) {
  auto found = FindGameFile(p, path);
  if (!found) throw RuntimeError(err::kFileNotFound).WithFile(path);
  try {
    return p.runtime().windows().LoadPicture(*found);
  } catch (RuntimeError& error) {
    throw error.WithFile(found->string());
  }
}

void InitSavedFolder(Player& p) {
  p.startup.SavedFolder = p.AppPath() + "Saved";
  if (ItemExist(p, p.startup.SavedFolder)) {
    p.startup.SavedFolder += "/";
    return;
  }
  if (MakeFolder(p.files.ForWriting(p.startup.SavedFolder))) {
    p.startup.SavedFolder += "/";
    return;
  }
  p.startup.SavedFolder = FallbackSavedFolder(p);
  if (!ItemExist(p, p.startup.SavedFolder)) MakeFolder(p.startup.SavedFolder);
  p.startup.SavedFolder += "/";
}

// The windows lie on the 800 × 600 screen the game draws (shown in the
// middle of the desktop, or fullscreen while switched), so that is the
// screen they centre on.
}  // namespace qvl
