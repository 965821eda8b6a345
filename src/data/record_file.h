// A random-access data file of fixed-length records, numbered from 1, as
// the game opens its five data files and its saved games.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "data/record_codec.h"
#include "platform/positional_file.h"

namespace qvl::data {

// The data files of a game, under its resource folder, with their record lengths.
inline constexpr const char* kSceneFileName = "Quorvel1.dat";
inline constexpr const char* kLocFileName = "Quorvel2.dat";
inline constexpr const char* kItemFileName = "Quorvel3.dat";
inline constexpr const char* kGenFileName = "Quorvel4.dat";
inline constexpr const char* kConvFileName = "Quorvel5.dat";

// The number of records a file of `length` bytes holds: the length divided
// by the record length, rounded to nearest with halves to even (Overflow
// when it leaves the 16-bit range).
int16_t RecordCount(uint64_t length, size_t record_length);

class RecordFile {
 public:
  // Opens for reading and writing; a missing file is created empty, as the
  // game's open does. Errors: 76 when the folder does not exist, 75 when
  // the file cannot be opened, 52 for an empty name.
  static RecordFile Open(const std::filesystem::path& path, size_t record_length);

  // Opens an existing file for reading only (53 when it is missing).
  static RecordFile OpenReadOnly(const std::filesystem::path& path, size_t record_length);

  RecordFile(RecordFile&&) = default;
  RecordFile& operator=(RecordFile&&) = default;

  const std::filesystem::path& path() const { return path_; }

  // The file's length in bytes now.
  uint64_t Length();

  // The number of records, by the rounding rule of RecordCount.
  int16_t Count() { return RecordCount(Length(), record_length_); }

  // The bytes of record n (1-based) that the file holds: fewer than the
  // record length, or none, when the record lies partly or wholly past the
  // end. Record numbers below 1 are "Bad record number" (63).
  std::string ReadRaw(int n);

  // Writes record n, extending the file when needed (records skipped over
  // are zero bytes). `bytes` must be one record long (else error 5); a file
  // opened read-only refuses it (75).
  void WriteRaw(int n, std::string_view bytes);

  // Record n decoded as R; the part past the end of the file reads as an
  // empty record (spaces in texts, zeros in integers).
  template <class R>
  R Read(int n) {
    return Decode<R>(ReadRaw(n));
  }

  template <class R>
  void Write(int n, const R& record) {
    WriteRaw(n, Encode(record));
  }

 private:
  RecordFile(std::filesystem::path path, size_t record_length, PositionalFile file)
      : path_(std::move(path)), record_length_(record_length), file_(std::move(file)) {}
  uint64_t Offset(int n) const;

  std::filesystem::path path_;
  size_t record_length_;
  PositionalFile file_;
  bool read_only_ = false;
};

}  // namespace qvl::data
