#include "data/record_file.h"

#include <fstream>
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
  PositionalFile file(path, PositionalFile::Mode::kReadWrite);
  if (!file.open()) throw RuntimeError(err::kPathFileAccess);
  return RecordFile(path, record_length, std::move(file));
}

RecordFile RecordFile::OpenReadOnly(const fs::path& path, size_t record_length) {
  CheckName(path);
  std::error_code ec;
  if (!fs::exists(path, ec)) throw RuntimeError(err::kFileNotFound);
  PositionalFile opened(path, PositionalFile::Mode::kRead);
  if (!opened.open()) throw RuntimeError(err::kPathFileAccess);
  RecordFile file(path, record_length, std::move(opened));
  file.read_only_ = true;
  return file;
}

uint64_t RecordFile::Length() {
  const int64_t end = file_.Length();
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
  if (!file_.ReadAt(offset, bytes)) throw RuntimeError(err::kPathFileAccess);
  return bytes;
}

void RecordFile::WriteRaw(int n, std::string_view bytes) {
  uint64_t offset = Offset(n);
  if (read_only_) throw RuntimeError(err::kPathFileAccess);
  if (bytes.size() != record_length_) throw RuntimeError(err::kInvalidCall);
  uint64_t length = Length();
  if (offset > length && !file_.WriteAt(length, std::string(static_cast<size_t>(offset - length), '\0'))) {
    throw RuntimeError(err::kPathFileAccess);
  }
  if (!file_.WriteAt(offset, bytes)) throw RuntimeError(err::kPathFileAccess);
}

}  // namespace qvl::data
