#include "platform/runtime_error.h"

namespace qvl {

std::string RuntimeError::StandardDescription(int number) {
  switch (number) {
    case err::kInvalidCall: return "Invalid procedure call or argument";
    case err::kOverflow: return "Overflow";
    case err::kOutOfMemory: return "Out of memory";
    case err::kSubscript: return "Subscript out of range";
    case err::kTypeMismatch: return "Type mismatch";
    case err::kBadFileName: return "Bad file name or number";
    case err::kFileNotFound: return "File not found";
    case err::kInputPastEnd: return "Input past end of file";
    case err::kBadRecordNumber: return "Bad record number";
    case err::kPathFileAccess: return "Path/File access error";
    case err::kPathNotFound: return "Path not found";
    case err::kInvalidPicture: return "Invalid picture";
    default: return "Application-defined or object-defined error";
  }
}

}  // namespace qvl
