// What the game keeps of the conversation box: the lines of the cue card
// shown and the line under the pointer.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qvl {

// One line of the cue card shown.
struct ConversationLine {
  int16_t FlagOn = 0;
  int16_t Flag = 0;
  int16_t Value = 0;
  int16_t Mode = 0;
  int16_t MediaOn = 0;
  std::string Media;
  int16_t Volume = 0;  // a WAV's volume, or a movie's level
  int16_t Pan = 0;
  bool Clicked = false;
};

struct ConversationState {
  std::array<ConversationLine, 6> Line{};  // 1 … 5
  // The line the pointer last entered; 0 = none.
  int16_t HoveredLine = 0;
};

}  // namespace qvl
