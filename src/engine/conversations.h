// The conversation box: up to five answer lines from a cue card of the
// conversation file, their colours under the pointer and once clicked, and
// what clicking a line plays and sets.
#pragma once

#include <cstdint>

#include "engine/conversation_state.h"

namespace qvl {

struct Player;

// The line colours: normal, under the pointer, clicked.
namespace conv_colour {
constexpr uint32_t kNormal = 0xFFC0C0C0;
constexpr uint32_t kHover = 0xFFFFFFFF;
constexpr uint32_t kClicked = 0xFF808080;
}  // namespace conv_colour

// Fills the box with cue card `record` for the Conversation in `slot` and
// shows it; nothing when that Conversation's box already shows.
void ShowConversation(Player& p, int16_t record, int16_t slot);

// The pointer left the lines: a highlighted line gets its own colour back.
void UnhighlightConversationLines(Player& p);

// The events of the box and its lines.
void WireConversationBox(Player& p);

}  // namespace qvl
