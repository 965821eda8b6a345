#include "data/record_file.h"

#include <system_error>

#include "platform/runtime_error.h"
#include "platform/text_numbers.h"

namespace qvl::data {

namespace fs = std::filesystem;

int16_t RecordCount(uint64_t length, size_t record_length) {
  return CInt(static_cast<double>(length) / static_cast<double>(record_length));
}

namespace {

void CheckName(const fs::path& path) {
  if (path.empty() || path.filename().empty()) throw RuntimeError(err::kBadFileName);
  fs::path folder = path.parent_path();
  std::error_code ec;
  if (!folder.empty() && !fs::is_directory(folder, ec)) throw RuntimeError(err::kPathNotFound);
  if (fs::is_directory(path, ec)) throw RuntimeError(err::kPathFileAccess);
}

}  // namespace

RecordFile RecordFile::Open(const fs::path& path, size_t record_length) {
  CheckName(path);
  std::error_code ec;
  if (!fs::exists(path, ec)) {
    std::ofstream create(path, std::ios::binary);
    if (!create) throw RuntimeError(err::kPathFileAccess);
  }
  std::fstream stream(path, std::ios::binary | std::ios::in | std::ios::out);
  if (!stream) throw RuntimeError(err::kPathFileAccess);
  return RecordFile(path, record_length, std::move(stream));
}

RecordFile RecordFile::OpenReadOnly(const fs::path& path, size_t record_length) {
  CheckName(path);
  std::error_code ec;
  if (!fs::exists(path, ec)) throw RuntimeError(err::kFileNotFound);
  std::fstream stream(path, std::ios::binary | std::ios::in);
  if (!stream) throw RuntimeError(err::kPathFileAccess);
  RecordFile file(path, record_length, std::move(stream));
  file.read_only_ = true;
  return file;
}

uint64_t RecordFile::Length() {
  stream_.clear();
  stream_.seekg(0, std::ios::end);
  auto end = stream_.tellg();
  if (end < 0) throw RuntimeError(err::kPathFileAccess);
  return static_cast<uint64_t>(end);
}

uint64_t RecordFile::Offset(int n) const {
  if (n < 1) throw RuntimeError(err::kBadRecordNumber);
  return static_cast<uint64_t>(n - 1) * record_length_;
}

std::string RecordFile::ReadRaw(int n) {
  uint64_t offset = Offset(n);
  uint64_t length = Length();
  if (offset >= length) return {};
  auto available = static_cast<size_t>(std::min<uint64_t>(record_length_, length - offset));
  std::string bytes(available, '\0');
  stream_.clear();
  stream_.seekg(static_cast<std::streamoff>(offset));
  stream_.read(bytes.data(), static_cast<std::streamsize>(available));
  if (!stream_) throw RuntimeError(err::kPathFileAccess);
  return bytes;
}

void RecordFile::WriteRaw(int n, std::string_view bytes) {
  uint64_t offset = Offset(n);
  if (read_only_) throw RuntimeError(err::kPathFileAccess);
  if (bytes.size() != record_length_) throw RuntimeError(err::kInvalidCall);
  uint64_t length = Length();
  stream_.clear();
  if (offset > length) {
    stream_.seekp(static_cast<std::streamoff>(length));
    std::string gap(static_cast<size_t>(offset - length), '\0');
    stream_.write(gap.data(), static_cast<std::streamsize>(gap.size()));
  }
  stream_.seekp(static_cast<std::streamoff>(offset));
  stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  stream_.flush();
  if (!stream_) throw RuntimeError(err::kPathFileAccess);
}

}  // namespace qvl::data
