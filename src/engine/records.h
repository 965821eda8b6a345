// Reading one record of an open data file as the engine does: a file that
// is not open, or a record number outside the file, is a run-time error.
#pragma once

#include <optional>
#include <string>

#include "data/record_file.h"
#include "platform/runtime_error.h"

namespace qvl {

template <class R>
R ReadRecord(std::optional<data::RecordFile>& file, int n) {
  if (!file) throw RuntimeError(err::kBadFileName);
  if (n < 1 || n > file->Count()) {
    throw RuntimeError(err::kBadRecordNumber)
        .WithFile(file->path().string())
        .WithCause("record " + std::to_string(n) + " of " + file->path().filename().string() + ", which holds " +
                   std::to_string(file->Count()));
  }
  return file->Read<R>(n);
}

}  // namespace qvl
