// FFmpeg's functions, found in its libraries only while a movie or an MP3
// needs them: the libraries and the hundred they bring with them stay out
// of the player's start and memory while the game shows scenes. Platform
// sources only.
#pragma once

#include <memory>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace qvl::media {

// The libraries stay loaded while this object lives; every FFmpeg object
// the player holds keeps a reference to it, so the last one to go unloads
// them.
class FfmpegLibrary {
 public:
  FfmpegLibrary();
  FfmpegLibrary(const FfmpegLibrary&) = delete;
  FfmpegLibrary& operator=(const FfmpegLibrary&) = delete;

  // One member a function, named as FFmpeg names it.
  decltype(&::av_log_set_level) av_log_set_level = nullptr;
  decltype(&::av_frame_alloc) av_frame_alloc = nullptr;
  decltype(&::av_frame_free) av_frame_free = nullptr;
  decltype(&::av_channel_layout_check) av_channel_layout_check = nullptr;
  decltype(&::av_channel_layout_copy) av_channel_layout_copy = nullptr;
  decltype(&::av_channel_layout_default) av_channel_layout_default = nullptr;
  decltype(&::av_channel_layout_uninit) av_channel_layout_uninit = nullptr;
  decltype(&::av_packet_alloc) av_packet_alloc = nullptr;
  decltype(&::av_packet_free) av_packet_free = nullptr;
  decltype(&::av_packet_unref) av_packet_unref = nullptr;
  decltype(&::av_packet_get_side_data) av_packet_get_side_data = nullptr;
  decltype(&::avformat_open_input) avformat_open_input = nullptr;
  decltype(&::avformat_find_stream_info) avformat_find_stream_info = nullptr;
  decltype(&::avformat_close_input) avformat_close_input = nullptr;
  decltype(&::av_find_best_stream) av_find_best_stream = nullptr;
  decltype(&::av_read_frame) av_read_frame = nullptr;
  decltype(&::av_seek_frame) av_seek_frame = nullptr;
  decltype(&::avcodec_find_decoder) avcodec_find_decoder = nullptr;
  decltype(&::avcodec_alloc_context3) avcodec_alloc_context3 = nullptr;
  decltype(&::avcodec_free_context) avcodec_free_context = nullptr;
  decltype(&::avcodec_parameters_to_context) avcodec_parameters_to_context = nullptr;
  decltype(&::avcodec_open2) avcodec_open2 = nullptr;
  decltype(&::avcodec_send_packet) avcodec_send_packet = nullptr;
  decltype(&::avcodec_receive_frame) avcodec_receive_frame = nullptr;
  decltype(&::avcodec_flush_buffers) avcodec_flush_buffers = nullptr;
  decltype(&::swr_alloc_set_opts2) swr_alloc_set_opts2 = nullptr;
  decltype(&::swr_init) swr_init = nullptr;
  decltype(&::swr_convert) swr_convert = nullptr;
  decltype(&::swr_get_out_samples) swr_get_out_samples = nullptr;
  decltype(&::swr_free) swr_free = nullptr;
  decltype(&::sws_getCachedContext) sws_getCachedContext = nullptr;
  decltype(&::sws_scale) sws_scale = nullptr;
  decltype(&::sws_freeContext) sws_freeContext = nullptr;

 private:
  // Each library holds those it needs, so the order they go in is free.
  struct Unloader {
    void operator()(void* handle) const;
  };
  // Looks `name` up in the loaded libraries; error 321 when it is missing.
  void* Find(const char* name) const;

  std::vector<std::unique_ptr<void, Unloader>> handles_;
};

using FfmpegRef = std::shared_ptr<const FfmpegLibrary>;

// Loads FFmpeg's libraries (or takes another reference to them when they
// are loaded already). A player without them can play no movie or MP3:
// error 321 "Invalid file format", with the reason on the error output.
FfmpegRef LoadFfmpeg();

}  // namespace qvl::media
