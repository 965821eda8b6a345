// The message boxes of a procedure that meets an unexpected run-time error.
#pragma once

#include <string>

#include "platform/runtime_error.h"

namespace qvl {

struct Player;

// The application title the game's message boxes carry.
inline constexpr const char* kAppTitle = "QuorvelPlayer";

// "Unexpected error in procedure: NAME", then "Error #N: DESCRIPTION",
// with the critical icon and the application title.
void ReportUnexpected(Player& p, const std::string& procedure, const RuntimeError& error);

// The text of that box, for procedures that add to it.
std::string UnexpectedErrorText(const std::string& procedure, const RuntimeError& error);

}  // namespace qvl
