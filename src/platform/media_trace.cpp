#include "platform/media_trace.h"

namespace qvl {

std::string_view TraceFileName(std::string_view path) {
  const size_t cut = path.find_last_of("/\\");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

}  // namespace qvl
