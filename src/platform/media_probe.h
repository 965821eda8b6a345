// What a movie or MP3 file holds, read through FFmpeg without decoding it:
// length, picture size, whether it has pictures and sound.
#pragma once

#include <string>

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

}  // namespace qvl::media
