// What `qvl lint` finds: each fault with its stable code, its severity and
// its place in the author's terms (section, record, object slot, field),
// written as text lines or as JSON.
#pragma once

#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace qvl::tools::lint {

enum class Severity { kNote, kWarning, kError };

// One check: its code ("Q020"), severity and what it looks for.
struct Check {
  const char* code;
  Severity severity;
  const char* summary;
};

// Every check lint makes, in code order.
std::span<const Check> Checks();

// The check with this code; throws std::out_of_range for an unknown code.
const Check& CheckFor(const char* code);

const char* SeverityName(Severity severity);

// The part of a game a fault lies in.
enum class Section { kGame, kGeneral, kItem, kLocation, kScene, kConversation };

inline constexpr size_t kWholeRecord = static_cast<size_t>(-1);

// Where a fault lies: a record (scene, item …), an object slot of a scene,
// and a field given by its byte offset within the record or the slot.
struct Place {
  Section section = Section::kGame;
  int record = 0;
  int slot = 0;          // 1 … 20 for an object of a scene
  int kind = 0;          // the object's kind code, named in the place
  size_t offset = kWholeRecord;

  // "scene 3 slot 5 (Goodie)", "item 2", "general settings", "game".
  std::string Describe() const;
  // The field's key as the game text writes it ("gives_item"), or "".
  std::string FieldKey() const;
};

struct Diagnostic {
  const Check* check;
  Place place;
  std::string message;
  std::string file;  // the game text or data file it was found in
  int line = 0;      // its line in the game text; 0 when not from a text
};

// The report of one lint run.
struct Report {
  std::vector<Diagnostic> diagnostics;

  void Add(const char* code, const Place& place, std::string message);
  int Count(Severity severity) const;
  // Ordered by file line, then place, then code; duplicates dropped.
  void Sort();
};

// "game.toml:212: scene 3 slot 5 (Goodie) picture: error Q010: MESSAGE", one
// a line, then a summary line.
void WriteText(const Report& report, std::ostream& out);

// {"diagnostics":[{...}], "errors":N, "warnings":N, "notes":N}
void WriteJson(const Report& report, std::ostream& out);

// 2 with errors, 1 with warnings when `strict`, else 0.
int ExitStatus(const Report& report, bool strict);

}  // namespace qvl::tools::lint
