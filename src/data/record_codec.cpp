#include "data/record_codec.h"

#include <cctype>

namespace qvl::data {

std::string FieldName(const char* name, int index) {
  std::string result = name;
  if (index == 0) return result;
  if (!result.empty() && std::isdigit(static_cast<unsigned char>(result.back()))) result += '_';
  return result + std::to_string(index);
}

}  // namespace qvl::data
