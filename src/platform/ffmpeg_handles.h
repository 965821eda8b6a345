// FFmpeg objects owned by unique_ptr, each with the library's own release
// call and a reference to the loaded library, so every path out of a
// decoder frees what it opened and the library outlives them all.
// Platform sources only.
#pragma once

#include <memory>
#include <string>

#include "platform/ffmpeg_library.h"

namespace qvl::media {

struct FormatCloser {
  FfmpegRef ff;
  void operator()(AVFormatContext* c) const { ff->avformat_close_input(&c); }
};
struct CodecFreer {
  FfmpegRef ff;
  void operator()(AVCodecContext* c) const { ff->avcodec_free_context(&c); }
};
struct FrameFreer {
  FfmpegRef ff;
  void operator()(AVFrame* f) const { ff->av_frame_free(&f); }
};
struct PacketFreer {
  FfmpegRef ff;
  void operator()(AVPacket* p) const { ff->av_packet_free(&p); }
};
struct ScaleFreer {
  FfmpegRef ff;
  void operator()(SwsContext* s) const { ff->sws_freeContext(s); }
};
struct ResampleFreer {
  FfmpegRef ff;
  void operator()(SwrContext* s) const { ff->swr_free(&s); }
};

using FormatPtr = std::unique_ptr<AVFormatContext, FormatCloser>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using ScalePtr = std::unique_ptr<SwsContext, ScaleFreer>;
using ResamplePtr = std::unique_ptr<SwrContext, ResampleFreer>;

// Opens a media file and reads its stream information, loading FFmpeg for
// it (the file's closer holds the library: `get_deleter().ff`). Errors: 53
// missing, 75 unreadable (both before FFmpeg is loaded), 321 not a file
// FFmpeg can read (or no FFmpeg).
FormatPtr OpenMediaFile(const std::string& path);

// The length of an opened file in seconds (0 when it does not say).
double MediaSeconds(const AVFormatContext& format);

}  // namespace qvl::media
