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

  static std::string StandardDescription(int number);

 private:
  int number_;
  std::string description_;
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
