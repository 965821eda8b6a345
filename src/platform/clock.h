// The game's sense of time: real time for the window, virtual time for
// scripted play, where waiting jumps straight to the next timer.
#pragma once

#include <cstdint>

namespace qvl {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since the player started.
  virtual int64_t NowMs() const = 0;
  // True for virtual time: nobody waits for it, it moves when told to.
  virtual bool IsVirtual() const = 0;
};

}  // namespace qvl
