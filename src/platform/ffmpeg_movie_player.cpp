// The real movie player: FFmpeg reads and decodes the AVI or MPG file on a
// worker thread a little ahead of time; the game's thread takes the
// picture due now, scaled to the control's size, and the sound goes out on
// a reserved channel of the shared SDL2_mixer device. Pictures and sound
// both follow one clock that starts when the movie is played; the sound is
// trimmed or delayed to keep to it, so they stay in step.
#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

#include "platform/ffmpeg_handles.h"
#include "platform/media_backends.h"
#include "platform/media_errors.h"
#include "platform/sdl_audio.h"
#include "platform/traced_media.h"

namespace qvl {
namespace {

using SteadyClock = std::chrono::steady_clock;
using media::FramePtr;

// One decoded picture and the second of the movie it belongs to.
struct Picture {
  double time = 0.0;
  FramePtr frame;
};

// What one step of decoding produced.
struct Decoded {
  std::vector<Picture> pictures;
  std::vector<int16_t> samples;  // interleaved stereo at the device rate
  double samples_time = -1.0;    // second of the first sample, when known
};

media::CodecPtr OpenDecoder(const media::FfmpegRef& ff, const AVStream& stream) {
  const AVCodec* codec = ff->avcodec_find_decoder(stream.codecpar->codec_id);
  if (codec == nullptr) throw media::InvalidFileFormat();
  media::CodecPtr context(ff->avcodec_alloc_context3(codec), media::CodecFreer{ff});
  if (!context || ff->avcodec_parameters_to_context(context.get(), stream.codecpar) < 0) {
    throw media::InvalidFileFormat();
  }
  context->thread_count = 1;  // the machine's cores belong to the game too
  if (ff->avcodec_open2(context.get(), codec, nullptr) < 0) throw media::InvalidFileFormat();
  return context;
}

// An open movie file with its decoders. Used by one thread at a time.
class MovieFile {
 public:
  explicit MovieFile(const std::string& path)
      : format_(media::OpenMediaFile(path)), ff_(format_.get_deleter().ff) {
    video_index_ = ff_->av_find_best_stream(format_.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    audio_index_ = ff_->av_find_best_stream(format_.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (video_index_ >= 0) {
      video_ = OpenDecoder(ff_, *format_->streams[video_index_]);
      width_ = video_->width;
      height_ = video_->height;
      if (width_ <= 0 || height_ <= 0) throw media::InvalidFileFormat();
    }
    if (audio_index_ >= 0) audio_ = OpenDecoder(ff_, *format_->streams[audio_index_]);
    seconds_ = media::MediaSeconds(*format_);
    start_ = format_->start_time == AV_NOPTS_VALUE ? 0.0 : static_cast<double>(format_->start_time) / AV_TIME_BASE;
    packet_ = media::PacketPtr(ff_->av_packet_alloc(), media::PacketFreer{ff_});
    if (!packet_) throw media::InvalidCall();
  }

  const media::FfmpegRef& ff() const { return ff_; }
  int width() const { return width_; }
  int height() const { return height_; }
  double seconds() const { return seconds_; }
  bool has_audio() const { return audio_ != nullptr; }

  // Reads and decodes one packet; false once the file is used up and the
  // decoders have given their last frames.
  bool Step(Decoded& out) {
    if (finished_) return false;
    if (ff_->av_read_frame(format_.get(), packet_.get()) < 0) {
      if (video_) Drain(video_.get(), nullptr, out);
      if (audio_) Drain(audio_.get(), nullptr, out);
      finished_ = true;
      return false;
    }
    if (packet_->stream_index == video_index_ && video_) {
      Drain(video_.get(), packet_.get(), out);
    } else if (packet_->stream_index == audio_index_ && audio_) {
      Drain(audio_.get(), packet_.get(), out);
    }
    ff_->av_packet_unref(packet_.get());
    return true;
  }

  // Back to the first second, decoders emptied.
  void Rewind() {
    ff_->av_seek_frame(format_.get(), -1, format_->start_time == AV_NOPTS_VALUE ? 0 : format_->start_time,
                  AVSEEK_FLAG_BACKWARD);
    if (video_) ff_->avcodec_flush_buffers(video_.get());
    if (audio_) ff_->avcodec_flush_buffers(audio_.get());
    resample_.reset();
    last_picture_time_ = -1.0;
    finished_ = false;
  }

 private:
  // Sends a packet (null: end of stream) and collects every frame it gives.
  void Drain(AVCodecContext* codec, const AVPacket* packet, Decoded& out) {
    if (ff_->avcodec_send_packet(codec, packet) < 0) return;  // a damaged packet is skipped
    while (true) {
      FramePtr frame(ff_->av_frame_alloc(), media::FrameFreer{ff_});
      if (!frame || ff_->avcodec_receive_frame(codec, frame.get()) < 0) return;
      if (codec == video_.get()) {
        AddPicture(std::move(frame), out);
      } else {
        AddSound(*frame, out);
      }
    }
  }

  double Seconds(int64_t timestamp, int stream) const {
    return static_cast<double>(timestamp) * av_q2d(format_->streams[stream]->time_base) - start_;
  }

  void AddPicture(FramePtr frame, Decoded& out) {
    double time = 0.0;
    if (frame->best_effort_timestamp != AV_NOPTS_VALUE) {
      time = Seconds(frame->best_effort_timestamp, video_index_);
    } else if (last_picture_time_ >= 0.0) {
      const AVRational rate = format_->streams[video_index_]->avg_frame_rate;
      time = last_picture_time_ + (rate.num > 0 ? av_q2d(av_inv_q(rate)) : 0.04);
    }
    last_picture_time_ = time;
    out.pictures.push_back(Picture{time, std::move(frame)});
  }

  void AddSound(const AVFrame& frame, Decoded& out) {
    if (!resample_ && !OpenResampler(frame)) return;
    const int capacity = ff_->swr_get_out_samples(resample_.get(), frame.nb_samples);
    if (capacity <= 0) return;
    const size_t before = out.samples.size();
    out.samples.resize(before + 2 * static_cast<size_t>(capacity));
    uint8_t* target = reinterpret_cast<uint8_t*>(out.samples.data() + before);
    const int made = ff_->swr_convert(resample_.get(), &target, capacity, const_cast<const uint8_t**>(frame.extended_data),
                                 frame.nb_samples);
    out.samples.resize(before + 2 * static_cast<size_t>(std::max(made, 0)));
    if (out.samples_time < 0.0 && before == 0 && frame.best_effort_timestamp != AV_NOPTS_VALUE) {
      out.samples_time = Seconds(frame.best_effort_timestamp, audio_index_);
    }
  }

  bool OpenResampler(const AVFrame& frame) {
    AVChannelLayout in_layout;
    if (frame.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || ff_->av_channel_layout_check(&frame.ch_layout) == 0) {
      ff_->av_channel_layout_default(&in_layout, std::max(frame.ch_layout.nb_channels, 1));
    } else if (ff_->av_channel_layout_copy(&in_layout, &frame.ch_layout) < 0) {
      return false;
    }
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    SwrContext* raw = nullptr;
    const int made = ff_->swr_alloc_set_opts2(&raw, &stereo, AV_SAMPLE_FMT_S16, media::kOutputRate, &in_layout,
                                         static_cast<AVSampleFormat>(frame.format), frame.sample_rate, 0, nullptr);
    ff_->av_channel_layout_uninit(&in_layout);
    media::ResamplePtr resample(raw, media::ResampleFreer{ff_});
    if (made < 0 || ff_->swr_init(resample.get()) < 0) return false;
    resample_ = std::move(resample);
    return true;
  }

  media::FormatPtr format_;
  media::FfmpegRef ff_;  // the library the file was opened with
  media::CodecPtr video_;
  media::CodecPtr audio_;
  media::ResamplePtr resample_;
  media::PacketPtr packet_;
  int video_index_ = -1;
  int audio_index_ = -1;
  int width_ = 0;
  int height_ = 0;
  double seconds_ = 0.0;
  double start_ = 0.0;  // the file's first second, counted as 0
  double last_picture_time_ = -1.0;
  bool finished_ = false;
};

class FfmpegMoviePlayer : public MoviePlayer {
 public:
  FfmpegMoviePlayer() : feed_(audio_, media::kMovieSdlChannel, [this](int16_t* out, int frames) { FillSound(out, frames); }) {}
  ~FfmpegMoviePlayer() override { Close(); }

  void Open(const std::string& path) override {
    auto file = std::make_unique<MovieFile>(path);
    Close();
    file_ = std::move(file);
  }

  void Close() override {
    Stop();
    // Assigned, not reset: a reset keeps the deleter, and with it the
    // reference that keeps FFmpeg loaded.
    scale_ = media::ScalePtr();
    file_.reset();
  }

  bool IsOpen() const override { return file_ != nullptr; }
  int NaturalWidth() const override { return file_ ? file_->width() : 0; }
  int NaturalHeight() const override { return file_ ? file_->height() : 0; }
  double Duration() const override { return file_ ? file_->seconds() : 0.0; }

  void Play() override {
    if (!file_) throw media::InvalidCall();
    if (playing_ && !Ended()) return;
    if (playing_) Stop();  // played to the end: from the start again
    {
      std::lock_guard lock(mutex_);
      started_ = SteadyClock::now();
      playing_ = true;
      end_of_file_ = false;
    }
    worker_ = std::jthread([this](std::stop_token stop) { Decode(stop); });
    if (file_->has_audio()) feed_.Start();
  }

  void Stop() override {
    feed_.Halt();
    if (worker_.joinable()) {
      worker_.request_stop();
      wake_.notify_all();
      worker_.join();
    }
    std::lock_guard lock(mutex_);
    if (playing_ && file_) file_->Rewind();
    playing_ = false;
    pictures_.clear();
    sound_.clear();
    sound_time_ = -1.0;
    shown_ = FramePtr();  // its deleter too: see Close
    shown_image_ = Image();
  }

  void SetLevel(int level) override { gain_.store(static_cast<float>(std::clamp(level, 0, 100)) / 100.0f); }

  double Position() const override {
    std::lock_guard lock(mutex_);
    if (!playing_) return 0.0;
    return std::min(Clock(), Duration());
  }

  bool IsPlaying() const override { return playing_ && !Ended(); }

  bool Ended() const override {
    std::lock_guard lock(mutex_);
    if (!playing_) return false;
    const double now = Clock();
    if (Duration() > 0.0) return now >= Duration();
    return end_of_file_ && pictures_.empty() && sound_.empty();
  }

  Image CurrentFrame(int width, int height) override {
    width = std::max(width, 0);
    height = std::max(height, 0);
    {
      std::lock_guard lock(mutex_);
      const double now = playing_ ? Clock() : 0.0;
      bool changed = false;
      while (!pictures_.empty() && pictures_.front().time <= now) {
        shown_ = std::move(pictures_.front().frame);
        pictures_.pop_front();
        changed = true;
      }
      if (changed) {
        shown_image_ = Image();
        wake_.notify_all();
      }
    }
    if (!shown_ || width == 0 || height == 0) return Image(width, height, 0xFF000000u);
    if (shown_image_.width != width || shown_image_.height != height) shown_image_ = Scale(*shown_, width, height);
    return shown_image_;
  }

 private:
  static constexpr size_t kPicturesAhead = 8;
  static constexpr size_t kPicturesMost = 64;
  static constexpr double kSoundAhead = 0.5;  // seconds
  static constexpr double kSoundMost = 4.0;

  // Seconds of the movie now; the caller holds the lock.
  double Clock() const { return std::chrono::duration<double>(SteadyClock::now() - started_).count(); }

  double SoundSeconds() const { return static_cast<double>(sound_.size() / 2) / media::kOutputRate; }

  // Decodes ahead of the clock while playing: enough pictures and sound to
  // ride out a slow moment, never the whole file.
  void Decode(std::stop_token stop) {
    const bool has_audio = file_->has_audio();
    while (!stop.stop_requested()) {
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, stop, [&] {
          if (end_of_file_) return false;
          const bool sound_low = has_audio && SoundSeconds() < kSoundAhead;
          return (pictures_.size() < kPicturesAhead || sound_low) && pictures_.size() < kPicturesMost &&
                 SoundSeconds() < kSoundMost;
        });
        if (stop.stop_requested()) return;
      }
      Decoded step;
      const bool more = file_->Step(step);
      std::lock_guard lock(mutex_);
      for (Picture& picture : step.pictures) pictures_.push_back(std::move(picture));
      if (!step.samples.empty()) {
        if (sound_.empty() && sound_time_ < 0.0) sound_time_ = std::max(step.samples_time, 0.0);
        sound_.insert(sound_.end(), step.samples.begin(), step.samples.end());
      }
      if (!more) end_of_file_ = true;
    }
  }

  // On the audio thread: the movie's sound due now, at its level.
  void FillSound(int16_t* out, int frames) {
    std::memset(out, 0, static_cast<size_t>(frames) * media::kBytesPerFrame);
    std::lock_guard lock(mutex_);
    if (!playing_ || sound_.empty()) return;
    const double now = Clock();
    // Sound that is late (the decoder fell behind) is dropped; sound that
    // is early waits behind a little silence.
    const double late = now - sound_time_;
    if (late > 0.1) {
      const size_t drop = std::min(sound_.size() / 2, static_cast<size_t>(late * media::kOutputRate));
      sound_.erase(sound_.begin(), sound_.begin() + 2 * drop);
      sound_time_ += static_cast<double>(drop) / media::kOutputRate;
    }
    int lead = 0;
    if (sound_time_ - now > 0.05) lead = std::min(frames, static_cast<int>((sound_time_ - now) * media::kOutputRate));
    const int take = std::min(frames - lead, static_cast<int>(sound_.size() / 2));
    std::copy(sound_.begin(), sound_.begin() + 2 * take, out + 2 * lead);
    sound_.erase(sound_.begin(), sound_.begin() + 2 * take);
    sound_time_ += static_cast<double>(take) / media::kOutputRate;
    const float gain = gain_.load();
    media::ScaleStereo(out + 2 * lead, take, gain, gain);
    wake_.notify_all();
  }

  Image Scale(const AVFrame& frame, int width, int height) {
    const media::FfmpegRef& ff = file_->ff();
    scale_ = media::ScalePtr(ff->sws_getCachedContext(scale_.release(), frame.width, frame.height,
                                                      static_cast<AVPixelFormat>(frame.format), width, height,
                                                      AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr),
                             media::ScaleFreer{ff});
    Image image(width, height);
    if (!scale_) return Image(width, height, 0xFF000000u);
    uint8_t* planes[4] = {reinterpret_cast<uint8_t*>(image.pixels.data()), nullptr, nullptr, nullptr};
    const int strides[4] = {width * 4, 0, 0, 0};
    ff->sws_scale(scale_.get(), frame.data, frame.linesize, 0, frame.height, planes, strides);
    for (uint32_t& pixel : image.pixels) pixel |= 0xFF000000u;  // movies are opaque
    return image;
  }

  media::SdlAudio audio_;  // first: the device outlives the feed
  std::unique_ptr<MovieFile> file_;
  mutable std::mutex mutex_;
  std::condition_variable_any wake_;
  SteadyClock::time_point started_{};
  bool playing_ = false;
  bool end_of_file_ = false;
  std::deque<Picture> pictures_;
  std::deque<int16_t> sound_;
  double sound_time_ = -1.0;  // second of the movie of the first sound sample waiting
  std::atomic<float> gain_{1.0f};
  FramePtr shown_;  // the picture on show, used by the game's thread only
  Image shown_image_;
  media::ScalePtr scale_;
  std::jthread worker_;
  media::PcmFeed feed_;  // last: halted before what it reads goes away
};

}  // namespace

std::unique_ptr<MoviePlayer> MakeFfmpegMoviePlayer(TraceSink trace) {
  return media::Traced(std::make_unique<FfmpegMoviePlayer>(), std::move(trace));
}

}  // namespace qvl
