#include "tools/lint_diagnostics.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>
#include <tuple>

#include "data/scene_rec.h"
#include "tools/game_format_files.h"
#include "tools/game_format_objects.h"

namespace qvl::tools::lint {

namespace {

using enum Severity;

// The codes are stable: a check that goes away leaves its code unused.
constexpr std::array kChecks = {
    Check{"Q000", kError, "the game text cannot be read"},
    Check{"Q001", kError, "a data file is missing"},
    Check{"Q002", kError, "a data file is not a whole number of records"},
    Check{"Q003", kError, "the game has no scene 1"},
    Check{"Q010", kError, "a picture is missing"},
    Check{"Q011", kWarning, "a file is named in another letter case"},
    Check{"Q012", kError, "a picture cannot be decoded"},
    Check{"Q013", kError, "a sound, music or movie file is missing"},
    Check{"Q014", kError, "a sound, music or movie file cannot be played"},
    Check{"Q015", kWarning, "a file of a kind the player does not play there"},
    Check{"Q020", kError, "no such scene"},
    Check{"Q021", kError, "no such item"},
    Check{"Q022", kError, "no such conversation"},
    Check{"Q023", kError, "no such map location"},
    Check{"Q024", kError, "no such pointer"},
    Check{"Q025", kError, "no such flag"},
    Check{"Q026", kError, "no such sound channel"},
    Check{"Q027", kWarning, "a Responder watches a sound the scene never plays"},
    Check{"Q030", kWarning, "a value the field does not take"},
    Check{"Q031", kWarning, "a volume or pan out of range"},
    Check{"Q032", kError, "a Delay of negative seconds"},
    Check{"Q033", kWarning, "an object outside the scene area"},
    Check{"Q034", kError, "a layout string not written a/b"},
    Check{"Q035", kError, "a number text that is not a number"},
    Check{"Q036", kWarning, "an object of unknown kind"},
    Check{"Q040", kWarning, "a flag read but never set"},
    Check{"Q041", kNote, "a flag set but never read"},
    Check{"Q042", kWarning, "an item nothing gives"},
    Check{"Q043", kError, "an item required but never given"},
    Check{"Q044", kWarning, "a scene nothing leads to"},
    Check{"Q045", kWarning, "a conversation line that does nothing"},
    Check{"Q050", kWarning, "an Ambient that sets a flag"},
    Check{"Q051", kWarning, "a jump rule to its own scene"},
    Check{"Q052", kWarning, "a sound-watching Responder that changes the scene"},
    Check{"Q053", kWarning, "a Delay of 0 seconds"},
    Check{"Q054", kWarning, "a Responder and a Multi-Trigger that set each other's flags answer once each"},
    Check{"Q055", kWarning, "more than one Conversation shown at setup"},
    Check{"Q056", kError, "the main menu cannot start a new game"},
};

const char* SectionName(Section section) {
  switch (section) {
    case Section::kGame: return "game";
    case Section::kGeneral: return "general";
    case Section::kItem: return "item";
    case Section::kLocation: return "location";
    case Section::kScene: return "scene";
    case Section::kConversation: return "conversation";
  }
  return "game";
}

const std::vector<format::FieldForm>* RecordForms(Section section) {
  for (const format::DataFile& file : format::DataFiles()) {
    if (std::string_view(file.key) == SectionName(section)) return &file.forms;
  }
  return nullptr;
}

std::string KeyAt(const std::vector<format::FieldForm>& forms, size_t offset) {
  for (const format::FieldForm& form : forms) {
    if (form.offset == offset) return form.key;
  }
  return "";
}

// A JSON string literal of a text (the game's texts may hold any byte).
std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    auto b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (b < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", b);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Prefix(const Diagnostic& d) {
  std::string prefix;
  if (!d.file.empty()) prefix += d.file + ":";
  if (d.line > 0) prefix += std::to_string(d.line) + ":";
  if (!prefix.empty()) prefix += " ";
  return prefix;
}

}  // namespace

std::span<const Check> Checks() { return kChecks; }

const Check& CheckFor(const char* code) {
  for (const Check& check : kChecks) {
    if (std::string_view(check.code) == code) return check;
  }
  throw std::out_of_range(std::string("unknown lint code ") + code);
}

const char* SeverityName(Severity severity) {
  switch (severity) {
    case kNote: return "note";
    case kWarning: return "warning";
    case kError: return "error";
  }
  return "error";
}

std::string Place::Describe() const {
  switch (section) {
    case Section::kGame: return "game";
    case Section::kGeneral: return "general settings";
    case Section::kScene:
      if (slot > 0) {
        return "scene " + std::to_string(record) + " slot " + std::to_string(slot) + " (" +
               std::string(data::KindName(kind)) + ")";
      }
      [[fallthrough]];
    default: return std::string(SectionName(section)) + " " + std::to_string(record);
  }
}

std::string Place::FieldKey() const {
  if (offset == kWholeRecord) return "";
  if (section == Section::kScene && slot > 0) {
    std::string key = KeyAt(format::ObjectForms(kind), offset);
    return key.empty() ? KeyAt(format::RawObjectForms(), offset) : key;
  }
  const std::vector<format::FieldForm>* forms = RecordForms(section);
  return forms ? KeyAt(*forms, offset) : "";
}

void Report::Add(const char* code, const Place& place, std::string message) {
  diagnostics.push_back({&CheckFor(code), place, std::move(message), "", 0});
}

int Report::Count(Severity severity) const {
  return static_cast<int>(std::count_if(diagnostics.begin(), diagnostics.end(),
                                        [&](const Diagnostic& d) { return d.check->severity == severity; }));
}

void Report::Sort() {
  auto key = [](const Diagnostic& d) {
    return std::make_tuple(d.file, d.line, static_cast<int>(d.place.section), d.place.record, d.place.slot,
                           std::string_view(d.check->code), d.message);
  };
  std::stable_sort(diagnostics.begin(), diagnostics.end(),
                   [&](const Diagnostic& a, const Diagnostic& b) { return key(a) < key(b); });
  diagnostics.erase(std::unique(diagnostics.begin(), diagnostics.end(),
                                [&](const Diagnostic& a, const Diagnostic& b) { return key(a) == key(b); }),
                    diagnostics.end());
}

void WriteText(const Report& report, std::ostream& out) {
  for (const Diagnostic& d : report.diagnostics) {
    std::string field = d.place.FieldKey();
    out << Prefix(d) << d.place.Describe() << (field.empty() ? "" : " " + field) << ": " << SeverityName(d.check->severity) << ' ' << d.check->code
        << ": " << d.message << '\n';
  }
  int errors = report.Count(kError), warnings = report.Count(kWarning), notes = report.Count(kNote);
  if (errors + warnings + notes == 0) {
    out << "no problems found\n";
  } else {
    out << errors << (errors == 1 ? " error, " : " errors, ") << warnings
        << (warnings == 1 ? " warning, " : " warnings, ") << notes << (notes == 1 ? " note\n" : " notes\n");
  }
}

void WriteJson(const Report& report, std::ostream& out) {
  out << "{\"diagnostics\":[";
  bool first = true;
  for (const Diagnostic& d : report.diagnostics) {
    out << (first ? "" : ",") << "\n{\"code\":\"" << d.check->code << "\",\"severity\":\""
        << SeverityName(d.check->severity) << "\",\"file\":" << JsonString(d.file) << ",\"line\":" << d.line
        << ",\"place\":" << JsonString(d.place.Describe()) << ",\"section\":\"" << SectionName(d.place.section)
        << "\",\"record\":" << d.place.record << ",\"slot\":" << d.place.slot
        << ",\"field\":" << JsonString(d.place.FieldKey()) << ",\"message\":" << JsonString(d.message) << "}";
    first = false;
  }
  out << "\n],\"errors\":" << report.Count(kError) << ",\"warnings\":" << report.Count(kWarning)
      << ",\"notes\":" << report.Count(kNote) << "}\n";
}

int ExitStatus(const Report& report, bool strict) {
  if (report.Count(kError) > 0) return 2;
  if (strict && report.Count(kWarning) > 0) return 1;
  return 0;
}

}  // namespace qvl::tools::lint
