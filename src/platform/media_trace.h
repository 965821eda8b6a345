// Where the sound, music and movie backends report each request they get:
// one line per request, starting with SOUND, MUSIC or MOVIE (`qvl run
// --trace` prints them). An empty sink reports nothing.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace qvl {

using TraceSink = std::function<void(const std::string&)>;

// The file name at the end of a path, cut at either separator, so trace
// lines do not depend on where the game folder lies.
std::string_view TraceFileName(std::string_view path);

}  // namespace qvl
