#include "platform/ffmpeg_library.h"

#include <dlfcn.h>

#include <cstdio>
#include <string>

#include "platform/media_errors.h"
#include "platform/media_probe.h"

extern "C" {
#include <libavutil/avutil.h>
}

namespace qvl::media {
namespace {

// The libraries by the names of the versions the player was built with,
// each after those it needs.
std::vector<std::string> LibraryNames() {
  return {"libavutil.so." AV_STRINGIFY(LIBAVUTIL_VERSION_MAJOR),
          "libswresample.so." AV_STRINGIFY(LIBSWRESAMPLE_VERSION_MAJOR),
          "libswscale.so." AV_STRINGIFY(LIBSWSCALE_VERSION_MAJOR),
          "libavcodec.so." AV_STRINGIFY(LIBAVCODEC_VERSION_MAJOR),
          "libavformat.so." AV_STRINGIFY(LIBAVFORMAT_VERSION_MAJOR)};
}

// How the libraries are opened. Each load and unload leaves some 12 KB
// that the libraries allocate when they start and never free; a leak
// checker counts it lost once they are gone, so under one they stay
// mapped after the last reference (and the checker sees it still held).
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QVL_KEEP_LIBRARIES_MAPPED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QVL_KEEP_LIBRARIES_MAPPED 1
#endif
#if defined(QVL_KEEP_LIBRARIES_MAPPED)
constexpr bool kStayMapped = true;
#else
constexpr bool kStayMapped = false;
#endif
constexpr int kOpenFlags = RTLD_NOW | RTLD_LOCAL | (kStayMapped ? RTLD_NODELETE : 0);

[[noreturn]] void CannotLoad(const std::string& what) {
  std::fprintf(stderr, "Movies and MP3 music cannot be played: %s\n", what.c_str());
  throw InvalidFileFormat();
}

}  // namespace

void FfmpegLibrary::Unloader::operator()(void* handle) const { dlclose(handle); }

void* FfmpegLibrary::Find(const char* name) const {
  for (const auto& handle : handles_) {
    if (void* found = dlsym(handle.get(), name)) return found;
  }
  CannotLoad(std::string("FFmpeg has no ") + name);
}

template <typename Function>
void Bind(Function& function, void* found) {
  function = reinterpret_cast<Function>(found);
}

FfmpegLibrary::FfmpegLibrary() {
  for (const std::string& name : LibraryNames()) {
    void* handle = dlopen(name.c_str(), kOpenFlags);
    if (handle == nullptr) CannotLoad(dlerror());
    handles_.emplace_back(handle);
  }
#define QVL_BIND(function) Bind(function, Find(#function))
  QVL_BIND(av_log_set_level);
  QVL_BIND(av_frame_alloc);
  QVL_BIND(av_frame_free);
  QVL_BIND(av_channel_layout_check);
  QVL_BIND(av_channel_layout_copy);
  QVL_BIND(av_channel_layout_default);
  QVL_BIND(av_channel_layout_uninit);
  QVL_BIND(av_packet_alloc);
  QVL_BIND(av_packet_free);
  QVL_BIND(av_packet_unref);
  QVL_BIND(av_packet_get_side_data);
  QVL_BIND(avformat_open_input);
  QVL_BIND(avformat_find_stream_info);
  QVL_BIND(avformat_close_input);
  QVL_BIND(av_find_best_stream);
  QVL_BIND(av_read_frame);
  QVL_BIND(av_seek_frame);
  QVL_BIND(avcodec_find_decoder);
  QVL_BIND(avcodec_alloc_context3);
  QVL_BIND(avcodec_free_context);
  QVL_BIND(avcodec_parameters_to_context);
  QVL_BIND(avcodec_open2);
  QVL_BIND(avcodec_send_packet);
  QVL_BIND(avcodec_receive_frame);
  QVL_BIND(avcodec_flush_buffers);
  QVL_BIND(swr_alloc_set_opts2);
  QVL_BIND(swr_init);
  QVL_BIND(swr_convert);
  QVL_BIND(swr_get_out_samples);
  QVL_BIND(swr_free);
  QVL_BIND(sws_getCachedContext);
  QVL_BIND(sws_scale);
  QVL_BIND(sws_freeContext);
#undef QVL_BIND
  // A file FFmpeg cannot read is reported to the game as an error; its
  // console chatter about guessing formats is not wanted.
  av_log_set_level(AV_LOG_FATAL);
}

bool FfmpegStaysLoaded() { return kStayMapped; }

FfmpegRef LoadFfmpeg() { return std::make_shared<const FfmpegLibrary>(); }

}  // namespace qvl::media
