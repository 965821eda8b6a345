// The drives the game folder can lie on, as the game asks about them:
// mounted file systems with their kind, and the volume label of a disc.
// The machine's own table comes from /proc/self/mountinfo; tests give
// a table of their own (a fake CD-ROM, say).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qvl {

// Drive kinds by their number as the game knows them.
namespace drive_type {
constexpr int kUnknown = 0;
constexpr int kNoRootDir = 1;
constexpr int kRemovable = 2;
constexpr int kFixed = 3;
constexpr int kRemote = 4;
constexpr int kCdRom = 5;
constexpr int kRamDisk = 6;
}  // namespace drive_type

// One mounted file system.
struct Mount {
  std::string point;    // where it is mounted, e.g. "/media/cdrom"
  std::string fs_type;  // e.g. "iso9660", "ext4", "tmpfs", "nfs"
  std::string source;   // the device, e.g. "/dev/sr0"
};

class DriveTable {
 public:
  virtual ~DriveTable() = default;
  // Every mounted file system.
  virtual std::vector<Mount> Mounts() const = 0;
  // The volume label of the disc or partition mounted there, when one can
  // be read.
  virtual std::optional<std::string> VolumeLabel(const Mount& mount) const = 0;
};

// The machine's mounts and labels.
std::unique_ptr<DriveTable> MakeSystemDriveTable();

// The drive kind of a file system type (5 for iso9660 and udf, 6 for
// tmpfs, 4 for network file systems, 3 otherwise).
int DriveTypeOfMount(const Mount& mount);

// The mount that holds a path: the one whose point is the longest
// leading folder of it; null when none does.
const Mount* MountHolding(const std::vector<Mount>& mounts, const std::string& path);

// The volume label in an ISO 9660 primary volume descriptor (the 2048
// bytes of sector 16 of a disc), trimmed; nothing when it is not one.
std::optional<std::string> IsoVolumeLabel(const std::string& sector16);

}  // namespace qvl
