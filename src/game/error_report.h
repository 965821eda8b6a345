// The message boxes of a procedure that meets an unexpected run-time error.
#pragma once

#include <string>

#include "platform/runtime_error.h"

namespace qvl {

struct Player;

// The application title the game's message boxes carry.
inline constexpr const char* kAppTitle = "QuorvelPlayer";

// "Unexpected error in procedure: NAME", then "Error #N: DESCRIPTION",
// with the critical icon and the application title. The box says no more;
// the cause (file, scene, object slot and kind, flag …) goes to the error
// output and, when it is on, to the notify log, so that a player's report
// names what is broken.
void ReportUnexpected(Player& p, const std::string& procedure, const RuntimeError& error);

// That cause as one line: "QuorvelPlayer: LoadScene: error 53 (File not
// found): file /games/x/resource/gfx/hall.bmp; scene 3 picture". `object`
// names the object being handled when the procedure knows it ("slot 4
// (Responder)"); otherwise the objects naming the file are found.
std::string ErrorCauseLine(const Player& p, const std::string& procedure, const RuntimeError& error,
                           const std::string& object = "");

// Writes that line to the error output and, when it is on, the notify log.
void ReportErrorCause(Player& p, const std::string& procedure, const RuntimeError& error,
                      const std::string& object = "");

// The text of that box, for procedures that add to it.
std::string UnexpectedErrorText(const std::string& procedure, const RuntimeError& error);

}  // namespace qvl
