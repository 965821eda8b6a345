// Saved games: the snapshot of the game a save writes, the saved-game file
// (one 1113-byte record named NAME.sav in the saved-games folder), what the
// dialogs show of a file, and putting a loaded game back on screen.
#pragma once

#include <optional>
#include <string>

#include "data/save_rec.h"
#include "platform/clock.h"
#include "shell/saved_game_state.h"

namespace qvl {

struct Player;

// The file a typed name is saved as: a name holding "." loses its last four
// characters (a typed ".sav", or whatever stands there), then ".sav" is
// added: "Castle" and "Castle.sav" give "Castle.sav", "my.save" gives
// "my..sav". A name of four characters or fewer holding "." would lose
// everything and is kept whole ("a.b" gives "a.b.sav"). A name that could
// leave the saved-games folder or that no file can carry (a separator or
// one of : * ? " < > |) is "Bad file name or number" (52).
std::string SaveFileName(const std::string& name);

// The date and time as a save records them: "06-15-2001" and "02:30 PM".
std::string SaveDateText(const CalendarTime& when);
std::string SaveTimeText(const CalendarTime& when);

// Copies the running game into the save copy: the delays, the flags, the
// inventory, the map, the scene and the soundtrack.
void SnapshotGameState(Player& p);

// Writes the save copy under the typed name with its description, the
// date and the time. An existing file is written over only when the player
// says yes; false when the player declines. The old file survives any
// failure to write (the error travels to the caller).
bool WriteSaveFile(Player& p, const std::string& name, const std::string& description);

// Reads the description, date and time of a saved game for the dialogs
// (InfoDescription, InfoDate, InfoTime; empty when it cannot be read).
void GetGameInfo(Player& p, const std::string& file);

// The saved game in `file`, when it fits this game: its scene is one of the
// game's, its items are the game's items and its delays are running or
// not. A file that does not fit is refused with a message and nothing.
// A short file reads its missing part as blanks and zeros. Read errors
// travel to the caller.
std::optional<data::SaveRec> ReadSaveFile(Player& p, const std::string& file);

// Reads a saved game and restores it (RestoreGame); false when the file was
// refused, and then nothing has changed.
bool LoadSaveFile(Player& p, const std::string& file);

// Puts the loaded game on screen: the game window and its optional parts,
// score, map, inventory, the saved scene, the soundtrack and the delays
// that were running.
void RestoreGame(Player& p);

}  // namespace qvl
