// Text written as a JSON string, for the tools' machine-readable output.
#pragma once

#include <string>

namespace qvl::tools {

// `text` in double quotes, with quotes, backslashes and control characters escaped.
std::string JsonString(const std::string& text);

}  // namespace qvl::tools
