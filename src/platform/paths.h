// Game paths as the data writes them ("resource\gfx\Hall.jpg", either
// separator, any letter case) mapped onto the real files of the disk.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvl {

// Finds real files for game paths, matching each name case-insensitively.
// Folder listings are cached and read again when a folder has changed.
class PathResolver {
 public:
  // The real path of an existing file or folder, if there is one. Exact
  // names win over names that differ only in letter case.
  std::optional<std::filesystem::path> Find(std::string_view game_path);

  // The real path to write to: existing folders and files are matched as
  // Find does; names that do not exist yet are kept as written.
  std::filesystem::path ForWriting(std::string_view game_path);

  // True when the path names an existing normal file (not a folder).
  bool FileExists(std::string_view game_path);

  // True when the path names an existing file or folder.
  bool ItemExists(std::string_view game_path);

 private:
  struct Listing {
    std::filesystem::file_time_type stamp;
    std::vector<std::string> names;
  };
  const Listing* List(const std::filesystem::path& folder);
  std::optional<std::string> Match(const std::filesystem::path& folder, const std::string& name);

  std::map<std::filesystem::path, Listing> listings_;
};

// The components of a game path split at either separator, with empty
// components (doubled separators) dropped; a leading separator makes the
// first component "/".
std::vector<std::string> SplitGamePath(std::string_view game_path);

}  // namespace qvl
