// The run-time error a game procedure raises: a number and its description,
// shown by the message boxes of the procedure that catches it.
#pragma once

#include <stdexcept>
#include <string>

namespace qvl {

class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, std::string description)
      : std::runtime_error(description), number_(number), description_(std::move(description)) {}

  // The error with its standard description ("Overflow" for 6 …).
  explicit RuntimeError(int number) : RuntimeError(number, StandardDescription(number)) {}

  int number() const { return number_; }
  const std::string& description() const { return description_; }

  // What the error is about, when the procedure that raised it knows: the
  // file it could not read, and the thing of the game it concerns ("flag
  // 300", "record 9 of Quorvel1.dat"). The message boxes never show them;
  // the report of the error's cause does.
  const std::string& file() const { return file_; }
  const std::string& cause() const { return cause_; }
  // The first file and cause given are kept: they are the closest to the fault.
  RuntimeError& WithFile(std::string file) {
    if (file_.empty()) file_ = std::move(file);
    return *this;
  }
  RuntimeError& WithCause(std::string cause) {
    if (cause_.empty()) cause_ = std::move(cause);
    return *this;
  }

  static std::string StandardDescription(int number);

 private:
  int number_;
  std::string description_;
  std::string file_;
  std::string cause_;
};

// Error numbers the player raises.
namespace err {
constexpr int kInvalidCall = 5;
constexpr int kOverflow = 6;
constexpr int kOutOfMemory = 7;
constexpr int kSubscript = 9;
constexpr int kTypeMismatch = 13;
constexpr int kBadFileName = 52;
constexpr int kFileNotFound = 53;
constexpr int kInputPastEnd = 62;
constexpr int kBadRecordNumber = 63;
constexpr int kPathFileAccess = 75;
constexpr int kPathNotFound = 76;
constexpr int kInvalidPicture = 481;
}  // namespace err

}  // namespace qvl
