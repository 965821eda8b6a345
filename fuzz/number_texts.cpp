// Numbers read from texts and written back the way the game's data
// expects them.
#include <cmath>

#include "fuzz_input.h"
#include "platform/runtime_error.h"
#include "platform/text_numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = qvl::fuzz::Text(data, size);
  qvl::Trim(text);
  qvl::LCase(text);
  try {
    // A number too large for any number type is an Overflow, as the
    // game's own numbers are.
    const double value = qvl::Val(text);
    qvl::Str(value);
    const int16_t small = qvl::CInt(value);
    if (qvl::Val(qvl::Str(static_cast<int64_t>(small))) != small) qvl::fuzz::Finding("Str and Val disagree");
    qvl::Add16(small, qvl::CLng(value));
  } catch (const qvl::RuntimeError&) {
  }
  return 0;
}
