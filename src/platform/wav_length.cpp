#include <algorithm>
#include <cstdint>
#include <fstream>
#include <optional>

#include "platform/media_errors.h"
#include "platform/sound_file_length.h"

namespace qvl::media {
namespace {

uint32_t Le32(const unsigned char* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t Le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

struct WavFormat {
  uint16_t encoding = 0;
  uint32_t sample_rate = 0;
  uint32_t byte_rate = 0;
  uint16_t block_align = 0;
};

}  // namespace

double ReadWavSeconds(const std::string& path) {
  RequireReadableFile(path);
  std::ifstream in(path, std::ios::binary);
  unsigned char riff[12];
  if (!in.read(reinterpret_cast<char*>(riff), 12) || std::string(riff, riff + 4) != "RIFF" ||
      std::string(riff + 8, riff + 12) != "WAVE") {
    throw InvalidFileFormat();
  }

  std::optional<WavFormat> format;
  std::optional<uint32_t> data_bytes;
  std::optional<uint32_t> sample_count;  // from the "fact" chunk of compressed files
  unsigned char head[8];
  while (in.read(reinterpret_cast<char*>(head), 8)) {
    const std::string id(head, head + 4);
    const uint32_t size = Le32(head + 4);
    if (id == "fmt " && size >= 16) {
      unsigned char fmt[16];
      if (!in.read(reinterpret_cast<char*>(fmt), 16)) break;
      format = WavFormat{Le16(fmt), Le32(fmt + 4), Le32(fmt + 8), Le16(fmt + 12)};
      in.seekg(size - 16 + (size & 1), std::ios::cur);
    } else if (id == "fact" && size >= 4) {
      unsigned char fact[4];
      if (!in.read(reinterpret_cast<char*>(fact), 4)) break;
      sample_count = Le32(fact);
      in.seekg(size - 4 + (size & 1), std::ios::cur);
    } else if (id == "data") {
      // A data size running past the end of the file (a file cut short)
      // counts what is really there.
      const auto start = in.tellg();
      in.seekg(0, std::ios::end);
      const auto available = static_cast<uint64_t>(in.tellg() - start);
      data_bytes = static_cast<uint32_t>(std::min<uint64_t>(size, available));
      if (format) break;
      in.seekg(start + std::streamoff(size + (size & 1)));
    } else {
      in.seekg(size + (size & 1), std::ios::cur);
    }
  }

  if (!format || !data_bytes || format->sample_rate == 0) throw InvalidFileFormat();
  const bool pcm = format->encoding == 1 || format->encoding == 3 || format->encoding == 0xFFFE;
  if (pcm && format->block_align > 0) {
    return static_cast<double>(*data_bytes / format->block_align) / format->sample_rate;
  }
  if (sample_count) return static_cast<double>(*sample_count) / format->sample_rate;
  if (format->byte_rate == 0) throw InvalidFileFormat();
  return static_cast<double>(*data_bytes) / format->byte_rate;
}

}  // namespace qvl::media
