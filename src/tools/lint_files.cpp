// Files: every picture, sound, music and movie the game names is there,
// under its exact name, and the player's own decoders can read it.
#include <algorithm>
#include <filesystem>
#include <map>

#include "media/media_kind.h"
#include "platform/media_probe.h"
#include "platform/paths.h"
#include "platform/picture_files.h"
#include "platform/runtime_error.h"
#include "platform/sound_file_length.h"
#include "tools/lint_file_refs.h"
#include "tools/lint_game.h"

namespace qvl::tools::lint {

namespace fs = std::filesystem;

namespace {

bool InGfx(const FileRef& ref) {
  return ref.use == FileUse::kPicture || ref.use == FileUse::kPointer ||
         (ref.use == FileUse::kLogo && MediaKind(ref.name) == "gif");
}

bool IsPicture(const FileRef& ref) { return InGfx(ref); }

// The kinds of file the player plays for this use; empty when any name goes.
std::vector<std::string> KindsPlayed(FileUse use) {
  switch (use) {
    case FileUse::kSound: return {"wav"};
    case FileUse::kMusic: return {"wav", "mid", "mp3"};
    case FileUse::kMovie: return {"avi", "mpg"};
    case FileUse::kSoundOrMovie: return {"wav", "avi", "mpg"};
    case FileUse::kMapMedia: return {"wav", "avi"};
    case FileUse::kLogo: return {"gif", "avi", "mpg"};
    case FileUse::kPicture:
    case FileUse::kPointer: return {};
  }
  return {};
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// The name in `folder` closest to `wanted`, when one is close enough to be
// a slip of the keyboard.
std::string Nearest(const fs::path& folder, const std::string& wanted) {
  std::error_code ec;
  std::string best;
  size_t best_distance = std::max<size_t>(2, wanted.size() / 4) + 1;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    // The same name with another extension is the likeliest slip.
    bool same_stem = Lower(fs::path(name).stem().string()) == Lower(fs::path(wanted).stem().string());
    size_t distance = same_stem ? 1 : EditDistance(Lower(wanted), Lower(name));
    if (distance < best_distance) {
      best_distance = distance;
      best = name;
    }
  }
  return best;
}

// What the player's decoders make of a file: why it cannot be read (empty
// when it can) and, for a picture, its size.
struct ReadResult {
  std::string problem;
  int width = 0;
  int height = 0;
};

ReadResult Read(const FileRef& ref, const fs::path& real) {
  // Each file is read alone and let go at once, under the player's budget
  // for one picture.
  PictureBudget budget;
  try {
    if (ref.use == FileUse::kPointer) {
      LoadPointerFile(real, budget);
    } else if (IsPicture(ref)) {
      PictureRef picture = LoadPictureFile(real, budget);
      return {"", picture->width, picture->height};
    } else {
      std::string kind = MediaKind(ref.name);
      if (kind == "wav") {
        media::ReadWavSeconds(real.string());
      } else if (kind == "mid") {
        media::ReadMidiSeconds(real.string());
      } else if (kind == "mp3") {
        media::CountAudioSeconds(real.string());
      } else {
        media::MediaInfo info = media::ProbeMedia(real.string());
        if (!info.has_video) return {"the movie has no pictures"};
      }
    }
  } catch (const RuntimeError& e) {
    return {"error " + std::to_string(e.number()) + " (" + e.description() + ")"};
  }
  return {};
}

// The scene area of the game window, where objects are drawn.
constexpr int kSceneWidth = 700;
constexpr int kSceneHeight = 475;

class FileChecker {
 public:
  FileChecker(const Game& game, Report& report) : game_(game), report_(report) {}

  void Check(const FileRef& ref) {
    std::vector<std::string> kinds = KindsPlayed(ref.use);
    std::string kind = MediaKind(ref.name);
    if (!kinds.empty() && std::find(kinds.begin(), kinds.end(), kind) == kinds.end()) {
      std::string list;
      for (const std::string& k : kinds) list += (list.empty() ? "" : ", ") + k;
      report_.Add("Q015", ref.place,
                  Quoted(ref.name) + ": the player plays only " + list + " files here and plays nothing for this one");
      return;
    }
    std::string folder = InGfx(ref) ? "gfx" : "mmedia";
    std::string game_path = game_.resource_dir.string() + "/" + folder + "/" + ref.name;
    std::optional<fs::path> real = resolver_.Find(game_path);
    std::error_code ec;
    if (!real || !fs::is_regular_file(*real, ec)) {
      if (ref.optional) return;
      Missing(ref, folder, game_path);
      return;
    }
    std::vector<std::string> parts = SplitGamePath(ref.name);
    if (!parts.empty() && real->filename().string() != parts.back()) {
      report_.Add("Q011", ref.place,
                  Quoted(ref.name) + " is found as " + Quoted(real->filename().string()) +
                      " only because the letter case is ignored; systems that tell case apart will not find it");
    }
    auto cached = reads_.find(*real);
    if (cached == reads_.end()) cached = reads_.emplace(*real, Read(ref, *real)).first;
    const ReadResult& read = cached->second;
    if (read.problem.empty()) {
      if (ref.object_picture) CheckObjectFits(ref, read);
      return;
    }
    if (IsPicture(ref)) {
      report_.Add("Q012", ref.place, "picture " + Quoted(ref.name) + " cannot be decoded: " + read.problem);
    } else {
      report_.Add("Q014", ref.place, Quoted(ref.name) + " cannot be played: " + read.problem);
    }
  }

 private:
  void Missing(const FileRef& ref, const std::string& folder, const std::string& game_path) {
    std::string what = (IsPicture(ref) ? "picture " : "") + Quoted(ref.name) + " not found in resource/" + folder;
    fs::path parent = resolver_.Find(fs::path(game_path).parent_path().string()).value_or(fs::path());
    std::string near = parent.empty() ? "" : Nearest(parent, fs::path(game_path).filename().string());
    if (!near.empty()) what += " (did you mean " + Quoted(near) + "?)";
    report_.Add(IsPicture(ref) ? "Q010" : "Q013", ref.place, what);
  }

  // An object whose corner lies in the scene area but whose picture runs
  // past its edge (a corner outside is a fault of its own, found with the
  // values).
  void CheckObjectFits(const FileRef& ref, const ReadResult& read) {
    const data::ObjectSlot& o = game_.scene(ref.place.record).slot(ref.place.slot);
    if (o.Left < 0 || o.Top < 0 || o.Left >= kSceneWidth || o.Top >= kSceneHeight) return;
    if (o.Left + read.width <= kSceneWidth && o.Top + read.height <= kSceneHeight) return;
    report_.Add("Q033", ref.place,
                "the " + std::to_string(read.width) + " x " + std::to_string(read.height) + " picture at left " +
                    std::to_string(o.Left) + ", top " + std::to_string(o.Top) +
                    " runs past the 700 x 475 scene area; its outer part cannot be seen or clicked");
  }

  const Game& game_;
  Report& report_;
  PathResolver resolver_;
  std::map<fs::path, ReadResult> reads_;
};

}  // namespace

void CheckFiles(const Game& game, Report& report) {
  FileChecker checker(game, report);
  for (const FileRef& ref : FilesNamed(game)) checker.Check(ref);
}

}  // namespace qvl::tools::lint
