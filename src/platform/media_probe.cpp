#include "platform/media_probe.h"

#include <algorithm>

#include "platform/ffmpeg_handles.h"
#include "platform/media_errors.h"

extern "C" {
#include <libavutil/intreadwrite.h>
}

namespace qvl::media {

FormatPtr OpenMediaFile(const std::string& path) {
  RequireReadableFile(path);
  const FfmpegRef ff = LoadFfmpeg();
  AVFormatContext* raw = nullptr;
  if (ff->avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) throw InvalidFileFormat();
  FormatPtr format(raw, FormatCloser{ff});
  if (ff->avformat_find_stream_info(format.get(), nullptr) < 0) throw InvalidFileFormat();
  bool has_stream = false;
  for (unsigned i = 0; i < format->nb_streams; ++i) {
    const auto type = format->streams[i]->codecpar->codec_type;
    has_stream = has_stream || type == AVMEDIA_TYPE_VIDEO || type == AVMEDIA_TYPE_AUDIO;
  }
  if (!has_stream) throw InvalidFileFormat();
  return format;
}

double MediaSeconds(const AVFormatContext& format) {
  if (format.duration > 0) return static_cast<double>(format.duration) / AV_TIME_BASE;
  double longest = 0.0;
  for (unsigned i = 0; i < format.nb_streams; ++i) {
    const AVStream& stream = *format.streams[i];
    if (stream.duration > 0) longest = std::max(longest, stream.duration * av_q2d(stream.time_base));
  }
  return longest;
}

MediaInfo ProbeMedia(const std::string& path) {
  const FormatPtr format = OpenMediaFile(path);
  const FfmpegRef& ff = format.get_deleter().ff;
  MediaInfo info;
  info.seconds = MediaSeconds(*format);
  const int video = ff->av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  const int audio = ff->av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
  if (video >= 0) {
    info.has_video = true;
    info.width = format->streams[video]->codecpar->width;
    info.height = format->streams[video]->codecpar->height;
  }
  info.has_audio = audio >= 0;
  // A stream the player could not decode makes the whole file unplayable,
  // as it would be for the real player.
  for (const int stream : {video, audio}) {
    if (stream >= 0 && ff->avcodec_find_decoder(format->streams[stream]->codecpar->codec_id) == nullptr) {
      throw InvalidFileFormat();
    }
  }
  return info;
}

double CountAudioSeconds(const std::string& path) {
  const FormatPtr format = OpenMediaFile(path);
  const FfmpegRef& ff = format.get_deleter().ff;
  const int audio = ff->av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
  if (audio < 0) throw InvalidFileFormat();
  const AVStream& stream = *format->streams[audio];
  const int rate = stream.codecpar->sample_rate;
  if (rate <= 0) throw InvalidFileFormat();
  PacketPtr packet(ff->av_packet_alloc(), PacketFreer{ff});
  if (!packet) throw InvalidCall();
  double seconds = 0.0;
  int64_t dropped_samples = 0;
  while (ff->av_read_frame(format.get(), packet.get()) >= 0) {
    if (packet->stream_index == audio) {
      seconds += static_cast<double>(packet->duration) * av_q2d(stream.time_base);
      size_t size = 0;
      const uint8_t* skip = ff->av_packet_get_side_data(packet.get(), AV_PKT_DATA_SKIP_SAMPLES, &size);
      if (skip != nullptr && size >= 8) dropped_samples += AV_RL32(skip) + AV_RL32(skip + 4);
    }
    ff->av_packet_unref(packet.get());
  }
  return std::max(0.0, seconds - static_cast<double>(dropped_samples) / rate);
}

ProbeMemo::Found& ProbeMemo::Entry(const std::string& path) {
  RequireReadableFile(path);
  const std::optional<FileStamp> stamp = StampOf(path);
  auto found = found_.find(path);
  if (found != found_.end() && stamp && found->second.stamp == stamp) return found->second;
  return found_[path] = Found{stamp, std::nullopt, std::nullopt};
}

MediaInfo ProbeMemo::Probe(const std::string& path) {
  Found& entry = Entry(path);
  if (!entry.info) entry.info = ProbeMedia(path);
  return *entry.info;
}

double ProbeMemo::AudioSeconds(const std::string& path) {
  Found& entry = Entry(path);
  if (!entry.audio_seconds) entry.audio_seconds = CountAudioSeconds(path);
  return *entry.audio_seconds;
}

}  // namespace qvl::media
