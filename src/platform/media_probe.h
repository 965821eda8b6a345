// What a movie or MP3 file holds, read through FFmpeg without decoding it:
// length, picture size, whether it has pictures and sound.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "platform/file_stamp.h"

namespace qvl::media {

struct MediaInfo {
  double seconds = 0.0;
  int width = 0;   // natural picture size; 0 × 0 without video
  int height = 0;
  bool has_video = false;
  bool has_audio = false;
};

// Errors: 53 missing, 75 unreadable, 321 not a file FFmpeg can read.
MediaInfo ProbeMedia(const std::string& path);

// Seconds of sound a decoder gives for the file's first audio stream,
// counted from its packets without decoding them: MP3 encoders add silent
// samples at both ends that the container's length includes and a decoder
// drops. Errors as for ProbeMedia, and 321 without audio.
double CountAudioSeconds(const std::string& path);

// Whether FFmpeg's libraries stay in memory after their last use: only in
// a build with a leak checker, which would count what they allocate when
// they start as lost once they are gone.
bool FfmpegStaysLoaded();

// The probes of one player, kept per file while the file stays as it was:
// a soundtrack or movie the game opens again is not read again, nor
// FFmpeg loaded again for it. Failed probes are not kept.
class ProbeMemo {
 public:
  MediaInfo Probe(const std::string& path);
  double AudioSeconds(const std::string& path);

 private:
  struct Found {
    std::optional<FileStamp> stamp;         // nothing when it could not be told
    std::optional<MediaInfo> info;          // not probed yet when empty
    std::optional<double> audio_seconds;    // not counted yet when empty
  };
  // The entry of an unchanged file, or a fresh one in its place.
  Found& Entry(const std::string& path);

  std::map<std::string, Found> found_;
};

}  // namespace qvl::media
