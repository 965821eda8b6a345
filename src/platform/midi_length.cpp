#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "platform/media_errors.h"
#include "platform/sound_file_length.h"

namespace qvl::media {
namespace {

// Reads the bytes of one track chunk, failing with "Invalid file format"
// instead of running past its end.
class TrackReader {
 public:
  TrackReader(const std::vector<unsigned char>& bytes, size_t begin, size_t end) : bytes_(bytes), pos_(begin), end_(end) {}

  bool AtEnd() const { return pos_ >= end_; }

  unsigned char Byte() {
    if (pos_ >= end_) throw InvalidFileFormat();
    return bytes_[pos_++];
  }
  unsigned char Peek() const {
    if (pos_ >= end_) throw InvalidFileFormat();
    return bytes_[pos_];
  }
  uint32_t VariableLength() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const unsigned char b = Byte();
      value = (value << 7) | (b & 0x7F);
      if ((b & 0x80) == 0) return value;
    }
    throw InvalidFileFormat();
  }
  void Skip(uint32_t count) {
    if (count > end_ - pos_) throw InvalidFileFormat();
    pos_ += count;
  }

 private:
  const std::vector<unsigned char>& bytes_;
  size_t pos_;
  size_t end_;
};

uint32_t Be32(const std::vector<unsigned char>& b, size_t at) {
  return (uint32_t(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}
uint16_t Be16(const std::vector<unsigned char>& b, size_t at) { return static_cast<uint16_t>((b[at] << 8) | b[at + 1]); }

// Walks one track: returns the tick of its last event and adds its tempo
// changes (tick → microseconds per quarter note) to `tempos`.
uint64_t ScanTrack(TrackReader track, std::multimap<uint64_t, uint32_t>& tempos) {
  uint64_t tick = 0;
  unsigned char running_status = 0;
  while (!track.AtEnd()) {
    tick += track.VariableLength();
    unsigned char status = track.Peek();
    if (status & 0x80) {
      track.Byte();
    } else if (running_status != 0) {
      status = running_status;  // data byte: the previous status again
    } else {
      throw InvalidFileFormat();
    }

    if (status == 0xFF) {
      const unsigned char type = track.Byte();
      const uint32_t length = track.VariableLength();
      if (type == 0x51 && length == 3) {
        const uint32_t tempo = (uint32_t(track.Byte()) << 16) | (track.Byte() << 8) | track.Byte();
        tempos.emplace(tick, tempo);
      } else {
        track.Skip(length);
      }
      if (type == 0x2F) break;  // end of track
    } else if (status == 0xF0 || status == 0xF7) {
      track.Skip(track.VariableLength());
    } else {
      running_status = status;
      const unsigned char kind = status & 0xF0;
      const uint32_t data_bytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
      track.Skip(data_bytes);
    }
  }
  return tick;
}

// Seconds at `end_tick` with the tempo map applied from tick 0 (120 beats
// per minute until the first tempo change).
double TicksToSeconds(uint64_t end_tick, uint16_t ticks_per_quarter, const std::multimap<uint64_t, uint32_t>& tempos) {
  double seconds = 0.0;
  uint64_t tick = 0;
  uint32_t tempo = 500000;
  for (const auto& [at, next_tempo] : tempos) {
    if (at >= end_tick) break;
    seconds += static_cast<double>(at - tick) * tempo / 1e6 / ticks_per_quarter;
    tick = at;
    tempo = next_tempo;
  }
  return seconds + static_cast<double>(end_tick - tick) * tempo / 1e6 / ticks_per_quarter;
}

}  // namespace

double ReadMidiSeconds(const std::string& path) {
  RequireReadableFile(path);
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (bytes.size() < 14 || std::string(bytes.begin(), bytes.begin() + 4) != "MThd") throw InvalidFileFormat();
  const uint32_t header_size = Be32(bytes, 4);
  if (header_size < 6 || 8 + uint64_t(header_size) > bytes.size()) throw InvalidFileFormat();
  const uint16_t track_count = Be16(bytes, 10);
  const uint16_t division = Be16(bytes, 12);
  if (division == 0) throw InvalidFileFormat();

  std::multimap<uint64_t, uint32_t> tempos;
  uint64_t last_tick = 0;
  size_t pos = 8 + header_size;
  int tracks_read = 0;
  while (tracks_read < track_count && pos + 8 <= bytes.size()) {
    const std::string id(bytes.begin() + pos, bytes.begin() + pos + 4);
    const uint32_t size = Be32(bytes, pos + 4);
    const size_t begin = pos + 8;
    const size_t end = std::min<size_t>(begin + size, bytes.size());
    if (id == "MTrk") {
      last_tick = std::max(last_tick, ScanTrack(TrackReader(bytes, begin, end), tempos));
      ++tracks_read;
    }
    pos = end;
  }
  if (tracks_read == 0) throw InvalidFileFormat();

  if (division & 0x8000) {
    // SMPTE time: frames per second times ticks per frame, tempo ignored.
    const int frames_per_second = -static_cast<int8_t>(division >> 8);
    const int ticks_per_frame = division & 0xFF;
    if (frames_per_second <= 0 || ticks_per_frame == 0) throw InvalidFileFormat();
    return static_cast<double>(last_tick) / (frames_per_second * ticks_per_frame);
  }
  return TicksToSeconds(last_tick, division, tempos);
}

}  // namespace qvl::media
