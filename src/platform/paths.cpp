#include "platform/paths.h"

#include <system_error>

#include "platform/text_numbers.h"

namespace qvl {

namespace fs = std::filesystem;

std::vector<std::string> SplitGamePath(std::string_view game_path) {
  std::vector<std::string> parts;
  if (!game_path.empty() && (game_path[0] == '/' || game_path[0] == '\\')) parts.emplace_back("/");
  std::string current;
  for (char c : game_path) {
    if (c == '/' || c == '\\') {
      if (!current.empty()) parts.push_back(current);
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  if (!current.empty()) parts.push_back(current);
  return parts;
}

const PathResolver::Listing* PathResolver::List(const fs::path& folder) {
  std::error_code ec;
  auto stamp = fs::last_write_time(folder, ec);
  if (ec) return nullptr;
  auto it = listings_.find(folder);
  if (it != listings_.end() && it->second.stamp == stamp) return &it->second;
  Listing listing{stamp, {}};
  for (fs::directory_iterator entry(folder, ec), end; !ec && entry != end; entry.increment(ec)) {
    listing.names.push_back(entry->path().filename().string());
  }
  if (ec) return nullptr;
  return &(listings_[folder] = std::move(listing));
}

std::optional<std::string> PathResolver::Match(const fs::path& folder, const std::string& name) {
  if (name == "." || name == "..") return name;
  const Listing* listing = List(folder);
  if (listing == nullptr) return std::nullopt;
  std::optional<std::string> found;
  for (const std::string& candidate : listing->names) {
    if (candidate == name) return candidate;
    if (!found && EqualsNoCase(candidate, name)) found = candidate;
  }
  return found;
}

std::optional<fs::path> PathResolver::Find(std::string_view game_path) {
  std::vector<std::string> parts = SplitGamePath(game_path);
  if (parts.empty()) return std::nullopt;
  fs::path real;
  size_t first = 0;
  if (parts[0] == "/") {
    real = "/";
    first = 1;
  } else {
    real = ".";
  }
  for (size_t i = first; i < parts.size(); ++i) {
    std::optional<std::string> name = Match(real, parts[i]);
    if (!name) return std::nullopt;
    real /= *name;
  }
  std::error_code ec;
  if (!fs::exists(real, ec)) return std::nullopt;
  return real.lexically_normal();
}

fs::path PathResolver::ForWriting(std::string_view game_path) {
  std::vector<std::string> parts = SplitGamePath(game_path);
  fs::path real;
  size_t first = 0;
  if (!parts.empty() && parts[0] == "/") {
    real = "/";
    first = 1;
  } else {
    real = ".";
  }
  bool matching = true;
  for (size_t i = first; i < parts.size(); ++i) {
    std::optional<std::string> name = matching ? Match(real, parts[i]) : std::nullopt;
    if (!name) matching = false;
    real /= name ? *name : parts[i];
  }
  return real.lexically_normal();
}

bool PathResolver::FileExists(std::string_view game_path) {
  std::optional<fs::path> real = Find(game_path);
  std::error_code ec;
  return real && fs::is_regular_file(*real, ec);
}

bool PathResolver::ItemExists(std::string_view game_path) { return Find(game_path).has_value(); }

}  // namespace qvl
