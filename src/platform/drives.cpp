#include "platform/drives.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qvl {

namespace {

// Mount-table fields write blanks and a few other characters as \ooo.
std::string Unescape(const std::string& field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string digits = field.substr(i + 1, 3);
      if (digits.size() == 3 && digits.find_first_not_of("01234567") == std::string::npos) {
        out += static_cast<char>(std::stoi(digits, nullptr, 8));
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return out;
}

// One line of /proc/self/mountinfo: "id parent major:minor root point
// options [optional fields] - fstype source super-options".
std::optional<Mount> ParseMountInfoLine(const std::string& line) {
  std::istringstream in(line);
  std::string id, parent, device, root, point, options, field;
  if (!(in >> id >> parent >> device >> root >> point >> options)) return std::nullopt;
  while (in >> field && field != "-") {
  }
  Mount mount;
  mount.point = Unescape(point);
  if (!(in >> mount.fs_type)) return std::nullopt;
  in >> mount.source;
  mount.source = Unescape(mount.source);
  return mount;
}

// Labels the system lists under /dev/disk/by-label, written with \x20 for
// a blank and the like.
std::string UnescapeLabelName(const std::string& name) {
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x') {
      const std::string hex = name.substr(i + 2, 2);
      if (hex.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos) {
        out += static_cast<char>(std::stoi(hex, nullptr, 16));
        i += 3;
        continue;
      }
    }
    out += name[i];
  }
  return out;
}

class SystemDriveTable : public DriveTable {
 public:
  std::vector<Mount> Mounts() const override {
    std::vector<Mount> mounts;
    std::ifstream in("/proc/self/mountinfo");
    std::string line;
    while (std::getline(in, line)) {
      if (auto mount = ParseMountInfoLine(line)) mounts.push_back(std::move(*mount));
    }
    return mounts;
  }

  std::optional<std::string> VolumeLabel(const Mount& mount) const override {
    std::error_code error;
    const auto device = std::filesystem::canonical(mount.source, error);
    if (error) return std::nullopt;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/disk/by-label", error)) {
      std::error_code link_error;
      if (std::filesystem::canonical(entry.path(), link_error) == device && !link_error) {
        return UnescapeLabelName(entry.path().filename().string());
      }
    }
    std::ifstream disc(device, std::ios::binary);
    if (!disc) return std::nullopt;
    std::string sector(2048, '\0');
    disc.seekg(16 * 2048);
    if (!disc.read(sector.data(), static_cast<std::streamsize>(sector.size()))) return std::nullopt;
    return IsoVolumeLabel(sector);
  }
};

bool StartsWithFolder(const std::string& path, const std::string& folder) {
  if (folder == "/") return !path.empty() && path[0] == '/';
  if (path.compare(0, folder.size(), folder) != 0) return false;
  return path.size() == folder.size() || path[folder.size()] == '/' || path[folder.size()] == '\\';
}

}  // namespace

std::unique_ptr<DriveTable> MakeSystemDriveTable() { return std::make_unique<SystemDriveTable>(); }

int DriveTypeOfMount(const Mount& mount) {
  const std::string& t = mount.fs_type;
  if (t == "iso9660" || t == "udf") return drive_type::kCdRom;
  if (t == "tmpfs" || t == "ramfs") return drive_type::kRamDisk;
  if (t == "nfs" || t == "nfs4" || t == "cifs" || t == "smb3" || t == "smbfs" || t == "9p" ||
      t == "fuse.sshfs" || t == "afs" || t == "ceph" || t == "glusterfs") {
    return drive_type::kRemote;
  }
  return drive_type::kFixed;
}

const Mount* MountHolding(const std::vector<Mount>& mounts, const std::string& path) {
  const Mount* best = nullptr;
  for (const Mount& mount : mounts) {
    if (!StartsWithFolder(path, mount.point)) continue;
    // A later mount on the same point hides the earlier one.
    if (best == nullptr || mount.point.size() >= best->point.size()) best = &mount;
  }
  return best;
}

std::optional<std::string> IsoVolumeLabel(const std::string& sector16) {
  // Type 1 (primary), the standard identifier "CD001", version 1; the
  // volume identifier is 32 characters at offset 40.
  if (sector16.size() < 72 || sector16[0] != 1 || sector16.compare(1, 5, "CD001") != 0) return std::nullopt;
  std::string label = sector16.substr(40, 32);
  const auto end = label.find_last_not_of(" \0", std::string::npos, 2);
  label = end == std::string::npos ? "" : label.substr(0, end + 1);
  return label;
}

}  // namespace qvl
