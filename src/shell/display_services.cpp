#include "shell/display_services.h"

#include <algorithm>
#include <vector>

#include "game/error_report.h"
#include "game/player.h"
#include "platform/text_numbers.h"
#include "shell/quit.h"

namespace qvl {

namespace {

constexpr int kGameWidth = 800;
constexpr int kGameHeight = 600;

std::string WithoutFinalSeparator(std::string path) {
  if (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return path;
}

}  // namespace

void CheckRes(Player& p) {
  const ui::ScreenMetrics metrics = p.runtime().GetScreenMetrics();
  const int w = metrics.WidthTwips() / 15;
  const int h = metrics.HeightTwips() / 15;
  bool change = false;
  if (w < kGameWidth || h < kGameHeight) {
    change = true;
  } else if (w == kGameWidth && h == kGameHeight) {
    change = false;
  } else {
    change = p.startup.ChangeResolution;
  }
  if (!change) return;
  p.display.ResolutionChanged = true;
  p.display.SavedWidth = static_cast<float>(w);
  p.display.SavedHeight = static_cast<float>(h);
  ChangeRes(p, kGameWidth, kGameHeight);
}

void ChangeRes(Player& p, float width, float height) {
  try {
    const int w = CLng(width);
    const int h = CLng(height);
    const bool game_mode = w == kGameWidth && h == kGameHeight;
    if (ScreenOutput* screen = p.runtime().screen()) screen->SetFullscreen(game_mode);
    p.display.Fullscreen800x600 = game_mode;
    p.runtime().SetScreenMetrics(ui::ScreenMetrics{w, h});
  } catch (const std::exception&) {
    // The game goes on in whatever mode the screen is in.
  }
}

int16_t TypeOfDrive(Player& p, const std::string& drive) {
  try {
    const std::string path = Trim(drive);
    if (path.empty()) return drive_type::kUnknown;
    const auto mounts = p.drives->Mounts();
    const Mount* mount = MountHolding(mounts, path);
    if (mount == nullptr) return drive_type::kNoRootDir;
    return static_cast<int16_t>(DriveTypeOfMount(*mount));
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "TypeOfDrive", error);
    return drive_type::kUnknown;
  }
}

bool ItemExist(Player& p, const std::string& path) {
  try {
    const std::string item = WithoutFinalSeparator(Trim(path));
    if (item.empty()) return false;
    const auto mounts = p.drives->Mounts();
    const Mount* mount = MountHolding(mounts, item);
    if (mount == nullptr || TypeOfDrive(p, item) == drive_type::kUnknown) return false;
    if (item == mount->point) return true;
    return p.files.ItemExists(item);
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "ItemExist", error);
    return false;
  }
}

std::optional<std::string> VolumeLabelOf(Player& p, const std::string& path) {
  const auto mounts = p.drives->Mounts();
  const Mount* mount = MountHolding(mounts, path);
  if (mount == nullptr) return std::nullopt;
  return p.drives->VolumeLabel(*mount);
}

std::string DiscMountHolding(Player& p, const std::string& path) {
  const auto mounts = p.drives->Mounts();
  const Mount* mount = MountHolding(mounts, path);
  return mount != nullptr ? mount->point : std::string();
}

namespace {

// The mount point of a disc labelled `label` (letter case aside): the drive
// that holds the game folder, then every other CD-ROM drive and mounted
// disc image; nothing when no disc carries the label.
std::optional<std::string> FindDiscLabelled(Player& p, const std::string& label) {
  const auto mounts = p.drives->Mounts();
  std::vector<const Mount*> discs;
  if (const Mount* own = MountHolding(mounts, p.AppPath())) discs.push_back(own);
  for (const Mount& mount : mounts) {
    if (DriveTypeOfMount(mount) != drive_type::kCdRom) continue;
    if (!discs.empty() && mount.point == discs.front()->point) continue;
    discs.push_back(&mount);
  }
  for (const Mount* disc : discs) {
    const auto found = p.drives->VolumeLabel(*disc);
    if (found && LCase(*found) == LCase(label)) return disc->point;
  }
  return std::nullopt;
}

// The game goes on from the disc mounted at `point`: the game folder is
// the same folder on it as it was on the disc before.
void ReadFromDiscAt(Player& p, const std::string& point) {
  StartupState& s = p.startup;
  if (point == s.DiscMount || s.DiscMount.empty()) return;
  // A mount point as the start of the paths under it ("/" starts them all).
  auto base = [](const std::string& mount) { return mount == "/" ? std::string() : mount; };
  const std::string folder = p.AppPath();
  const std::string inside = folder.substr(std::min(folder.size(), base(s.DiscMount).size()));
  s.DiscGameFolder = base(point) + inside;
  s.DiscMount = point;
}

}  // namespace

void CheckSceneDisc(Player& p, int16_t scene) {
  if (p.startup.CurrentCD == 0) return;
  int16_t required = 0;
  for (int16_t d = 1; d <= 4; ++d) {
    if (p.gen.CDFirstScene[d] <= scene && scene <= p.gen.CDLastScene[d]) {
      if (d == p.startup.CurrentCD) return;
      required = d;
    }
  }
  if (required == 0) {
    if (p.gen.CDMode) {
      p.runtime().message_boxes().Show(
          "Quorvel Player",
          "This application has been set up to run from a CD, and is currently running from a CD.  However, the "
          "Quorvel Engine was unable to determine which CD is required for Scene #" +
              Num(scene) +
              ".  Possible cause: Scene Resource setup was not done correcly.  Without knowing which CD is "
              "required, it is impossible to continue.  Please correct the problem and try again.",
          MsgIcon::kCritical, MsgButtons::kOK);
      EndApplication(p);
    }
    // A disc was identified but no disc holds the scene: load it from the
    // disc that is in.
    return;
  }
  // A person swaps the disc between two presses of OK. Headless play has
  // nobody to do it: after this many asks the run is reported as hung
  // rather than asking for ever.
  constexpr int kHeadlessAsks = 100;
  for (int asks = 1;; ++asks) {
    p.runtime().message_boxes().Show(
        p.gen.GameTitle, "Please Insert CD #" + Num(required) + ".  Click OK after CD has spun down.",
        MsgIcon::kNone, MsgButtons::kOK);
    p.loop().DoEvents();
    if (const auto point = FindDiscLabelled(p, p.gen.CDLabel[static_cast<size_t>(required)])) {
      ReadFromDiscAt(p, *point);
      break;
    }
    if (p.runtime().IsVirtual() && asks >= kHeadlessAsks) {
      throw ui::Hang("the game asks for CD #" + Num(required) + ", which headless play cannot insert");
    }
  }
  p.startup.CurrentCD = required;
}

void GetScreenMetrics(Player& p) {
  p.startup.ScreenWidthPx = 800;
  p.startup.ScreenHeightPx = 600;
}

void SetTopMost(ui::Window& window, bool on) { window.SetAlwaysOnTop(on); }

}  // namespace qvl
